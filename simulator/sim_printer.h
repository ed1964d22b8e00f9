#pragma once
// One simulated card printer: the bytes it keeps (inquiry data, mode pages,
// counters, buffers), its status, print queue and security lock. It answers
// in the printer's own terms; the port classes put the library calls on top.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/printer_layout.h"
#include "simulator/sim_codes.h"

namespace orvan::sim {

class WorldCodec;

using Bytes = std::vector<std::uint8_t>;
using Ipv6Block = std::array<std::uint8_t, 16>;

struct Job {
    std::string owner;
    std::string document;
};

// A maintenance command as the printer received it, and its answer.
struct MaintenanceAnswer {
    std::string what;  // the test code, or the firmware file's path
    ResultCode result = 0;
};

// What the USB status command reports, laminator error as the bare byte
// with state 255.
struct UsbStatus {
    std::int32_t printerResult = 0;
    std::int32_t printerState = 0;
    std::int32_t laminatorResult = 0;
    std::int32_t laminatorState = 0;
};

inline constexpr int kLaminatorErrorState = 255;
inline constexpr int kLaminatorMissingState = 254;
inline constexpr int kPrintingState = 50;

// Inquiry offsets of the version texts (8 bytes each).
inline constexpr int kPrinterVersionAt = 32;
inline constexpr int kLaminatorVersionAt = 50;
inline constexpr int kConfigVersionAt = 71;
inline constexpr int kTableVersionAt = 79;

// Page bytes of print condition 0x28 that hold status values.
inline constexpr int kFilmLevelByte = 47;
inline constexpr int kInkLevelByte = 48;
inline constexpr int kCardCodeByte = 49;
inline constexpr int kLockStateByte = 55;

class SimPrinter {
  public:
    // Every option fitted, a laminator, plausible settings.
    SimPrinter();

    // ---- identity -----------------------------------------------------
    std::span<const std::uint8_t> inquiry() const { return inquiry_; }
    std::uint8_t option(int offset) const;  // 40..47
    void setOption(int offset, std::uint8_t value);
    std::string inquiryText(int offset) const;
    void setInquiryText(int offset, std::string_view text);
    bool hasLaminator() const { return option(47) != 0; }

    // ---- mode pages (page byte 0 the code, byte 1 the length) ----------
    std::span<const std::uint8_t> page(int code) const;  // empty if unknown
    std::uint8_t pageByte(int code, int offset) const;   // 0 outside the page
    void setPageByte(int code, int offset, std::uint8_t value);
    std::string pageText(int code, int offset, int length) const;
    void setPageText(int code, int offset, int length, std::string_view text);
    // Sense reply: 4-byte header, then the page. reply is the caller's buffer.
    ResultCode modeSense(int code, std::span<std::uint8_t> reply) const;
    // request holds at least the page's select size; 0xFF means unchanged.
    ResultCode modeSelect(int code, std::span<const std::uint8_t> request);
    // The last request taken for the page, as received; nullptr if none.
    const Bytes* lastSelect(int code) const;

    void setFilm(int level) { setPageByte(0x28, kFilmLevelByte, clampByte(level)); }
    void setInk(int level) { setPageByte(0x28, kInkLevelByte, clampByte(level)); }
    void setCardCode(int code) { setPageByte(0x28, kCardCodeByte, clampByte(code)); }
    bool locked() const { return pageByte(0x28, kLockStateByte) != 0; }
    void setLocked(bool on) { setPageByte(0x28, kLockStateByte, on ? 1 : 0); }

    // ---- counters and log pages ----------------------------------------
    std::uint32_t counter(Counter c) const { return counters_[static_cast<int>(c)]; }
    void setCounter(Counter c, std::uint32_t value) { counters_[static_cast<int>(c)] = value; }
    ResultCode logSense(int code, std::span<std::uint8_t> reply) const;
    ResultCode logSelect(int mode);  // 0 clears the print and error counters

    // ---- printer buffers -----------------------------------------------
    ResultCode readBuffer(int id, std::int32_t offset, std::span<std::uint8_t> out) const;
    ResultCode writeBuffer(int id, std::int32_t offset, std::span<const std::uint8_t> data);
    const Bytes* lastBufferWrite(int id) const;
    std::uint8_t ipsecMethod() const { return stored_.at(kIpsecModeBuffer)[0]; }
    void setIpsecMethod(std::uint8_t method);  // 0 off, 1 preshared key, 2 certificate
    std::span<const std::uint8_t> ipsecModeBuffer() const { return stored_.at(kIpsecModeBuffer); }
    // The clock record last set (buffer 0xA1 or setting value 10); 0s before.
    std::span<const std::uint8_t> clock() const { return stored_.at(kClockBuffer); }
    std::span<const std::uint8_t> mac() const { return stored_.at(kMacBuffer); }
    void setMac(std::span<const std::uint8_t, 6> mac);

    // ---- status ----------------------------------------------------------
    ResultCode printerError() const { return printerError_; }
    void setPrinterError(ResultCode code) { printerError_ = code; }
    int printerState() const { return printerState_; }
    void setPrinterState(int state) { printerState_ = clampByte(state); }
    std::uint8_t laminatorError() const { return laminatorError_; }
    void setLaminatorError(int error) { laminatorError_ = clampByte(error); }
    int laminatorState() const { return laminatorState_; }
    void setLaminatorState(int state) { laminatorState_ = clampByte(state); }
    // The next `queries` status and position queries find the printer printing.
    void setBusyFor(int queries) { busyQueries_ = queries < 0 ? 0 : queries; }
    int busyQueriesLeft() const { return busyQueries_; }
    // Each uses up one query of a busy period.
    UsbStatus takeUsbStatus();
    bool takeNotBusy();

    // ---- print queue, lock, maintenance ----------------------------------
    // A queue longer than a printer would hold takes no more jobs.
    static constexpr std::size_t kMaxJobs = 1000;
    const std::vector<Job>& jobs() const { return jobs_; }
    void addJob(Job job) {
        if (jobs_.size() < kMaxJobs) jobs_.push_back(std::move(job));
    }
    void clearJobs() { jobs_.clear(); }
    // operation 0x20 new password, 0x21 delete, 0x22 unlock, 0x23 lock.
    ResultCode securityLock(std::int32_t operation, std::span<const std::uint8_t> password);
    bool hasPassword() const { return !password_.empty(); }
    // Sets the password the lock unit keeps (empty: none), as if set on the panel.
    void setPassword(std::string_view text) { password_.assign(text.begin(), text.end()); }
    // Both answer busy while busy answers are scripted. A firmware file is
    // taken only in the download mode; outside it the printer asks for it.
    ResultCode testPrint(std::int32_t selfTest, std::int32_t testCode);
    ResultCode updateFirmware(const std::string& path);
    // The downloads kept: the latest ones.
    static constexpr std::size_t kMaxFirmwareHistory = 64;
    const std::vector<std::string>& firmwareDownloads() const { return firmware_; }
    bool downloadMode() const { return downloadMode_; }
    void setDownloadMode(bool on) { downloadMode_ = on; }
    // The next `commands` test prints or firmware downloads answer busy.
    void setMaintenanceBusyFor(int commands) { maintenanceBusy_ = commands < 0 ? 0 : commands; }
    const std::optional<MaintenanceAnswer>& lastTestPrint() const { return lastTestPrint_; }
    const std::optional<MaintenanceAnswer>& lastFirmware() const { return lastFirmware_; }

    // ---- printing ------------------------------------------------------
    // Prints `cards` cards at once, one side each: the print, total and head
    // counters rise, and the ink and film levels fall by what each card uses
    // of the loaded ribbon (printCardsPerLevel). False for a count out of range.
    static constexpr int kMaxCardsAtOnce = 100000;
    bool printCards(int cards);

    // ---- network identity ----------------------------------------------
    std::array<std::uint8_t, 4> ipv4() const;
    std::string name() const { return pageText(0x2D, 17, 10); }
    const std::array<Ipv6Block, 3>& effectiveIPv6() const { return effective_; }
    void setEffectiveIPv6(int index, const Ipv6Block& address);

  private:
    friend class WorldCodec;

    static std::uint8_t clampByte(int v) {
        return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    }
    bool busyNow();
    bool takeMaintenanceBusy();
    Bytes jobListBuffer() const;

    std::array<std::uint8_t, kInquirySize> inquiry_{};
    std::map<int, Bytes> pages_;
    std::map<int, Bytes> lastSelect_;
    std::array<std::uint32_t, kCounterCount> counters_{};
    std::map<int, Bytes> stored_;     // readable buffers other than the job list
    std::map<int, Bytes> lastWrite_;  // every buffer write, as received
    ResultCode printerError_ = 0;
    int printerState_ = 0;
    std::uint8_t laminatorError_ = 0;
    int laminatorState_ = 0;
    int busyQueries_ = 0;
    std::vector<Job> jobs_;
    Bytes password_;
    std::vector<std::string> firmware_;
    bool downloadMode_ = false;
    int maintenanceBusy_ = 0;
    std::optional<MaintenanceAnswer> lastTestPrint_, lastFirmware_;
    std::array<Ipv6Block, 3> effective_{};
    // Cards printed since the ink and film levels last fell a step.
    std::uint32_t inkWear_ = 0;
    std::uint32_t filmWear_ = 0;
};

// Cards that use up one step of the ink level (0..50) of a ribbon, and of the
// film level (0..10).
struct CardsPerLevel {
    std::uint32_t ink;
    std::uint32_t film;
};
CardsPerLevel printCardsPerLevel(std::uint8_t ribbonCode);

}  // namespace orvan::sim
