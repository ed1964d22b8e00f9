#include "link/library_handle.h"

#include <dlfcn.h>

#include "link/port_libraries.h"

namespace orvan::link {

PortLibraryHandle::~PortLibraryHandle() {
    if (handle_ != nullptr) ::dlclose(handle_);
}

void PortLibraryHandle::open() {
    if (handle_ != nullptr) return;
    if (failure_) throw PortLibraryMissing(*failure_);
    if (path_.empty()) fail("library not found");
    handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* why = ::dlerror();
        fail(why != nullptr ? why : path_ + ": cannot be loaded");
    }
}

void* PortLibraryHandle::address(const char* name) {
    ::dlerror();
    void* found = ::dlsym(handle_, name);
    if (found == nullptr) {
        ::dlclose(handle_);
        handle_ = nullptr;
        fail(path_ + ": entry point " + name + " is missing");
    }
    return found;
}

void PortLibraryHandle::fail(const std::string& why) {
    failure_ = why;
    throw PortLibraryMissing(why);
}

}  // namespace orvan::link
