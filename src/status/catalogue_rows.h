#pragma once
// The catalogue's rows as constant data; BuildErrorCatalogue turns them into
// entries.
#include <cstdint>
#include <span>

#include "link/result_code.h"

namespace orvan::status {

struct CatalogueRow {
    std::uint32_t shown;  // the 8-digit number the user sees; the code is its negative
    link::Severity severity;
    const char* message;
};

std::span<const CatalogueRow> CatalogueRows();

}  // namespace orvan::status
