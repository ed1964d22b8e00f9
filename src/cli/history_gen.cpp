// orvan-history-gen: fills a history store with a made-up past of printers
// (for the benchmarks and the screenshots).
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "history/history_generator.h"

namespace {

constexpr const char* kUsage =
    "usage: orvan-history-gen FILE [PRINTERS [DAYS [SEED]]]\n"
    "Fills the history store FILE with DAYS (1..800, default 365) of generated history\n"
    "for PRINTERS (1..100, default 10) printers, ending now.\n";

// A whole number in [low, high], or nothing.
bool number(const std::string& text, long low, long high, long& out) {
    char* end = nullptr;
    out = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && text.size() < 12 && *end == '\0' && out >= low && out <= high;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    long printers = 10, days = 365, seed = 1;
    if (args.empty() || args.size() > 4 || args[0] == "--help" ||
        (args.size() > 1 && !number(args[1], 1, 100, printers)) ||
        (args.size() > 2 && !number(args[2], 1, 800, days)) ||
        (args.size() > 3 && !number(args[3], 0, 1L << 30, seed))) {
        std::cerr << kUsage;
        return args.size() == 1 && args[0] == "--help" ? 0 : 2;
    }
    std::string why;
    auto store = orvan::history::Store::open(args[0], why);
    if (!store) {
        std::cerr << args[0] << ": " << why << '\n';
        return 1;
    }
    orvan::history::GeneratorPlan plan{static_cast<int>(printers), static_cast<int>(days),
                                       static_cast<std::int64_t>(std::time(nullptr)),
                                       static_cast<unsigned>(seed)};
    if (!orvan::history::GenerateHistory(*store, orvan::status::SharedCatalogue(), plan)) {
        std::cerr << args[0] << ": " << store->error() << '\n';
        return 1;
    }
    std::cout << args[0] << ": " << store->usedBytes() / 1024 << " KiB\n";
    return 0;
}
