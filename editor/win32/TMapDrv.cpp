#include "editor/win32/TMapDrv.h"

#include "common/win32/Registry.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"
#include "editor/win32/EditorServices.h"

#include <winnetwk.h>

namespace qv::win32 {
namespace {

using editor::MapDriveMode;

constexpr ControlSpec MapDrvControls[] = {
    {ids::Label2, ControlKind::Label, 12, 15, 50, 16, "&Drive:"},
    {ids::DriveLet, ControlKind::DropDownList, 66, 12, 234, 220, nullptr},
    {ids::Label3, ControlKind::Label, 12, 45, 50, 16, "&Path:"},
    {ids::PathLoc, ControlKind::ComboBox, 66, 42, 234, 160, nullptr},
    {ids::Button1, ControlKind::DefaultButton, 63, 80, 75, 25, "OK", WS_GROUP},
    {ids::Button2, ControlKind::Button, 144, 80, 75, 25, "Cancel"},
    {ids::cmdHelp, ControlKind::Button, 225, 80, 75, 25, "&Help"},
};

FormSpec MapDrvSpec(MapDriveMode mode) {
    return CommandDialogSpec(ids::MapDrvClass,
                             mode == MapDriveMode::Capture ? editor::CapturePortCaption
                                                           : editor::MapDriveCaption,
                             312, 115, MapDrvControls, ids::DriveLet);
}

constexpr const char* HistoryKey = "Path History";
constexpr const char* HistoryCount = "Count";

std::string HistoryValue(std::size_t index) {
    return "Path" + std::to_string(index + 1);
}

} // namespace

std::vector<editor::DriveInUse> Win32Drives::DrivesInUse() {
    std::vector<editor::DriveInUse> drives;
    // An empty floppy or card reader must not ask the user to insert a disk.
    const UINT errorMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const DWORD letters = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((letters & (1u << i)) == 0) {
            continue;
        }
        const char letter = static_cast<char>('A' + i);
        const std::string device = std::string(1, letter) + ":";
        const std::string root = device + "\\";
        char name[MAX_PATH] = {};
        DWORD length = sizeof(name);
        if (::GetDriveTypeA(root.c_str()) == DRIVE_REMOTE) {
            if (::WNetGetConnectionA(device.c_str(), name, &length) != NO_ERROR) {
                name[0] = '\0';
            }
        } else if (::GetVolumeInformationA(root.c_str(), name, sizeof(name), nullptr, nullptr,
                                           nullptr, nullptr, 0) == FALSE) {
            name[0] = '\0';
        }
        drives.push_back({letter, device + " " + name});
    }
    ::SetErrorMode(errorMode);
    return drives;
}

std::vector<std::string> RegistryPathHistory::LoadPathHistory() {
    const RegistryKey key = RegistryKey(HKEY_CURRENT_USER, DeveloperKeyPath).SubKey(HistoryKey);
    std::vector<std::string> paths;
    const std::uint32_t count = key.ReadDword(HistoryCount).value_or(0);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (std::optional<std::string> path = key.ReadString(HistoryValue(i))) {
            paths.push_back(std::move(*path));
        }
    }
    return paths;
}

void RegistryPathHistory::SavePathHistory(const std::vector<std::string>& paths) {
    const RegistryKey key = RegistryKey(HKEY_CURRENT_USER, DeveloperKeyPath).SubKey(HistoryKey);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        key.WriteString(HistoryValue(i), paths[i]);
    }
    key.WriteDword(HistoryCount, static_cast<std::uint32_t>(paths.size()));
}

TMapDrv::TMapDrv(MessageLoop& loop, HWND owner, MapDriveMode mode, editor::DrivePort& drives,
                 editor::PathHistoryStore& history, std::optional<std::string_view> command)
    : CommandDialog(loop, MapDrvSpec(mode), owner, editor::MapDriveHelpTopic),
      model_(mode, drives, history) {
    if (!IsAlive()) {
        return;
    }
    // The two labels name their boxes' keys, so their "&" underlines the letter after it.
    for (const int label : {ids::Label2, ids::Label3}) {
        const HWND control = Control(label).Handle();
        ::SetWindowLongA(control, GWL_STYLE, ::GetWindowLongA(control, GWL_STYLE) & ~SS_NOPREFIX);
    }
    if (command) {
        model_.FromLine(*command);
    }
    const ComboBox drive(Control(ids::DriveLet).Handle());
    for (const std::string& entry : model_.DriveLet) {
        drive.Add(entry);
    }
    const ComboBox path(Control(ids::PathLoc).Handle());
    for (const std::string& entry : model_.History) {
        path.Add(entry);
    }
    Push();
}

void TMapDrv::Pull(bool pathFromList) {
    model_.DriveLetIndex = ComboBox(Control(ids::DriveLet).Handle()).Selected();
    const ComboBox path(Control(ids::PathLoc).Handle());
    // While the list's choice is announced, the box does not show it yet.
    model_.PathLoc =
        pathFromList && path.Selected() >= 0 ? path.ItemText(path.Selected()) : path.Text();
}

void TMapDrv::Push() {
    pushing_ = true;
    ComboBox(Control(ids::DriveLet).Handle()).Select(model_.DriveLetIndex);
    ShowText(Control(ids::PathLoc), model_.PathLoc);
    Control(ids::Button1).Enable(model_.OkEnabled());
    pushing_ = false;
}

void TMapDrv::OnCommand(int id, int code) {
    if (pushing_) {
        return;
    }
    if (CancelOrHelp(id)) {
        return;
    }
    switch (id) {
    case ids::DriveLet:
    case ids::PathLoc:
        if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) {
            Pull(id == ids::PathLoc && code == CBN_SELCHANGE);
            Control(ids::Button1).Enable(model_.OkEnabled());
        }
        break;
    case ids::Button1:
        Pull(false);
        if (model_.OkEnabled()) {
            Finish(true);
        }
        break;
    default:
        break;
    }
}

std::optional<std::string> NetworkConnect2Click(CommandContext& context) {
    Win32Drives drives;
    RegistryPathHistory history;
    return AddThrough<TMapDrv>(context, MapDriveMode::Connect, drives, history);
}
std::optional<std::string> NetworkCapture2Click(CommandContext& context) {
    Win32Drives drives;
    RegistryPathHistory history;
    return AddThrough<TMapDrv>(context, MapDriveMode::Capture, drives, history);
}
void EditConnectScript(CommandContext& context) {
    Win32Drives drives;
    RegistryPathHistory history;
    EditThrough<TMapDrv>(context, MapDriveMode::Connect, drives, history);
}
void EditCaptureScript(CommandContext& context) {
    Win32Drives drives;
    RegistryPathHistory history;
    EditThrough<TMapDrv>(context, MapDriveMode::Capture, drives, history);
}

} // namespace qv::win32
