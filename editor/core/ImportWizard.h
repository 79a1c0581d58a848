#pragma once
// The import wizard (TfrmMain): the start-up entries of the Startup folders and the Run keys as
// a list to mark, and Finish, which moves the marked ones into the script being edited. The
// window copies Texts() into its list box, reports the selection, forwards double-clicks and
// typed characters, enables Finish by FinishEnabled(), and shows Finish's messages.
#include "editor/core/ImportLog.h"
#include "editor/core/ScriptDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

inline constexpr std::string_view ImportWizardCaption = "Quorvel Lite - Gathermoor";
inline constexpr std::string_view ImportWizardHeading = "Applications in Your Startup Group";
inline constexpr std::string_view ImportWizardHelpTopic = "Import_Wizard";
inline constexpr std::string_view LinksMovedText = "The Links have been moved to the ";
// Run values whose upper-cased data contains this start the interpreter itself.
inline constexpr std::string_view InterpreterMark = "QVRUN.EXE";

// The list's groups in list order: the three places Windows starts programs from, the 32-bit
// programs' Run key, and the user's own Run key.
enum class ImportGroup { UserStartup, CommonStartup, MachineRun, MachineRun32, UserRun };

std::string_view GroupHeader(ImportGroup group);

struct ImportItem {
    ImportGroup group = ImportGroup::UserStartup;
    bool header = false;
    std::string name; // the file's name, or the value's name
    std::string data; // a Run value's data as imported
    bool marked = false;
};

struct ImportOutcome {
    int imported = 0; // LOAD lines added to the script
    // The warning box after Finish (OK button): "The Links have been moved to the " + program
    // folder + "Startup" when at least one shortcut was moved; else empty.
    std::string linksMoved;
    // Error boxes (caption "Quorvel Developer"), in order: entries that could not be imported
    // and stay where they were.
    std::vector<std::string> errors;
};

class ImportWizard {
  public:
    // FormCreate: reads the Startup folders and the Run keys. The main window leaves its text
    // view first, so that the script exists as rows when Finish adds to it.
    explicit ImportWizard(InstallPorts ports);

    std::size_t Count() const { return items_.size(); }
    const ImportItem& Item(std::size_t index) const { return items_[index]; }
    // "--- Startup Group ---", "  [  ] - Mail.lnk", "  [X] - Tray - c:\tools\tray.exe".
    std::string Text(std::size_t index) const;
    std::vector<std::string> Texts() const;

    int Selected() const { return selected_; }
    void Select(int index);
    int MarkedCount() const { return marked_; }
    bool FinishEnabled() const { return marked_ > 0; }

    // ListBox1DblClick: marks or unmarks the selected entry (headers do nothing); true when its
    // text changed.
    bool DoubleClick();

    struct KeyOutcome {
        bool swallow = true;  // the list must not see the character (no type-ahead)
        bool changed = false; // the selected entry's text changed
    };
    // ListBox1KeyPress: the space bar marks like a double-click; every typed character is
    // swallowed, so typing does not move the selection.
    KeyOutcome KeyPress(char key);

    // cmdFinishClick: moves every marked entry, in list order, into the program folder's
    // "Startup" folder or out of its Run key, records it in the import log before its source is
    // removed, and adds its LOAD line to the document. The wizard then closes with Yes and the
    // main window saves the script.
    ImportOutcome Finish(ScriptDocument& document);

  private:
    void ReadFolder(ImportGroup group, const std::optional<std::string>& folder);
    void ReadRunKey(ImportGroup group, const RegistryKey& key);
    // Each moves one entry out of its place; true when it was recorded and its source removed
    // (the entry is then the last one recorded).
    bool ImportLink(const ImportItem& item, ImportOutcome& outcome);
    bool ImportValue(const ImportItem& item, ImportOutcome& outcome);
    // Appends the entry to the log and saves it; false (and the entry left out) on failure.
    bool Record(const ImportEntry& entry, ImportOutcome& outcome);
    // Takes the last recorded entry out again, when its source could not be removed.
    void Unrecord();

    InstallPorts ports_;
    std::vector<ImportItem> items_;
    std::optional<std::string> userStartup_;
    std::optional<std::string> commonStartup_;
    int selected_ = 0;
    int marked_ = 0;
    // During Finish: the log's lines, its path, and whether it can still be written.
    std::vector<std::string> log_;
    std::string logPath_;
    bool logWritable_ = true;
    ImportEntry lastEntry_;
};

} // namespace qv::editor
