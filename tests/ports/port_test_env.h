#pragma once
// The built stand-in libraries, and a control file of this test program's
// own, so that commands a user typed for a running monitor cannot reach the
// tests (and the tests cannot disturb the monitor).
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "simulator/control_journal.h"

namespace orvan::test {

inline const std::string kCommandLibraryPath = ORVAN_BIN_DIR "/libLNKCMD.so";
inline const std::string kSettingsLibraryPath = ORVAN_BIN_DIR "/libLNKSET.so";
inline const std::string kLackingModeSelectPath =
    ORVAN_TEST_LIB_DIR "/without-mode-select/libLNKCMD.so";

// Set before the first library call of the program; each loaded library
// reads it once. The file goes when the program ends.
inline const std::string& testControlFile() {
    struct ControlFile {
        std::string path = "/tmp/orvan-sim-test-" + std::to_string(::getpid()) + ".ctl";
        ControlFile() {
            ::setenv("ORVAN_SIM_CONTROL", path.c_str(), 1);
            removeAll();
        }
        ~ControlFile() { removeAll(); }
        // The libraries' reports of their printers and the shared state go with it.
        void removeAll() const {
            for (const char* file : {"", ".usb", ".net", ".last", ".state", ".lock"})
                ::unlink((path + file).c_str());
        }
    };
    static const ControlFile file;
    return file.path;
}

// A library may stay loaded between tests: start each from the default printers.
inline void resetSimulation() {
    sim::appendControlLine(testControlFile(), "reset");
}

}  // namespace orvan::test
