#pragma once
// One fake for every port of the script document: files in memory (paths compared without
// regard to case), fixed names and folders, recorded registry values, shortcuts, image-list
// appends, the clipboard, compile requests and the window's notifications. Nothing here touches
// the real machine.
#include "editor/core/DocumentPorts.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qv::editor::testing {

class FakeDocumentHost : public DocumentFiles,
                         public DocumentSystem,
                         public ShortcutReader,
                         public IconPort,
                         public ClipboardPort,
                         public CompilePort,
                         public DocumentView {
  public:
    DocumentPorts Ports() { return {*this, *this, *this, *this, *this, *this, *this}; }

    // Files and folders.
    void AddFile(const std::string& path, const std::string& bytes);
    void AddLines(const std::string& path, const std::vector<std::string>& lines);
    void AddFolder(const std::string& path) { folders.insert(Key(path)); }
    const std::string* File(const std::string& path) const;
    // The file's lines, split at CR LF; empty when it does not exist.
    std::vector<std::string> Lines(const std::string& path) const;
    std::set<std::string> failWrites;  // keys of paths whose replacement fails
    std::set<std::string> failReads;   // keys of paths that exist but cannot be read
    std::set<std::string> failRemoves; // keys of paths that cannot be deleted
    std::vector<std::string> removed;
    static std::string Key(const std::string& path);

    // Names and folders, and the registry values written.
    std::string userName = "Alice";
    std::string computerName = "PC01";
    std::string windowsFolder = "C:\\WINDOWS";
    std::string programFolder = "C:\\Program Files\\Quorvel\\";
    std::map<std::string, std::string> settings;

    std::map<std::string, ShortcutInfo> shortcuts; // by key

    // Image lists: what was appended since the last clear.
    std::vector<IconRequest> icons;
    int iconClears = 0;

    std::optional<std::string> clipboard;

    std::vector<std::string> compiled;
    std::string compileError;

    // The text view's box and the window's notifications.
    std::vector<std::string> scriptText;
    int rowsChanged = 0;
    int titleChanged = 0;
    int selectorsChanged = 0;
    int menuChanged = 0;

    bool FileExists(const std::string& path) override;
    bool PathExists(const std::string& path) override;
    FileResult ReadWhole(const std::string& path, std::string& bytes) override;
    FileResult ReplaceAtomically(const std::string& path, const std::string& bytes) override;
    FileResult Remove(const std::string& path) override;

    std::string UserName() override { return userName; }
    std::string ComputerName() override { return computerName; }
    std::string WindowsFolder() override { return windowsFolder; }
    std::string ProgramFolder() override { return programFolder; }
    void WriteSetting(const std::string& name, const std::string& value) override {
        settings[name] = value;
    }

    std::optional<ShortcutInfo> ReadShortcut(const std::string& path) override;

    int AppendIcon(const IconRequest& icon) override;
    void ClearIcons() override;

    std::optional<std::string> ClipboardText() override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }

    std::string CompileSavedScript(const std::string& sourcePath) override;

    void RowsChanged() override { ++rowsChanged; }
    void TitleChanged() override { ++titleChanged; }
    void SelectorsChanged() override { ++selectorsChanged; }
    void MenuChanged() override { ++menuChanged; }
    void SetScriptText(const std::vector<std::string>& lines) override { scriptText = lines; }
    std::vector<std::string> ScriptText() override { return scriptText; }

  private:
    std::map<std::string, std::string> files_;
    std::set<std::string> folders;
};

} // namespace qv::editor::testing
