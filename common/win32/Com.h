#pragma once
// COM on the current thread for the length of a scope.
#include <objbase.h>

namespace qv::win32 {

// Initialises COM (single-threaded apartment) and uninitialises it at the end of the scope,
// but only when this scope's call succeeded: a thread that already has COM in another
// apartment keeps its own, and the shell objects then work or fail as they would there.
class ComScope {
  public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            ::CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    // False when COM could not be had on this thread at all.
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT result_;
};

} // namespace qv::win32
