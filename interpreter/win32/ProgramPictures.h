#pragma once
// The pictures drawn for the interpreter, loaded at the size that suits one DPI.
#include "common/win32/Owners.h"

#include <windows.h>

#include <array>

namespace qv::win32 {

class ProgramPictures {
  public:
    static constexpr int ClockFrames = 9;

    void Load(int dpi);
    int Size() const { return size_; }
    HICON Program() const { return program_.Get(); }
    // Frame 0 to 8; other numbers are clamped.
    HICON Clock(int frame) const;
    // The network pictures: 0 the printer, 2 the drive.
    HICON Network(int index) const;

  private:
    int size_ = 32;
    UniqueIcon program_;
    std::array<UniqueIcon, ClockFrames> clock_;
    UniqueIcon printer_;
    UniqueIcon drive_;
};

} // namespace qv::win32
