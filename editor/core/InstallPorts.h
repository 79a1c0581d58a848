#pragma once
// The ports through which the installation, the import wizard, restore, the options dialog and
// the uninstaller reach the machine: the registry, files and folders, a few names of the system,
// and the shell. The Win32 side implements them; the tests record what they are asked to do.
#include "editor/core/DocumentPorts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// The programs are 64-bit: Native is the 64-bit view of the machine's keys, Wow32 the view that
// 32-bit programs see (under WOW6432Node). Keys that are not redirected read the same in both.
enum class RegistryView { Native, Wow32 };

struct RegistryKey {
    RegistryRoot root = RegistryRoot::LocalMachine;
    std::string path; // without a leading or trailing "\"
    RegistryView view = RegistryView::Native;

    friend bool operator==(const RegistryKey&, const RegistryKey&) = default;
};

// A string value: plain text, or text whose %VARIABLES% the system expands when it reads it.
struct RegistryText {
    std::string text;
    bool expandable = false;

    friend bool operator==(const RegistryText&, const RegistryText&) = default;
};

// Registry writes fail like file writes: with the system's message.
using RegistryResult = FileResult;

class RegistryPort {
  public:
    virtual ~RegistryPort() = default;
    // A string value; nothing when the key or value is missing, unreadable or not a string. The
    // name "" is the key's default value.
    virtual std::optional<RegistryText> ReadText(const RegistryKey& key,
                                                 const std::string& name) = 0;
    // A 32-bit integer value; nothing when missing, unreadable or of another type.
    virtual std::optional<std::uint32_t> ReadInteger(const RegistryKey& key,
                                                     const std::string& name) = 0;
    // The names of the key's values ("" for a default value that is set); empty when the key is
    // missing or unreadable.
    virtual std::vector<std::string> ValueNames(const RegistryKey& key) = 0;
    // The names of the key's subkeys; empty when the key is missing or unreadable.
    virtual std::vector<std::string> SubKeyNames(const RegistryKey& key) = 0;
    // Writes create the key when it is missing.
    virtual RegistryResult WriteText(const RegistryKey& key, const std::string& name,
                                     const RegistryText& value) = 0;
    virtual RegistryResult WriteInteger(const RegistryKey& key, const std::string& name,
                                        std::uint32_t value) = 0;
    // Deleting what is not there succeeds.
    virtual RegistryResult DeleteValue(const RegistryKey& key, const std::string& name) = 0;
    // The key with all its subkeys and values.
    virtual RegistryResult DeleteTree(const RegistryKey& key) = 0;
    // The key only when it holds neither values nor subkeys; otherwise it is left and that
    // succeeds too.
    virtual RegistryResult DeleteKeyIfEmpty(const RegistryKey& key) = 0;
};

// Files and folders beyond what the script document needs. Paths are full Windows paths.
class InstallFiles : public DocumentFiles {
  public:
    // The names of the ordinary files of a folder (no hidden or system files, no folders), in the
    // order the file system gives them; empty when the folder is missing or unreadable.
    virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;
    // Creates a folder (and its parents); one that exists already succeeds.
    virtual FileResult CreateFolder(const std::string& path) = 0;
    // Copies a file, replacing a file of the target's name.
    virtual FileResult CopyFile(const std::string& source, const std::string& target) = 0;
    // Moves a file; fails when the target exists.
    virtual FileResult MoveFile(const std::string& source, const std::string& target) = 0;
    // Removes a folder with everything in it.
    virtual FileResult RemoveTree(const std::string& path) = 0;
    // Removes a folder only when it is empty; a folder that still holds something, or that is
    // not there, is left and that succeeds.
    virtual FileResult RemoveFolderIfEmpty(const std::string& path) = 0;
    // Arranges for a file that cannot go now (the running program itself) to be removed once
    // its program has ended.
    virtual FileResult RemoveAfterExit(const std::string& path) = 0;
};

class InstallSystem {
  public:
    virtual ~InstallSystem() = default;
    // The running program's full path, and its folder ending in "\".
    virtual std::string ProgramPath() = 0;
    virtual std::string ProgramFolder() = 0;
    // The Windows folder, without a trailing "\".
    virtual std::string WindowsFolder() = 0;
    // The system's short (8.3) form of an existing path; nothing when it cannot be had. Where
    // short names are disabled the system returns the long path unchanged.
    virtual std::optional<std::string> ShortPath(const std::string& path) = 0;
    // The text with its %VARIABLES% replaced as the system does for expandable values.
    virtual std::string ExpandEnvironment(const std::string& text) = 0;
};

class ShellPort {
  public:
    virtual ~ShellPort() = default;
    // Writes a shortcut to `target` with the description `description` in the shell folder
    // `folderSpec` ("Programs\Quorvel": a shell folder name, then a subfolder that is created
    // when missing).
    virtual FileResult CreateShortcut(const std::string& folderSpec, const std::string& description,
                                      const std::string& target) = 0;
    // Tells the shell that file associations changed, so icons and open commands update.
    virtual void AssociationsChanged() = 0;
};

struct InstallPorts {
    RegistryPort& registry;
    InstallFiles& files;
    InstallSystem& system;
    ShellPort& shell;
};

// Keys shared by the models.
inline constexpr std::string_view RunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view ShellFoldersKeyPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr std::string_view EditorKeyPath = "Software\\Trevanta\\Quorvel Developer";

inline RegistryKey MachineRunKey(RegistryView view = RegistryView::Native) {
    return {RegistryRoot::LocalMachine, std::string(RunKeyPath), view};
}
inline RegistryKey UserRunKey() {
    return {RegistryRoot::CurrentUser, std::string(RunKeyPath)};
}
inline RegistryKey EditorKey() {
    return {RegistryRoot::CurrentUser, std::string(EditorKeyPath)};
}

// A folder of the current user's "Shell Folders" key ("Startup", "Programs") or, for `common`,
// the machine's ("Common Startup"), ending in "\"; nothing when it is not set.
std::optional<std::string> ShellFolder(RegistryPort& registry, std::string_view name,
                                       bool common = false);

} // namespace qv::editor
