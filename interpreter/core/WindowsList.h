#pragma once
// TWindowsList: the titles of the top-level windows, topmost first, with their handles. The
// interpreter looks windows up by title through it (WAIT FOR WINDOW, CLOSE, MINIMIZE,
// SENDKEYS).
#include "interpreter/core/Services.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv::interp {

class TWindowsList {
  public:
    explicit TWindowsList(WindowListPort& port) : port_(port) {}

    // Off (the interpreter's setting): windows without a title are not listed.
    bool AcceptEmptyNames = false;
    std::vector<std::string> WindowList;

    // All top-level windows, hidden ones included.
    void Refresh() { Fill(false); }
    // The visible ones only.
    void RefreshVisible() { Fill(true); }
    // The handle of entry `index`; 0 outside the list.
    std::uintptr_t Handles(std::size_t index) const;

  private:
    void Fill(bool visibleOnly);

    WindowListPort& port_;
    std::vector<std::uintptr_t> handles_;
};

} // namespace qv::interp
