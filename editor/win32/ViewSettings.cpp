#include "editor/win32/ViewSettings.h"

#include "editor/core/ScriptDocument.h"

#include <cstdint>
#include <sstream>

namespace qv::win32 {
namespace {

constexpr const char* Left = "Left";
constexpr const char* Top = "Top";
constexpr const char* Width = "Width";
constexpr const char* Height = "Height";
constexpr const char* Maximized = "Maximized";
constexpr const char* View = "View";
constexpr const char* ShowMainToolbar = "Show Main Toolbar";
constexpr const char* ShowMenuToolbar = "Show Menu Toolbar";
constexpr const char* PasteVisible = "Show Paste Button";
constexpr const char* ShowTips = "Show Tips";
constexpr const char* RecentPrefix = "Recent File ";
constexpr const char* Bands = "Toolbar Bands";
constexpr const char* BandRows = "Toolbar Rows";
constexpr const char* Win98 = "Win98";
// A frame smaller than this, or further out, is not a window anyone could use.
constexpr int MinimumFrame = 100;
constexpr int FarOut = 100000;

std::optional<int> ReadInt(const RegistryKey& key, const char* name) {
    const std::optional<std::uint32_t> value = key.ReadDword(name);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(static_cast<std::int32_t>(*value));
}

void ReadFlag(const RegistryKey& key, const char* name, bool& flag) {
    if (const std::optional<std::uint32_t> value = key.ReadDword(name)) {
        flag = *value != 0;
    }
}

void WriteInt(const RegistryKey& key, const char* name, int value) {
    key.WriteDword(name, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)));
}

std::optional<RECT> ReadFrame(const RegistryKey& key) {
    const std::optional<int> left = ReadInt(key, Left);
    const std::optional<int> top = ReadInt(key, Top);
    const std::optional<int> width = ReadInt(key, Width);
    const std::optional<int> height = ReadInt(key, Height);
    if (!left || !top || !width || !height || *width < MinimumFrame || *height < MinimumFrame ||
        *width > FarOut || *height > FarOut || *left < -FarOut || *left > FarOut ||
        *top < -FarOut || *top > FarOut) {
        return std::nullopt;
    }
    return RECT{*left, *top, *left + *width, *top + *height};
}

} // namespace

ViewSettings SettingsStore::Load() const {
    ViewSettings settings;
    settings.frame = ReadFrame(key_);
    ReadFlag(key_, Maximized, settings.maximized);
    settings.currentFile =
        key_.ReadString(std::string(editor::CurrentFileSetting)).value_or(std::string());
    if (const std::optional<int> view = ReadInt(key_, View); view && *view >= 0 && *view <= 2) {
        settings.view = static_cast<ScriptView>(*view);
    }
    ReadFlag(key_, ShowMainToolbar, settings.showMainToolbar);
    ReadFlag(key_, ShowMenuToolbar, settings.showMenuToolbar);
    ReadFlag(key_, PasteVisible, settings.pasteVisible);
    ReadFlag(key_, ShowTips, settings.showTips);
    for (int i = 1; i <= 5; ++i) {
        if (std::optional<std::string> path = key_.ReadString(RecentPrefix + std::to_string(i));
            path && !path->empty()) {
            settings.recentFiles.push_back(std::move(*path));
        }
    }
    if (const std::optional<std::string> bands = key_.ReadString(Bands)) {
        std::istringstream in(*bands);
        int id = 0;
        while (in >> id) {
            settings.bandOrder.push_back(id);
        }
    }
    ReadFlag(key_, BandRows, settings.bandsOnTwoRows);
    return settings;
}

void SettingsStore::Save(const ViewSettings& settings) const {
    if (settings.frame) {
        const RECT& frame = *settings.frame;
        WriteInt(key_, Left, frame.left);
        WriteInt(key_, Top, frame.top);
        WriteInt(key_, Width, frame.right - frame.left);
        WriteInt(key_, Height, frame.bottom - frame.top);
    }
    WriteInt(key_, Maximized, settings.maximized ? 1 : 0);
    if (!settings.currentFile.empty()) {
        key_.WriteString(std::string(editor::CurrentFileSetting), settings.currentFile);
    }
    WriteInt(key_, View, static_cast<int>(settings.view));
    WriteInt(key_, ShowMainToolbar, settings.showMainToolbar ? 1 : 0);
    WriteInt(key_, ShowMenuToolbar, settings.showMenuToolbar ? 1 : 0);
    WriteInt(key_, PasteVisible, settings.pasteVisible ? 1 : 0);
    WriteInt(key_, ShowTips, settings.showTips ? 1 : 0);
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string name = RecentPrefix + std::to_string(i + 1);
        if (i < settings.recentFiles.size()) {
            key_.WriteString(name, settings.recentFiles[i]);
        } else {
            key_.DeleteValue(name);
        }
    }
    std::string bands;
    for (const int id : settings.bandOrder) {
        if (!bands.empty()) {
            bands += ' ';
        }
        bands += std::to_string(id);
    }
    key_.WriteString(Bands, bands);
    WriteInt(key_, BandRows, settings.bandsOnTwoRows ? 1 : 0);
}

bool SettingsStore::ReadWin98() const {
    if (const std::optional<std::uint32_t> value = key_.ReadDword(Win98)) {
        return *value != 0;
    }
    key_.WriteDword(Win98, 1);
    return true;
}

} // namespace qv::win32
