#include "qt/command_line.h"

#include <QCoreApplication>
#include <cstdio>

namespace orvan::qt {

CommandLine::CommandLine()
    : help_({"h", "help", "?"}, "Print these options and exit."),
      version_({"v", "version"}, "Print the version and exit.") {
    parser_.setApplicationDescription(
        "Watch a card printer's status and change its settings.\n"
        "-s, -i and -t count only as the whole command line (with --no-notifications\n"
        "beside them), in upper or lower case.");
    // "-si" is not "-s -i": a start option is the whole command line.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(QCommandLineOption("s", "Start hidden, in the tray."));
    parser_.addOption(QCommandLineOption("i", "Start on the Printer Select tab."));
    parser_.addOption(QCommandLineOption("t", "Start even when another copy runs."));
    parser_.addOption(QCommandLineOption("no-notifications", "Send no desktop notifications."));
    parser_.addOption(help_);
    parser_.addOption(version_);
}

CommandLine::Request CommandLine::parse(const QStringList& arguments) {
    (void)parser_.parse(arguments);  // unknown options are the start-up's
    if (parser_.isSet(help_)) return Request::Help;
    if (parser_.isSet(version_)) return Request::Version;
    return Request::Start;
}

QString CommandLine::versionText() {
    return QStringLiteral("orvan-status-monitor " ORVAN_VERSION "\n");
}

std::optional<int> answerInformationRequest(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine;
    const CommandLine::Request request = commandLine.parse(arguments);
    if (request == CommandLine::Request::Start) return std::nullopt;
    // Enough of an application for the program name, and no display.
    QCoreApplication application(argc, argv);
    const QString text =
        request == CommandLine::Request::Help ? commandLine.helpText() : CommandLine::versionText();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace orvan::qt
