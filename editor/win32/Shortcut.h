#pragma once
// Shortcut: the shell-shortcut component of the main window and the run-program dialog. Read
// fills every property from the link named by LinkName; Write creates a link from PathName,
// Discription and ShellFolder.
#include <windows.h>

#include <string>

namespace qv::win32 {

class Shortcut {
  public:
    std::string Arguments;
    std::string Discription;
    WORD HotKey = 0;
    int IconIndex = 0;
    std::string IconLocation;
    std::string LinkName;
    std::string PathName;
    int ShowCmd = 0;
    std::string WorkingDirectory;
    std::string ShellFolder;

    // A link that cannot be loaded leaves every property empty or zero.
    void Read();
    // Returns the path of the link written; throws RegistryError or ShellLinkError.
    std::string Write() const;
};

} // namespace qv::win32
