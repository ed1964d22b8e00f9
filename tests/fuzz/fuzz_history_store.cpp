// Feeds arbitrary bytes to the history as its database file: opening it read
// only and for writing, every query, a write and the retention must either
// work or fail with a reason, never crash or run away.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_scratch_dir.h"
#include "history/history_queries.h"
#include "history/history_store.h"

namespace {

using namespace orvan::history;

void queryAll(Store& store, const std::string& filter) {
    const Span year{0, 400LL * 86400};
    for (const auto& p : Printers(store)) {
        Events(store, {p.key, year, {}, filter, 1000});
        Levels(store, p.key, year, 1000);
        CardsPerDay(store, p.key, year);
        Audit(store, p.key, year, 1000);
        ForecastFor(store, p.key, 30 * 86400);
    }
    Events(store, {"", year, {EventKind::PrinterResult}, filter, 1000});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzScratchDir scratch;
    const std::string path = (scratch.path / "history.sqlite3").string();
    for (const char* stale : {"", "-wal", "-shm"}) std::filesystem::remove(path + stale);
    // The first bytes are the filter a user might type; the rest is the file.
    const std::size_t cut = size > 0 ? std::min<std::size_t>(data[0], size - 1) + 1 : 0;
    const std::string filter(reinterpret_cast<const char*>(data) + (cut > 0 ? 1 : 0),
                             cut > 0 ? cut - 1 : 0);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data) + cut, static_cast<std::streamsize>(size - cut));
    std::string why;
    if (auto store = Store::open(path, why, true)) queryAll(*store, filter);
    if (auto store = Store::open(path, why)) {
        Batch b;
        b.printer = {"usb:0:0", filter};
        b.events.push_back({86400, EventKind::PrinterState, 0, filter, {}});
        b.levels = LevelSample{86400, 50, 50};
        store->write(b);
        store->applyRetention(30 * 86400, {10, 64 * 1024});
        queryAll(*store, filter);
    }
    return 0;
}
