#pragma once
// The program's own pictures at a given DPI, and the icons commands show from files.
#include "common/win32/Owners.h"

#include <windows.h>

#include <array>
#include <string>

namespace qv::win32 {

// The pictures drawn for the program, loaded at the size that suits one DPI.
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

// The program's icon at the system's large and small icon sizes, for window classes.
HICON LoadProgramIcon(int cx, int cy);

// The icon the shell shows for a file or folder; null when there is none.
UniqueIcon AssociatedIcon(const std::string& path);
// Icon number `index` inside a file ("shell32.dll", an .exe, an .ico); null when absent.
UniqueIcon IconFromFile(const std::string& path, int index);

} // namespace qv::win32
