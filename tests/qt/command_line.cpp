// The monitor's --help and --version beside its start options, which stay
// the start-up's own: whatever is not a request for help or the version
// starts the monitor with the command line as it was.
#include <QtTest>
#include <algorithm>

#include "qt/command_line.h"

using namespace orvan;
using Request = qt::CommandLine::Request;

class CommandLineTest : public QObject {
    Q_OBJECT

    static Request parse(QStringList arguments) {
        arguments.prepend("OrvanStatusMonitor");
        return qt::CommandLine().parse(arguments);
    }

  private slots:
    void helpAndVersionAreAnsweredInEachForm() {
        for (const char* help : {"--help", "-h", "-?"}) QCOMPARE(parse({help}), Request::Help);
        for (const char* version : {"--version", "-v"})
            QCOMPARE(parse({version}), Request::Version);
    }

    void theStartOptionsAndAnythingElseStartTheMonitor() {
        const QList<QStringList> starts = {{},
                                           {"-s"},
                                           {"-S"},
                                           {"-i"},
                                           {"-I"},
                                           {"-t"},
                                           {"-T"},
                                           {"--no-notifications"},
                                           {"-s", "--no-notifications"},
                                           {"-sh"},
                                           {"-V"},
                                           {"-x"},
                                           {"anything"}};
        for (const QStringList& arguments : starts)
            QVERIFY2(parse(arguments) == Request::Start, qPrintable(arguments.join(' ')));
    }

    void helpListsEachStartOptionOnALineOfItsOwn() {
        const QStringList lines = qt::CommandLine().helpText().section("Options:", 1).split('\n');
        for (const char* name :
             {"-s ", "-i ", "-t ", "--no-notifications", "--help", "--version"}) {
            const QString option(name);
            const auto count = std::count_if(lines.begin(), lines.end(), [&](const QString& line) {
                return line.trimmed().startsWith(option) || line.contains(", " + option);
            });
            QVERIFY2(count == 1, qPrintable(option));
        }
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line.moc"
