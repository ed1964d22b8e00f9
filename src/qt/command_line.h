#pragma once
// The monitor's --help and --version. The start options (-s, -i, -t and
// --no-notifications) belong to the start-up, which reads them from the
// whole command line as before; they are declared here to be listed by
// --help, nothing more.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace orvan::qt {

class CommandLine {
  public:
    enum class Request { Start, Help, Version };

    CommandLine();
    // What the command line (program name first) asks for. Options it does
    // not know are left to the start-up and never an error here.
    Request parse(const QStringList& arguments);
    // The option list; needs the application object (for the program name).
    QString helpText() const { return parser_.helpText(); }
    static QString versionText();

  private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};

// Answers --help or --version on standard output, without a display, and
// gives the exit status; nothing when the command line asks for a start.
std::optional<int> answerInformationRequest(int argc, char** argv);

}  // namespace orvan::qt
