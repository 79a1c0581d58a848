#pragma once
// The installation's ports on Windows: the registry in both views, files and folders, the
// program's own names and the shell. The import wizard, restore, the options dialog, the
// "/install" start and the uninstaller all reach the machine through these.
#include <windows.h>
// The system's headers name CopyFile and MoveFile as macros, which would rename the ports'
// methods of those names: this header goes before any that declares the ports.
#undef CopyFile
#undef MoveFile

#include "editor/core/InstallPorts.h"

#include <string>
#include <vector>

namespace qv::win32 {

class InstallRegistry : public editor::RegistryPort {
  public:
    std::optional<editor::RegistryText> ReadText(const editor::RegistryKey& key,
                                                 const std::string& name) override;
    std::optional<std::uint32_t> ReadInteger(const editor::RegistryKey& key,
                                             const std::string& name) override;
    std::vector<std::string> ValueNames(const editor::RegistryKey& key) override;
    std::vector<std::string> SubKeyNames(const editor::RegistryKey& key) override;
    editor::RegistryResult WriteText(const editor::RegistryKey& key, const std::string& name,
                                     const editor::RegistryText& value) override;
    editor::RegistryResult WriteInteger(const editor::RegistryKey& key, const std::string& name,
                                        std::uint32_t value) override;
    editor::RegistryResult DeleteValue(const editor::RegistryKey& key,
                                       const std::string& name) override;
    editor::RegistryResult DeleteTree(const editor::RegistryKey& key) override;
    editor::RegistryResult DeleteKeyIfEmpty(const editor::RegistryKey& key) override;
};

class InstallFileSystem : public editor::InstallFiles {
  public:
    bool FileExists(const std::string& path) override;
    bool PathExists(const std::string& path) override;
    FileResult ReadWhole(const std::string& path, std::string& bytes) override;
    FileResult ReplaceAtomically(const std::string& path, const std::string& bytes) override;
    FileResult Remove(const std::string& path) override;

    std::vector<std::string> ListFiles(const std::string& folder) override;
    FileResult CreateFolder(const std::string& path) override;
    FileResult CopyFile(const std::string& source, const std::string& target) override;
    FileResult MoveFile(const std::string& source, const std::string& target) override;
    FileResult RemoveTree(const std::string& path) override;
    FileResult RemoveFolderIfEmpty(const std::string& path) override;
    // Only noted: StartPendingRemovals, called as the program ends, hands the files to a
    // hidden helper that removes them once this process has gone.
    FileResult RemoveAfterExit(const std::string& path) override;

    const std::vector<std::string>& PendingRemovals() const { return pending_; }
    // Returns false when the helper could not be started; the files then stay.
    bool StartPendingRemovals();

  private:
    std::vector<std::string> pending_;
};

class InstallSystemNames : public editor::InstallSystem {
  public:
    std::string ProgramPath() override;
    std::string ProgramFolder() override;
    std::string WindowsFolder() override;
    std::optional<std::string> ShortPath(const std::string& path) override;
    std::string ExpandEnvironment(const std::string& text) override;
};

class InstallShell : public editor::ShellPort {
  public:
    FileResult CreateShortcut(const std::string& folderSpec, const std::string& description,
                              const std::string& target) override;
    void AssociationsChanged() override;
};

// The four together, as the models take them.
struct InstallServices {
    InstallRegistry registry;
    InstallFileSystem files;
    InstallSystemNames system;
    InstallShell shell;

    editor::InstallPorts Ports() { return {registry, files, system, shell}; }
};

} // namespace qv::win32
