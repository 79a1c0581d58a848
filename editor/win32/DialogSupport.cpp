#include "editor/win32/DialogSupport.h"

#include "common/win32/Controls.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/HelpTopics.h"
#include "editor/win32/Shortcut.h"

#include <commdlg.h>
#include <shlobj.h>

namespace qv::win32 {
namespace {

constexpr DWORD CommandDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
constexpr DWORD CommandDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

} // namespace

FormSpec CommandDialogSpec(const char* className, std::string_view title, int width, int height,
                           std::span<const ControlSpec> controls, int initialFocus) {
    return {
        .className = className,
        .title = title.data(),
        .style = CommandDialogStyle,
        .exStyle = CommandDialogExStyle,
        .width = width,
        .height = height,
        .controls = controls,
        .defaultButton = ids::Button1,
        .cancelButton = ids::Button2,
        .initialFocus = initialFocus,
        .placement = Placement::CentreOverOwner,
    };
}

bool CommandDialog::CancelOrHelp(int id) {
    if (id == Spec().cancelButton) {
        Finish(false);
        return true;
    }
    if (id == ids::cmdHelp) {
        OpenHelpTopic(Handle(), helpTopic_);
        return true;
    }
    return false;
}

void CommandDialog::ShowRefusal(const std::string& message) {
    ::MessageBoxA(Handle(), message.c_str(), std::string(editor::DialogErrorCaption).c_str(),
                  MB_OK | MB_ICONERROR);
}

std::optional<std::string> BrowseForFile(HWND owner, std::string_view filter,
                                         const std::string& current, DWORD flags) {
    // The common dialog wants the filter's parts ended by nulls, the whole by two.
    std::string parts(filter);
    for (char& c : parts) {
        if (c == '|') {
            c = '\0';
        }
    }
    parts.append(2, '\0');
    char file[MAX_PATH] = {};
    if (current.size() < MAX_PATH && current.find_first_of("*?") == std::string::npos) {
        current.copy(file, current.size());
    }
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = parts.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = "Open";
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | flags;
    if (::GetOpenFileNameA(&dialog) == FALSE || file[0] == '\0') {
        return std::nullopt;
    }
    return std::string(file);
}

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title) {
    char name[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = name;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderA(&info);
    if (chosen == nullptr) {
        return std::nullopt;
    }
    char path[MAX_PATH] = {};
    const bool named = ::SHGetPathFromIDListA(chosen, path) != FALSE;
    ::CoTaskMemFree(chosen);
    if (!named || path[0] == '\0') {
        return std::nullopt;
    }
    return std::string(path);
}

bool Win32PathProbe::IsFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32PathProbe::IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<editor::LinkTarget> ShortcutLinks::ReadLink(const std::string& path) {
    Shortcut link;
    link.LinkName = path;
    link.Read();
    if (link.PathName.empty()) {
        return std::nullopt;
    }
    return editor::LinkTarget{link.PathName, link.Arguments, link.ShowCmd};
}

void ShowText(const Window& control, const std::string& text) {
    if (control.Text() != text) {
        control.SetText(text);
    }
}

void ShowCheck(const Window& control, bool checked) {
    Button(control.Handle()).SetChecked(checked);
}

bool IsChecked(const Window& control) {
    return Button(control.Handle()).Checked();
}

std::vector<std::string> Win32WindowLister::TopLevelTitles() {
    constexpr int TitleLength = 255;
    // A bound on the walk, should the z-order change under it into a loop.
    constexpr int MaximumWindows = 10000;
    std::vector<std::string> titles;
    int walked = 0;
    for (HWND window = ::GetTopWindow(nullptr); window != nullptr && walked < MaximumWindows;
         window = ::GetWindow(window, GW_HWNDNEXT), ++walked) {
        char title[TitleLength + 1] = {};
        const int length = ::GetWindowTextA(window, title, sizeof(title));
        if (length > 0) {
            titles.emplace_back(title, static_cast<std::size_t>(length));
        }
    }
    return titles;
}

} // namespace qv::win32
