#pragma once
// The main window's settings under HKEY_CURRENT_USER\Software\Trevanta\Quorvel Developer:
// placement, the current script, the view, the tool bars, the tips and the recent files.
#include "common/win32/Registry.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qv::win32 {

enum class ScriptView { Icon = 0, List = 1, Text = 2 };

struct ViewSettings {
    // The restored (not maximised) frame in screen coordinates, and whether it was maximised.
    std::optional<RECT> frame;
    bool maximized = false;
    std::string currentFile; // empty: none stored
    ScriptView view = ScriptView::List;
    bool showMainToolbar = true;
    bool showMenuToolbar = true;
    bool pasteVisible = true;
    bool showTips = true;
    std::vector<std::string> recentFiles;
    // The tool bars' bands from left to right and whether the second starts a row of its own.
    std::vector<int> bandOrder;
    bool bandsOnTwoRows = false;
};

class SettingsStore {
  public:
    explicit SettingsStore(RegistryKey key) : key_(std::move(key)) {}
    const RegistryKey& Key() const { return key_; }

    // Every value that cannot be read keeps its default.
    ViewSettings Load() const;
    // The window's settings of the closing steps.
    void Save(const ViewSettings& settings) const;

    // "Win98": read as a boolean; when it cannot be read it is written as true and true is
    // the answer.
    bool ReadWin98() const;

  private:
    RegistryKey key_;
};

} // namespace qv::win32
