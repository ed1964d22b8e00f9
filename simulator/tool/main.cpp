// orvan-sim: changes the simulated printers of a running monitor by appending
// a command to the control file that the stand-in port libraries follow.
#include <cstdio>
#include <string>
#include <vector>

#include "simulator/control_commands.h"
#include "simulator/control_journal.h"
#include "simulator/maintenance_report.h"
#include "simulator/world_report.h"

namespace {

// Prints the report each stand-in library keeps of its printers.
int show(const std::string& controlPath) {
    using namespace orvan::sim;
    for (auto which : {ReportedPrinters::Usb, ReportedPrinters::Network}) {
        const std::string path = reportPath(controlPath, which);
        const auto report = readReport(path);
        if (!report) {
            std::printf("%s: no report yet (the library writes it on its first call)\n",
                        path.c_str());
            continue;
        }
        std::fwrite(report->data(), 1, report->size(), stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvan::sim;
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::string word = words.size() == 1 ? words[0] : std::string();
    if (word == "--help" || word == "-h") {
        std::fwrite(controlUsage().data(), 1, controlUsage().size(), stdout);
        return 0;
    }
    if (word == "--version" || word == "-V") {
        std::printf("orvan-sim %s\n", ORVAN_VERSION);
        return 0;
    }
    const std::string path = controlJournalPath();
    if (words.size() == 1 && words[0] == "path") {
        std::printf("%s\n", path.c_str());
        return 0;
    }
    if (words.size() == 1 && words[0] == "show") return show(path);
    if (words.size() == 1 && words[0] == "last") {
        const auto report = readReport(maintenanceReportPath());
        const std::string text = report && !report->empty()
                                     ? *report
                                     : std::string("no test print or firmware download yet\n");
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    const std::string line = joinControlWords(words);
    if (!parseControlLine(line)) {
        std::fprintf(stderr, "%.*s", static_cast<int>(controlUsage().size()),
                     controlUsage().data());
        return 2;
    }
    if (!appendControlLine(path, line)) {
        std::perror(path.c_str());
        return 1;
    }
    return 0;
}
