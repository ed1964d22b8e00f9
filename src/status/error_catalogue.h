#pragma once
// What a result code means: its severity and the message the user sees.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "link/result_code.h"

namespace orvan::status {

using link::ResultCode;
using link::Severity;

struct CatalogueEntry {
    ResultCode code;
    Severity severity;
    std::string message;
};

// Shown for a code that is not an error at all: the printer accepted nothing
// because it was busy printing.
inline constexpr const char* kNotAcceptedMessage =
    "Printer is on Printing. Command could not be accepted.";

// Read-only after construction. Lookups scan from the first row; the first
// matching row wins.
class ErrorCatalogue {
  public:
    explicit ErrorCatalogue(std::vector<CatalogueEntry> entries);

    const std::vector<CatalogueEntry>& entries() const& { return entries_; }
    // A catalogue about to vanish hands its rows over instead of a reference
    // that would dangle (for (auto& e : BuildErrorCatalogue().entries())).
    std::vector<CatalogueEntry> entries() && { return std::move(entries_); }

    // None for a non-negative or unknown code. Code -1 is not replaced here,
    // so it is None as well.
    Severity ClassifyCode(ResultCode code) const;

    // The user's message for a code; empty when none applies. The network
    // library's -1 ("error in the reply") is first turned into the code its
    // status word carries.
    std::string DescribeCode(ResultCode code, std::int32_t networkStatusWord) const;

  private:
    const CatalogueEntry* find(ResultCode code) const;

    std::vector<CatalogueEntry> entries_;
};

// The catalogue of every code the printers, the port service and the port
// libraries report.
ErrorCatalogue BuildErrorCatalogue();

// One catalogue for the whole program, built on first use.
const ErrorCatalogue& SharedCatalogue();

// The code that -1 stands for, given the status word of the reply.
ResultCode ResolveReplyError(std::int32_t networkStatusWord);

// -code as an unsigned number; safe for the most negative code.
std::uint32_t Magnitude(ResultCode code);

// Codes that mean the printer is gone: the port service lost it (SRB and HA
// families) or the port library no longer finds it.
bool IsConnectionLoss(ResultCode code);

}  // namespace orvan::status
