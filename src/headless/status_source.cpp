#include "headless/status_source.h"

#include <algorithm>
#include <cctype>

#include "report/runtime_files.h"
#include "report/status_publisher.h"
#include "ui/ascii_case.h"

namespace orvan::headless {
namespace {

report::StatusDocument problem(report::Source source, std::string why) {
    report::StatusDocument doc;
    doc.source = source;
    doc.problem = std::move(why);
    return doc;
}

}  // namespace

RuntimePaths RuntimePaths::ofUser() {
    return {report::RuntimePath(report::kInstanceLockName),
            report::RuntimePath(report::kStatusFileName),
            report::RuntimePath(report::kPrinterAccessLockName)};
}

StatusSource::StatusSource(RuntimePaths paths, std::function<PrinterSurvey&()> survey,
                           int accessWaitMs)
    : paths_(std::move(paths)), survey_(std::move(survey)), accessWaitMs_(accessWaitMs) {}

report::StatusDocument StatusSource::take(const Selection& selection, std::int64_t now) {
    if (report::LockHeldElsewhere(paths_.instanceLock)) return fromMonitor(selection, now);
    auto access = report::FileLock::acquire(paths_.accessLock, accessWaitMs_);
    if (!access) {
        // A monitor that has just started holds the access lock for good.
        if (report::LockHeldElsewhere(paths_.instanceLock)) return fromMonitor(selection, now);
        return problem(report::Source::Printer, "the printers are in use by another program");
    }
    SurveyResult round = survey_().run(selection, now);
    report::StatusDocument doc;
    doc.source = report::Source::Printer;
    doc.generatedAt = now;
    doc.printers = std::move(round.printers);
    doc.messages = std::move(round.messages);
    doc.problem = std::move(round.problem);
    return doc;
}

// The monitor watches one printer; a run that names another cannot be told
// about it without calling the printer.
report::StatusDocument StatusSource::fromMonitor(const Selection& selection,
                                                 std::int64_t now) const {
    auto doc = report::ReadPublishedStatus(paths_.statusFile);
    if (!doc)
        return problem(report::Source::Monitor, "the running monitor has published no status");
    // A monitor writes at least every few seconds; one that has not for long
    // is frozen or stuck, and what it last said may no longer be true.
    if (const std::int64_t age = now - doc->generatedAt; age > report::kStaleSeconds)
        return problem(report::Source::Monitor, "the running monitor's status is " +
                                                    std::to_string(age) +
                                                    " s old: it has stopped watching");
    if (selection.kind == Selection::Kind::Named) {
        std::erase_if(doc->printers, [&](const report::PrinterReport& p) {
            return !ui::equalsIgnoringCase(p.name, selection.name) &&
                   !ui::equalsIgnoringCase(p.address, selection.name);
        });
        if (doc->printers.empty()) doc->problem = "the running monitor watches another printer";
    } else if (doc->printers.empty()) {
        doc->problem = "the running monitor has no printer";
    }
    return *doc;
}

}  // namespace orvan::headless
