#pragma once
// The options dialog (TfrmOptions): the start-up Run values of the interpreter and the internet
// add-in, the shaded title bar, the recent-file list and the add-in's Load and Unload buttons.
// The dialog copies Fields() to its check boxes and back, calls Ok() for OK and shows what it
// returns; its 500 ms timer asks AddInButtons whether the add-in's window exists.
#include "editor/core/InstallEffects.h"
#include "editor/core/ScriptDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

inline constexpr std::string_view OptionsCaption = "Options";
inline constexpr std::string_view OptionsHelpTopic = "Options";
// The Options command points the program's help at this file in the editor's folder.
inline constexpr std::string_view OptionsHelpFile = "qvrun.hlp";
inline constexpr std::string_view Win98Setting = "Win98";
// The internet add-in is found by its main window's title.
inline constexpr std::string_view AddInWindowTitle = "Netlyre Addin - 1998";
inline constexpr int AddInTimerIntervalMs = 500;
inline constexpr std::string_view SettingsNotStoredText = "Some settings could not be stored.";

struct OptionsFields {
    bool win98 = true;          // chkWin98 "Shaded Title Bar"
    bool autoLoad = false;      // AutoLoad: the "qvrun" Run value
    bool addInAutoLoad = false; // Auto: the "NetlyreRun" Run value
};

struct AddInButtons {
    bool load = true;
    bool unload = false;
};

class OptionsModel {
  public:
    // FormCreate. `fields` are the controls as the dialog starts; each read is guarded: a
    // "Win98" that cannot be read leaves its box as it is, a Run value that cannot be read
    // counts as empty.
    OptionsModel(InstallPorts ports, OptionsFields fields = {});

    OptionsFields& Fields() { return fields_; }
    const OptionsFields& Fields() const { return fields_; }

    // OKClick's writes in order: "NetlyreRun" in the Run key, "Win98" in the editor's key,
    // "qvrun" in the Run key. A Run value is set to the data RunValueData gives, or deleted;
    // one that is already as wanted is left alone, so that a user without the rights to change
    // the machine's Run key can still store the title-bar setting.
    std::vector<InstallEffect> OkEffects();
    // Carries them out; what could not be stored, and why. The dialog closes either way and
    // shows FailureText() when the list is not empty.
    std::vector<EffectFailure> Ok();
    static std::string FailureText(const std::vector<EffectFailure>& failures);

    // ClearListClick: empties the recent-file list; the button is disabled afterwards.
    void ClearList(ScriptDocument& document);
    bool ClearListEnabled() const { return clearListEnabled_; }

    // LoadClick: the path to open with the verb "Open" (lower case), or nothing while the
    // add-in's window exists, so pressing twice starts one add-in.
    std::optional<std::string> AddInToStart(bool addInWindowExists);
    // Timer1Timer: Load while the add-in is not running, Unload while it is.
    static AddInButtons ButtonsFor(bool addInWindowExists);

  private:
    void AddRunValue(std::vector<InstallEffect>& effects, std::string_view name,
                     std::string_view fileName, bool wanted);

    InstallPorts ports_;
    OptionsFields fields_;
    bool clearListEnabled_ = true;
};

// The main window's start: the "Win98" setting; when it cannot be read it is written as true
// and the title bar is shaded.
bool StartupTitleShading(RegistryPort& registry);

// After the options dialog: the "Win98" setting, or nothing (the title bar stays as it is).
std::optional<bool> ReadTitleShading(RegistryPort& registry);

} // namespace qv::editor
