#pragma once
// One fake for the installation's ports: a registry, a disk and a shell in memory, fixed names
// and folders, and a journal of every change in the order it was asked for. Keys, values and
// paths compare without regard to case, as on Windows. Nothing here touches the real machine.
#include "editor/core/InstallPorts.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace qv::editor::testing {

class FakeInstallHost : public RegistryPort,
                        public InstallFiles,
                        public InstallSystem,
                        public ShellPort {
  public:
    InstallPorts Ports() { return {*this, *this, *this, *this}; }

    // ---- Registry ----
    struct Value {
        enum class Type { Text, Integer, Binary };
        std::string name;
        Type type = Type::Text;
        RegistryText text;
        std::uint32_t number = 0;
    };
    void SetText(const RegistryKey& key, const std::string& name, const std::string& text,
                 bool expandable = false);
    void SetInteger(const RegistryKey& key, const std::string& name, std::uint32_t number);
    // A value that exists but is no string (a binary value, say).
    void SetBinary(const RegistryKey& key, const std::string& name);
    const Value* Find(const RegistryKey& key, const std::string& name) const;
    std::string Text(const RegistryKey& key, const std::string& name) const; // "" when missing
    bool HasKey(const RegistryKey& key) const;
    // Writes and deletes in these keys (KeyName form) fail with "Access is denied.".
    std::set<std::string> deniedKeys;

    // ---- Disk ----
    void AddFile(const std::string& path, const std::string& bytes = "", bool hidden = false);
    void AddLines(const std::string& path, const std::vector<std::string>& lines);
    void AddFolder(const std::string& path);
    bool HasFolder(const std::string& path) const;
    std::vector<std::string> Lines(const std::string& path) const;
    std::set<std::string> failCopies;  // sources whose copy fails
    std::set<std::string> failMoves;   // sources whose move fails
    std::set<std::string> failRemoves; // files that cannot be deleted
    std::set<std::string> failWrites;  // files that cannot be replaced
    std::set<std::string> failReads;   // files that exist but cannot be read

    // ---- Names and the shell ----
    std::string programPath = "C:\\Program Files\\Quorvel\\qvdev.exe";
    std::string windowsFolder = "C:\\Windows";
    void SetShortPath(const std::string& path, const std::string& shortForm) {
        shortPaths_[Key(path)] = shortForm;
    }
    std::map<std::string, std::string> environment = {{"%SYSTEMROOT%", "C:\\Windows"},
                                                      {"%PROGRAMFILES%", "C:\\Program Files"}};
    std::set<std::string> failShortcuts; // descriptions whose shortcut cannot be written

    // Every change, in order: "write KEY\NAME=DATA", "delete KEY\NAME", "delete key KEY",
    // "copy A > B", "move A > B", "remove P", "replace P", "folder P", "shortcut F\D > T",
    // "associations changed", "remove after exit P", "remove tree P", "remove if empty P".
    std::vector<std::string> journal;
    // Called before a file is deleted or a registry value taken out, with the journal line it
    // is about to add: lets a test look at the disk at that moment.
    std::function<void(const std::string&)> beforeRemoval;

    // RegistryPort
    std::optional<RegistryText> ReadText(const RegistryKey& key, const std::string& name) override;
    std::optional<std::uint32_t> ReadInteger(const RegistryKey& key,
                                             const std::string& name) override;
    std::vector<std::string> ValueNames(const RegistryKey& key) override;
    std::vector<std::string> SubKeyNames(const RegistryKey& key) override;
    RegistryResult WriteText(const RegistryKey& key, const std::string& name,
                             const RegistryText& value) override;
    RegistryResult WriteInteger(const RegistryKey& key, const std::string& name,
                                std::uint32_t value) override;
    RegistryResult DeleteValue(const RegistryKey& key, const std::string& name) override;
    RegistryResult DeleteTree(const RegistryKey& key) override;
    RegistryResult DeleteKeyIfEmpty(const RegistryKey& key) override;

    // InstallFiles
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
    FileResult RemoveAfterExit(const std::string& path) override;

    // InstallSystem
    std::string ProgramPath() override { return programPath; }
    std::string ProgramFolder() override;
    std::string WindowsFolder() override { return windowsFolder; }
    std::optional<std::string> ShortPath(const std::string& path) override;
    std::string ExpandEnvironment(const std::string& text) override;

    // ShellPort
    FileResult CreateShortcut(const std::string& folderSpec, const std::string& description,
                              const std::string& target) override;
    void AssociationsChanged() override { journal.push_back("associations changed"); }

    static std::string Key(const std::string& path);

  private:
    struct FakeKey {
        std::vector<Value> values;
    };
    struct FakeFile {
        std::string path; // as created, for listings
        std::string bytes;
        bool hidden = false;
    };
    static std::string KeyId(const RegistryKey& key);
    bool Denied(const RegistryKey& key) const;
    void Removing(const std::string& line);
    Value& Slot(const RegistryKey& key, const std::string& name);

    std::map<std::string, FakeKey> keys_;
    std::map<std::string, FakeFile> files_;
    std::vector<std::string> order_; // file keys in the order they were made
    std::map<std::string, std::string> shortPaths_;
    std::set<std::string> folders_;
};

} // namespace qv::editor::testing
