#pragma once
// The IPsec dialog over a started monitor on the simulated printers, with
// the common library's conversions in-process, the certificate files beside
// the program, a fixed workstation clock, and buffers whose writes or reads
// a test makes fail.
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "network/ipsec_dialog.h"
#include "network/select_rig.h"
#include "ports/certificates/certificate_conversions.h"
#include "support/certificate_files.h"

namespace orvan::testing {

using Bytes = std::vector<std::uint8_t>;

struct InProcessCommonLibrary : link::CommonLibrary {
    std::int32_t KQIKE_Pkcs12(const std::uint8_t* fileData, std::int32_t fileLength,
                              const std::uint8_t* password, std::int32_t passwordLength,
                              std::uint8_t* publicOut, std::int32_t* publicLength,
                              std::uint8_t* privateOut, std::int32_t* privateLength) override {
        return ports::ConvertPkcs12(fileData, fileLength, password, passwordLength, publicOut,
                                    publicLength, privateOut, privateLength);
    }
    std::int32_t KQIKE_DerToPem(const std::uint8_t* fileData, std::int32_t fileLength,
                                std::uint8_t* pemOut, std::int32_t* pemLength) override {
        return ports::ConvertDerToPem(fileData, fileLength, pemOut, pemLength);
    }
};

// The simulated printers' command library; a write or read of a listed
// buffer answers its code and reaches no printer.
struct BufferFaults : sim::SimCommandPort {
    using SimCommandPort::SimCommandPort;
    std::map<int, link::ResultCode> failingWrites, failingReads;

    std::int32_t KQCMD_WriteBuffer(std::int32_t slot, std::int32_t scsiId, std::int32_t mode,
                                   std::int32_t bufferId, const std::uint8_t* data,
                                   std::int32_t offset, std::int32_t length) override {
        if (auto it = failingWrites.find(bufferId); it != failingWrites.end()) return it->second;
        return SimCommandPort::KQCMD_WriteBuffer(slot, scsiId, mode, bufferId, data, offset,
                                                 length);
    }
    std::int32_t KQCMD_ReadBuffer(std::int32_t slot, std::int32_t scsiId, std::int32_t mode,
                                  std::int32_t bufferId, std::uint8_t* data, std::int32_t offset,
                                  std::int32_t length) override {
        if (auto it = failingReads.find(bufferId); it != failingReads.end()) return it->second;
        return SimCommandPort::KQCMD_ReadBuffer(slot, scsiId, mode, bufferId, data, offset, length);
    }
};

struct IpsecRig : SelectRig {
    InProcessCommonLibrary library;
    BufferFaults faults{world};
    const CertificateFiles& certificates = CertificateFiles::get();
    std::tm clock{};

    IpsecRig() : SelectRig(Deferred{}) {
        commandsInUse = &faults;
        common = &library;
        rebuild();
        begin();
        clock.tm_year = 125, clock.tm_mon = 2, clock.tm_mday = 14;
        clock.tm_hour = 9, clock.tm_min = 26, clock.tm_sec = 53;
        tab().readClockWith([this] { return clock; });
        for (const std::string& name : CertificateFiles::pkcs12Files())
            ScratchDir::write(beside(name), text(certificates.bytes(name)));
        ScratchDir::write(beside("ca.cer"), text(certificates.bytes("ca.cer")));
    }
    ~IpsecRig() { monitor.reset(); }  // before the parts it was built with

    network::IpsecForm& dialog() { return monitor->screens().ipsec; }
    network::CertificateFileForm& chooser() { return dialog().chooser; }
    std::string beside(const std::string& name) const { return dir.file(name); }
    static std::string text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

    // Opens the dialog with "Details ..." and runs the gestures one at a
    // time while the dialogs wait; then closes what is still open, the
    // innermost window first, as the user would.
    void withDialog(std::vector<std::function<void()>> steps) {
        main().Timer1.setEnabled(false);  // the waits then idle between gestures
        std::size_t next = 0;
        loop.onIdle = [&] {
            if (next < steps.size()) {
                steps[next++]();
                return;
            }
            for (ui::Form* form : {&dialog().prompt.form, &chooser().form, &dialog().form}) {
                if (form->visible()) {
                    form->requestClose();
                    return;
                }
            }
        };
        tab().Command7_2.click();
        loop.onIdle = nullptr;
    }

    // Gestures.
    std::function<void()> selectType(network::DownloadType type) {
        return [this, type] {
            dialog().Combo1.setListIndex(static_cast<int>(type));
            dialog().Command1.click();
        };
    }
    std::function<void()> write(const std::string& path) {
        return [this, path] {
            chooser().Text5.setText(path);
            chooser().Cmd5[network::kWriteButton].click();
        };
    }
    std::function<void()> typePassword(const std::string& password) {
        return [this, password] {
            dialog().prompt.Text1.setText(password);
            dialog().prompt.Command1.click();
        };
    }

    // The buffer commands the printer took, in order: "W81" a write of
    // buffer 0x81, "RA0" a read of 0xA0.
    std::vector<std::string> bufferCommands() const {
        std::vector<std::string> out;
        for (const auto& call : world.calls()) {
            const bool write = call.operation == "KQCMD_WriteBuffer";
            if (!write && call.operation != "KQCMD_ReadBuffer") continue;
            char name[8];
            std::snprintf(name, sizeof name, "%c%02X", write ? 'W' : 'R',
                          static_cast<unsigned>(call.args[3]));
            out.push_back(name);
        }
        return out;
    }
    Bytes written(int buffer) {
        const Bytes* bytes = world.usb(0).lastBufferWrite(buffer);
        return bytes ? *bytes : Bytes{};
    }
};

// A converted output as it travels: its length, high byte first, then itself.
inline Bytes framed(const Bytes& output) {
    Bytes out = {static_cast<std::uint8_t>(output.size() >> 8),
                 static_cast<std::uint8_t>(output.size() & 0xFF)};
    out.insert(out.end(), output.begin(), output.end());
    return out;
}

}  // namespace orvan::testing
