#pragma once
// The ports through which the script document reaches the world: files, names and folders, the
// editor's registry values, shortcuts, the two image lists, the clipboard, the compile step and
// the main window's view of the document. Every call is made on the one window thread.
#include "language/CompiledScript.h"

#include <optional>
#include <string>
#include <vector>

namespace qv::editor {

class DocumentFiles {
  public:
    virtual ~DocumentFiles() = default;
    // True when `path` names an existing file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    // True when `path` names an existing file or folder.
    virtual bool PathExists(const std::string& path) = 0;
    // The whole file; on failure the error carries the system's message.
    virtual FileResult ReadWhole(const std::string& path, std::string& bytes) = 0;
    // Writes a temporary file beside `path` and moves it over the old one; on failure the old
    // file stays as it was and the error carries the system's message.
    virtual FileResult ReplaceAtomically(const std::string& path, const std::string& bytes) = 0;
    virtual FileResult Remove(const std::string& path) = 0;
};

class DocumentSystem {
  public:
    virtual ~DocumentSystem() = default;
    virtual std::string UserName() = 0;
    virtual std::string ComputerName() = 0;
    virtual std::string WindowsFolder() = 0;
    // The folder of the editor's program file.
    virtual std::string ProgramFolder() = 0;
    // A string value under HKEY_CURRENT_USER\Software\Trevanta\Quorvel Developer (the key is
    // created when missing).
    virtual void WriteSetting(const std::string& name, const std::string& value) = 0;
};

// What the shell's link object reads from a .lnk file.
struct ShortcutInfo {
    std::string target;
    std::string iconLocation; // empty when the link shows its target's icon
    int iconIndex = 0;
};

class ShortcutReader {
  public:
    virtual ~ShortcutReader() = default;
    // Nothing when the link cannot be read.
    virtual std::optional<ShortcutInfo> ReadShortcut(const std::string& path) = 0;
};

// One picture for a row. Equal requests give equal pictures, so a host may keep one extracted
// icon per request and append it again.
struct IconRequest {
    enum class Kind {
        BuiltIn,    // the editor's own icon number `index` (BuiltInIcon)
        Associated, // the shell's icon number `index` associated with the file or folder `file`
        Library,    // icon number `index` inside the library `file` ("shell32.dll", 39)
    };
    Kind kind = Kind::BuiltIn;
    std::string file;
    int index = 0;

    friend bool operator==(const IconRequest&, const IconRequest&) = default;
};

// The large (32 x 32) and small image lists of the list view, filled in step.
class IconPort {
  public:
    virtual ~IconPort() = default;
    // Appends the picture to both lists; returns the number of pictures the large list held
    // before, which is the picture's index.
    virtual int AppendIcon(const IconRequest& icon) = 0;
    // Empties both lists.
    virtual void ClearIcons() = 0;
};

class ClipboardPort {
  public:
    virtual ~ClipboardPort() = default;
    // The clipboard's plain text; nothing when it holds no text.
    virtual std::optional<std::string> ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

class CompilePort {
  public:
    virtual ~CompilePort() = default;
    // Lets pending window messages run, then compiles the saved source into its .qvc (the
    // compiler dialog). Returns the message of a failure, empty on success.
    virtual std::string CompileSavedScript(const std::string& sourcePath) = 0;
};

// The main window as the document sees it. The document is the truth; the window redraws what
// it is told has changed.
class DocumentView {
  public:
    virtual ~DocumentView() = default;
    // Rows, their icons, their order, selection or focus changed.
    virtual void RowsChanged() = 0;
    // The window title (ScriptDocument::WindowTitle) changed.
    virtual void TitleChanged() = 0;
    // The check marks of the five script selectors changed.
    virtual void SelectorsChanged() = 0;
    // MenuCaptions, CurrentMenu or MenuEditing changed: the menu selector and menu button.
    virtual void MenuChanged() = 0;
    // The text box of the text view: replaced (while Updating is set) and read back.
    virtual void SetScriptText(const std::vector<std::string>& lines) = 0;
    virtual std::vector<std::string> ScriptText() = 0;
};

struct DocumentPorts {
    DocumentFiles& files;
    DocumentSystem& system;
    ShortcutReader& shortcuts;
    IconPort& icons;
    ClipboardPort& clipboard;
    CompilePort& compiler;
    DocumentView& view;
};

} // namespace qv::editor
