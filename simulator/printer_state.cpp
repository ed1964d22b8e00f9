// Status, busy periods, the security lock and maintenance commands of the
// simulated printer.
#include <algorithm>
#include <fstream>

#include "simulator/sim_printer.h"

namespace orvan::sim {
namespace {

// Printer states during which the printer still takes commands.
bool idleState(int state) {
    return state == 0 || state == 7 || state == 62;
}

enum LockOperation : std::int32_t {
    kNewPassword = 0x20,
    kDeletePassword = 0x21,
    kUnlock = 0x22,
    kLock = 0x23
};

}  // namespace

bool SimPrinter::busyNow() {
    if (busyQueries_ <= 0) return false;
    --busyQueries_;
    return true;
}

UsbStatus SimPrinter::takeUsbStatus() {
    const bool busy = busyNow();
    UsbStatus s;
    s.printerResult = printerError_ < 0 ? printerError_ : 0;
    s.printerState = busy && s.printerResult == 0 ? kPrintingState : printerState_;
    if (!hasLaminator()) return s;
    if (laminatorError_ != 0) {
        s.laminatorResult = laminatorError_;
        s.laminatorState = kLaminatorErrorState;
    } else {
        s.laminatorState = laminatorState_;
    }
    return s;
}

bool SimPrinter::takeNotBusy() {
    const bool busy = busyNow();
    return !busy && idleState(printerState_);
}

ResultCode SimPrinter::securityLock(std::int32_t operation,
                                    std::span<const std::uint8_t> password) {
    if (option(46) == 0) return kOptionMissing;
    const Bytes typed(password.begin(), std::find(password.begin(), password.end(), 0));
    const bool known = hasPassword();
    switch (operation) {
        case kNewPassword:
            if (known) return kKeyAlreadySet;
            if (typed.empty()) return kInvalidParameterField;
            password_ = typed;
            return 0;
        case kDeletePassword:
            if (!known) return kKeyNotSet;
            if (typed != password_) return kKeyMismatch;
            password_.clear();
            return 0;
        case kUnlock:
            if (!known) return kKeyNotSet;
            if (typed != password_) return kKeyMismatch;
            setLocked(false);
            return 0;
        case kLock:
            if (!known) return kKeyNotSet;
            setLocked(true);
            return 0;
        default:
            return kInvalidCommandField;
    }
}

ResultCode SimPrinter::testPrint(std::int32_t selfTest, std::int32_t testCode) {
    auto answer = [&](ResultCode result) {
        lastTestPrint_ = MaintenanceAnswer{std::to_string(testCode), result};
        return result;
    };
    if (takeMaintenanceBusy()) return answer(kCommandBusy);
    if (selfTest != 1 || (testCode != 0x07 && testCode != 0x17))
        return answer(kInvalidCommandField);
    if (printerError_ < 0) return answer(printerError_);
    const std::uint32_t sides = testCode == 0x17 ? 2 : 1;
    setCounter(Counter::Print, counter(Counter::Print) + 1);
    setCounter(Counter::PrinterTotal, counter(Counter::PrinterTotal) + 1);
    setCounter(Counter::ThermalHead, counter(Counter::ThermalHead) + sides);
    return answer(0);
}

ResultCode SimPrinter::updateFirmware(const std::string& path) {
    auto answer = [&](ResultCode result) {
        lastFirmware_ = MaintenanceAnswer{path, result};
        return result;
    };
    if (takeMaintenanceBusy()) return answer(kCommandBusy);
    std::ifstream file(path, std::ios::binary);
    if (path.empty() || !file) return answer(kFileUnreadable);
    if (!downloadMode_) return answer(kNotInDownloadMode);
    if (firmware_.size() >= kMaxFirmwareHistory) firmware_.erase(firmware_.begin());
    firmware_.push_back(path);
    return answer(0);
}

bool SimPrinter::takeMaintenanceBusy() {
    if (maintenanceBusy_ <= 0) return false;
    --maintenanceBusy_;
    return true;
}

}  // namespace orvan::sim
