#pragma once
// One shared library opened at run time, and the lookup of its entry points.
// The library is opened once; a failure is kept and thrown again on every
// later call, so that a missing library never half-works.
#include <optional>
#include <string>

namespace orvan::link {

class PortLibraryHandle {
  public:
    explicit PortLibraryHandle(std::string path) : path_(std::move(path)) {}
    ~PortLibraryHandle();
    PortLibraryHandle(const PortLibraryHandle&) = delete;
    PortLibraryHandle& operator=(const PortLibraryHandle&) = delete;

    // Throws PortLibraryMissing when the file is missing or cannot be loaded.
    void open();

    // Looks an entry point up; a missing one closes the library and throws
    // PortLibraryMissing.
    template <class Fn>
    void resolve(Fn& fn, const char* name) {
        fn = reinterpret_cast<Fn>(address(name));
    }

  private:
    void* address(const char* name);
    [[noreturn]] void fail(const std::string& why);

    std::string path_;
    void* handle_ = nullptr;
    std::optional<std::string> failure_;
};

}  // namespace orvan::link
