#pragma once
// A made-up past for printers that never lived: working days of print jobs,
// ink and film running down and being replaced, now and then an error, a
// lost printer, a write of settings. It goes through the recorder, so what
// is stored is what watching such printers would have stored. For the
// benchmarks and the screenshots; deterministic for a seed.
#include <cstdint>

#include "history/history_store.h"
#include "status/error_catalogue.h"

namespace orvan::history {

struct GeneratorPlan {
    int printers = 10;
    int days = 365;
    std::int64_t end = 0;  // seconds since 1970 the history ends at
    unsigned seed = 1;
};

struct GeneratorTotals {
    std::int64_t observations = 0, batches = 0;
};

// Fills store; false (with store.error()) when a write failed.
bool GenerateHistory(Store& store, const status::ErrorCatalogue& catalogue,
                     const GeneratorPlan& plan, GeneratorTotals* totals = nullptr);

}  // namespace orvan::history
