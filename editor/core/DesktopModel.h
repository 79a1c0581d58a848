#pragma once
// The wallpaper dialog (TfrmChangeDesktop, "Change Desktop"): the DESKTOP line, and the Try and
// Return of a wallpaper for this logon only. The Win32 dialog copies Edit1 and the choices back
// before each handler and the fields to its controls after it (Preview is the picture to show),
// calls FormClose whenever it closes, and on OK (enabled by OkEnabled) calls ApplyOk.
#include "editor/core/DialogPorts.h"
#include "language/Grammar.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::editor {

class ScriptDocument;

inline constexpr std::string_view DesktopCaption = "Change Desktop";
inline constexpr std::string_view DesktopHelpTopic = "Change_Desktop";
inline constexpr std::string_view DesktopBrowseFilter = "Bitmap (*.bmp)|*.bmp|All files (*.*)|*.*";
inline constexpr std::string_view TryCaption = "&Try";
inline constexpr std::string_view ReturnCaption = "&Return";

// The user's wallpaper setting.
class WallpaperPort {
  public:
    virtual ~WallpaperPort() = default;
    // The "WallPaper" entry of the "DESKTOP" section of the user's profile settings (up to 255
    // characters).
    virtual std::string SavedWallpaper() = 0;
    // Sets the wallpaper for the running logon only: broadcast, never stored.
    virtual void ShowWallpaper(const std::string& path) = 0;
};

class DesktopModel {
  public:
    DesktopModel(PathProbe& paths, WallpaperPort& wallpaper)
        : paths_(paths), wallpaper_(wallpaper) {}
    // A tried wallpaper never outlasts the dialog, however it ends.
    ~DesktopModel() { FormClose(); }
    DesktopModel(const DesktopModel&) = delete;
    DesktopModel& operator=(const DesktopModel&) = delete;

    std::string Edit1;
    std::string Preview;    // the bitmap shown, empty for none
    bool CheckBox1 = false; // "Other Options"
    bool RandomHere = true; // RadioButton1 chosen; RadioButton2 (the Windows folder) otherwise
    bool RadioButton1Enabled = false;
    bool RadioButton2Enabled = false;
    std::string Button1Caption{TryCaption};
    bool Button1Enabled = false;

    // EditChangeDesktop: fills the dialog from the focused row's command.
    void FromLine(std::string_view command);

    // Every change of Edit1 and the end of its browse dialog.
    void Edit1Change(std::string text);
    void CheckBox1Click(bool checked);
    void RadioButton1Click() { RandomHere = true; }
    void RadioButton2Click() { RandomHere = false; }
    // "&Try" shows Edit1 as the wallpaper; "&Return" puts the saved one back.
    void Button1Click();
    // Any close, OK or Cancel: puts back the saved wallpaper while one is tried.
    void FormClose();

    // The argument of the line: the bitmap in lower case, or {RANDOM} with the folder part of
    // Edit1 (Random in this Directory) or alone (the Windows folder).
    DesktopFields Fields() const;
    // An empty argument would make a line the interpreter does not know.
    bool OkEnabled() const;
    std::string BuildLine() const;
    // Add: the line goes in at InsertOrder. Edit: the focused row's command is rewritten, its
    // title kept.
    void ApplyOk(ScriptDocument& doc, DialogUse use) const;

  private:
    PathProbe& paths_;
    WallpaperPort& wallpaper_;
    std::optional<std::string> saved_; // the wallpaper to put back while one is tried
};

} // namespace qv::editor
