#include "link/status_query.h"

#include <algorithm>
#include <array>

#include "link/link_guard.h"
#include "link/reply_walk.h"

namespace orvan::link {

namespace {

constexpr std::int32_t kReplyTimeoutMs = 300;
constexpr int kStatusAttempts = 3;
constexpr std::uint8_t kErrorFlag = 255;  // status byte: an error code follows

// How a status item carries its device's condition: state in data byte 1, or
// 255 there and the error bytes from data byte 2 on, composed into a family.
struct StatusItemRule {
    std::uint8_t id;
    ResultCode DeviceStatus::*result;
    std::int32_t DeviceStatus::*state;
    std::size_t errorBytes;
    std::int32_t family;
};

constexpr std::array kStatusItemRules{
    StatusItemRule{kPrinterStatusItem, &DeviceStatus::printerResult, &DeviceStatus::printerState, 3,
                   0x01000000},
    StatusItemRule{kLaminatorStatusItem, &DeviceStatus::laminatorResult,
                   &DeviceStatus::laminatorState, 1, 0x05000000},
};

constexpr std::size_t kItemStateByte = 3;  // id, length, data byte 0, data byte 1

void applyStatusItem(const StatusItemRule& rule, std::span<const std::uint8_t> item,
                     DeviceStatus& status) {
    if (item.size() <= kItemStateByte) return;
    const std::uint8_t stateByte = item[kItemStateByte];
    if (stateByte != kErrorFlag) {
        status.*rule.result = 0;
        status.*rule.state = stateByte;
        return;
    }
    if (item.size() < kItemStateByte + 1 + rule.errorBytes) return;
    std::int32_t code = 0;
    for (std::size_t i = 0; i < rule.errorBytes; ++i)
        code = code << 8 | item[kItemStateByte + 1 + i];
    status.*rule.result = -(rule.family + code);
    status.*rule.state = 0;
}

constexpr std::array<std::int32_t, 6> kUnreachableSocketErrors{10049, 10050, 10051,
                                                               10060, 10064, 10065};

// TestUnitReady codes after which the USB printer is gone.
bool usbPrinterGone(ResultCode r) {
    if (r == kPortGone || r == kNoMorePrinters) return true;
    const auto magnitude = static_cast<std::uint32_t>(-static_cast<std::int64_t>(r));
    const std::uint32_t family = magnitude >> 16;
    return family == 0x0201 || family == 0x0202;
}

}  // namespace

void convertLaminatorStatus(DeviceStatus& status) {
    if (status.laminatorState != kErrorFlag) return;
    // The byte comes from the library as a full integer; a wild value must
    // wrap, not overflow.
    const std::uint32_t magnitude =
        0x05000000u + static_cast<std::uint32_t>(status.laminatorResult);
    status.laminatorResult = static_cast<ResultCode>(0u - magnitude);
    status.laminatorState = 0;
}

void walkStatusItems(std::span<const std::uint8_t> reply, DeviceStatus& status) {
    walkReplyItems(reply, [&status](std::uint8_t id, std::span<const std::uint8_t> item) {
        for (const auto& rule : kStatusItemRules)
            if (rule.id == id) applyStatusItem(rule, item, status);
    });
}

bool isUnreachableSocketError(std::int32_t socketError) {
    return std::find(kUnreachableSocketErrors.begin(), kUnreachableSocketErrors.end(),
                     socketError) != kUnreachableSocketErrors.end();
}

void StatusQuery::query(ResultCode& printerResult, std::int32_t& printerState) {
    LinkState& st = channel_.state();
    if (st.ended) {  // nothing more is asked: the status stays as it was
        printerResult = st.status.printerResult;
        printerState = st.status.printerState;
        return;
    }
    if (st.printerCount == 0) {
        printerResult = kNoMorePrinters;
        printerState = 0;
        return;
    }
    try {
        if (st.selected.connection == Connection::Usb)
            queryUsb();
        else if (st.selected.connection == Connection::Network)
            queryNetwork();
    } catch (...) {
        // A library that cannot be called is as good as no printer.
        losePrinter();
        st.status.printerResult = kNoMorePrinters;
        st.status.printerState = 0;
    }
    printerResult = st.status.printerResult;
    printerState = st.status.printerState;
}

void StatusQuery::queryUsb() {
    LinkState& st = channel_.state();
    CommandLibrary& lib = channel_.commands();
    const std::int32_t slot = st.selected.slot, scsiId = st.selected.scsiId;

    const ResultCode ready = lib.KQCMD_TestUnitReady(slot, scsiId);
    st.status.printerResult = ready;
    if (usbPrinterGone(ready)) {
        losePrinter();
        return;
    }
    // A zero answer means "ask again"; the values are only taken from a
    // nonzero one, so three zeros keep the previous status.
    for (int n = 1; n <= kStatusAttempts; ++n) {
        DeviceStatus got{};
        if (lib.KQCMD_GetPrinterStatus(slot, scsiId, &got.printerResult, &got.printerState,
                                       &got.laminatorResult, &got.laminatorState) != 0) {
            convertLaminatorStatus(got);
            st.status = got;
            return;
        }
        if (n == kStatusAttempts) break;
        {
            WaitingForEvents waiting(st);
            channel_.loop().processEvents();
        }
        if (st.ended) return;
    }
}

void StatusQuery::queryNetwork() {
    LinkState& st = channel_.state();
    DeviceStatus fresh = askNetworkPrinter();
    if (fresh.printerResult == kNetworkSocketError &&
        isUnreachableSocketError(fresh.printerState)) {
        fresh.printerResult = kNoMorePrinters;
        losePrinter();
    }
    hideShortFailures(fresh);
    st.status = fresh;
}

DeviceStatus StatusQuery::askNetworkPrinter() {
    LinkState& st = channel_.state();
    SettingsLibrary& lib = channel_.settings();
    DeviceStatus fresh{};
    std::int32_t connection = 0;
    const ResultCode connected = lib.P_Connect(
        &connection, 1, &st.statusWord, st.preferIPv6 ? 1 : 0, st.selected.address.data(), 0, 0);
    if (connected < 0) {
        // No session to close; report it like a failed send.
        fresh.printerResult = connected;
        fresh.printerState = st.statusWord;
        return fresh;
    }
    LNK_CLOSE_RECORD closeRecord{};
    try {
        exchange(connection, fresh);
    } catch (...) {
        try {
            lib.P_Close(connection, &closeRecord);
        } catch (...) {
        }
        throw;
    }
    lib.P_Close(connection, &closeRecord);
    return fresh;
}

void StatusQuery::exchange(std::int32_t connection, DeviceStatus& fresh) {
    LinkState& st = channel_.state();
    SettingsLibrary& lib = channel_.settings();
    lib.U_Set1stPrinterInfo(kPrinterStatusItem, 0);
    lib.U_SetNextPrinterInfo(kLaminatorStatusItem, 0);
    const ResultCode sent =
        lib.P_FlushStatusReq(connection, &st.statusWord, advanceSequence(st), 0, 0);
    if (sent < 0) {
        fresh.printerResult = sent;
        fresh.printerState = st.statusWord;  // the socket error
        return;
    }
    std::array<std::uint8_t, LNK_REPLY_BUFFER_SIZE> reply{};
    std::int32_t length = static_cast<std::int32_t>(reply.size());
    LNK_REPLY_HEADER header{};
    const ResultCode answered = lib.P_CheckReply(connection, &st.statusWord, &st.sequence, &header,
                                                 reply.data(), &length, kReplyTimeoutMs);
    if (answered != 0) {
        fresh.printerResult = answered;
        return;
    }
    if (st.sequence != st.expectedSequence) {
        fresh.printerResult = kSequenceMismatch;
        return;
    }
    const auto received = static_cast<std::size_t>(
        std::clamp<std::int32_t>(length, 0, static_cast<std::int32_t>(reply.size())));
    walkStatusItems(std::span<const std::uint8_t>(reply).first(received), fresh);
}

// Short network failures come and go; hide up to five in a row behind the
// previous status before giving the printer up.
void StatusQuery::hideShortFailures(DeviceStatus& fresh) {
    LinkState& st = channel_.state();
    if (fresh.printerResult < -16 || fresh.printerResult > -1) {
        st.networkFailures = 0;
        return;
    }
    if (++st.networkFailures > kHiddenNetworkFailures) {
        fresh.printerResult = kNoMorePrinters;
        losePrinter();
        return;
    }
    fresh.printerResult = st.status.printerResult;
    fresh.printerState = st.status.printerState;
}

// The count of hidden failures starts afresh, so the rediscovered printer gets
// its own five before it is dropped again.
void StatusQuery::losePrinter() {
    channel_.state().printerCount = 0;
    channel_.state().networkFailures = 0;
}

}  // namespace orvan::link
