#include "cli/settings_options.h"

namespace orvan::cli {
namespace {

using settings_file::Verb;

constexpr std::size_t kMaxArgument = 4096;

struct VerbRow {
    const char* name;
    Verb verb;
    bool takesFile;
};
constexpr VerbRow kVerbs[] = {
    {"save", Verb::Save, false},
    {"diff", Verb::Diff, true},
    {"apply", Verb::Apply, true},
};

std::string absolute(const std::string& path, const std::string& current) {
    if (path.empty() || path[0] == '/') return path;
    return current + "/" + path;
}

}  // namespace

std::string settingsUsage() {
    return "usage: orvan-settings save [--printer NAME] [-o FILE] [--network]\n"
           "       orvan-settings diff FILE [--printer NAME | --all] [--json]\n"
           "       orvan-settings apply FILE [--printer NAME | --all] [--dry-run] [--yes] "
           "[--json]\n"
           "       orvan-settings --help | --version\n"
           "\n"
           "A printer's settings as a file: save them, compare a file with a printer (exit 0\n"
           "the same, 1 different, 3 unknown) and apply it. Without --yes, apply only shows\n"
           "what it would change. NAME is a name of the printer list or an address; without\n"
           "it, the printer the monitor watches. With the monitor running, it does the job.\n";
}

ParsedSettingsOptions parseSettingsOptions(const std::vector<std::string>& args,
                                           const std::string& currentDirectory) {
    SettingsOptions o;
    if (args.empty()) return {std::nullopt, "no command given"};
    for (const auto& a : args)
        if (a.size() > kMaxArgument) return {std::nullopt, "an argument is too long"};
    if (args[0] == "--help" || args[0] == "-h") {
        o.mode = SettingsOptions::Mode::Help;
        return {o, ""};
    }
    if (args[0] == "--version" || args[0] == "-V") {
        o.mode = SettingsOptions::Mode::Version;
        return {o, ""};
    }
    const VerbRow* verb = nullptr;
    for (const auto& row : kVerbs)
        if (args[0] == row.name) verb = &row;
    if (!verb) return {std::nullopt, "unknown command: " + args[0]};
    o.request.verb = verb->verb;
    bool yes = false, dryRun = false;
    std::size_t i = 1;
    if (verb->takesFile) {
        if (args.size() < 2 || args[1].empty() || args[1][0] == '-')
            return {std::nullopt, std::string(verb->name) + " needs a FILE"};
        o.request.file = absolute(args[1], currentDirectory);
        i = 2;
    }
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--printer" && hasValue && !o.request.all) {
            o.request.printer = args[++i];
        } else if (a == "--all" && verb->takesFile && o.request.printer.empty()) {
            o.request.all = true;
        } else if ((a == "-o" || a == "--output") && hasValue && verb->verb == Verb::Save) {
            o.output = absolute(args[++i], currentDirectory);
        } else if (a == "--network" && verb->verb == Verb::Save) {
            o.request.withNetwork = true;
        } else if (a == "--json" && verb->takesFile) {
            o.json = true;
        } else if (a == "--yes" && verb->verb == Verb::Apply) {
            yes = true;
        } else if (a == "--dry-run" && verb->verb == Verb::Apply) {
            dryRun = true;
        } else {
            return {std::nullopt, "unexpected argument: " + a};
        }
    }
    o.request.dryRun = dryRun || !yes;
    return {o, ""};
}

}  // namespace orvan::cli
