#pragma once
// The script document's ports on Windows: files, names and folders, the editor's settings key,
// shortcuts and the clipboard.
#include "common/win32/ProgramFolder.h"
#include "common/win32/SystemError.h"
#include "editor/core/DocumentPorts.h"

#include <windows.h>

#include <string>
#include <unordered_map>

namespace qv::win32 {

// HKEY_CURRENT_USER\Software\Trevanta\Quorvel Developer.
inline constexpr const char* DeveloperKeyPath = "Software\\Trevanta\\Quorvel Developer";

// True when `path` names an existing file (not a folder).
bool IsExistingFile(const std::string& path);

// Deletes a file; the error names it and carries the system's message.
FileResult RemoveFile(const std::string& path);

class EditorServices : public editor::DocumentFiles,
                       public editor::DocumentSystem,
                       public editor::ShortcutReader,
                       public editor::ClipboardPort {
  public:
    // The clipboard is opened for `clipboardOwner` (the main window), which may come later.
    void SetClipboardOwner(HWND owner) { clipboardOwner_ = owner; }
    // PathExists answers from what it found since the last call of this: one load asks about
    // the same programs again and again, and nothing changes on disk in the middle of it.
    void ForgetPaths() { paths_.clear(); }

    bool FileExists(const std::string& path) override;
    bool PathExists(const std::string& path) override;
    FileResult ReadWhole(const std::string& path, std::string& bytes) override;
    FileResult ReplaceAtomically(const std::string& path, const std::string& bytes) override;
    FileResult Remove(const std::string& path) override;

    std::string UserName() override;
    std::string ComputerName() override;
    std::string WindowsFolder() override;
    std::string ProgramFolder() override;
    void WriteSetting(const std::string& name, const std::string& value) override;

    std::optional<editor::ShortcutInfo> ReadShortcut(const std::string& path) override;

    std::optional<std::string> ClipboardText() override;
    void SetClipboardText(const std::string& text) override;

  private:
    HWND clipboardOwner_ = nullptr;
    std::unordered_map<std::string, bool> paths_;
};

} // namespace qv::win32
