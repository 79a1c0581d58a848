#pragma once
// Icons from the program's resources, from files and from the shell.
#include "common/win32/Owners.h"

#include <windows.h>

#include <string>

namespace qv::win32 {

// Icon resource `id` of the program, `size` pixels square; null when absent.
UniqueIcon LoadIconResource(int id, int size);

// The program's own icon (resource 1) at cx by cy, shared: a window class may keep it for the
// whole run, and nobody destroys it.
HICON LoadProgramIcon(int cx, int cy);
// The same at the system's large icon size, for a window class.
HICON ProgramClassIcon();

// The icon the shell shows for a file or folder; null when there is none.
UniqueIcon AssociatedIcon(const std::string& path);
// Icon number `index` inside a file ("shell32.dll", an .exe, an .ico); null when absent.
UniqueIcon IconFromFile(const std::string& path, int index);

} // namespace qv::win32
