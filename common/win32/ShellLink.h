#pragma once
// Shell links (.lnk) through the shell's link object: the folders of the "Shell Folders" key,
// writing a link into one of them, and reading a link back.
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace qv::win32 {

// What a link holds, in the order the reading routine asks for it.
struct ShellLinkInfo {
    std::string path;
    std::string arguments;
    std::string description;
    std::string workingDirectory;
    std::string iconLocation; // empty when the link shows its target's icon
    int iconIndex = 0;
    int showCommand = 0;
    WORD hotKey = 0;
};

// A shell folder that the registry does not name, with the message the user sees.
class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A shell call that failed while a link was written.
class ShellLinkError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* ShellFoldersKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The path of a shell folder ("Desktop", "Startup", "Programs") from the current user's
// "Shell Folders" key. Throws RegistryError when the key or the value is missing or empty.
std::string GetShellFolder(const std::string& name);

// The link file's name for a description: its last path component with the extension (from
// the last ".") replaced by ".lnk", or "lnk" appended after a final "." with no extension.
std::string LinkFileName(const std::string& description);

// Writes a link to `target` into the shell folder of `folder` ("Desktop", or "Programs\Tools"
// with a subfolder, made when missing) and returns the link file's path. Throws RegistryError
// for an unknown folder and ShellLinkError when the shell cannot write the link.
std::string CreateShellLink(const std::string& target, const std::string& description,
                            const std::string& folder);

// Reads a link; `pathFlags` is how its target path is asked for (SLGP_UNCPRIORITY gives the
// UNC form, SLGP_SHORTPATH the short one, SLGP_RAWPATH the path as stored). Nothing when the
// link cannot be loaded; a query that fails leaves its field empty or zero.
std::optional<ShellLinkInfo> ReadShellLink(const std::string& linkPath, DWORD pathFlags);

} // namespace qv::win32
