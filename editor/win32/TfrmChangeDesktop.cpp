#include "editor/win32/TfrmChangeDesktop.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr ControlSpec ChangeDesktopControls[] = {
    {ids::Label2, ControlKind::Label, 12, 15, 40, 16, "File : "},
    {ids::Edit1, ControlKind::Edit, 56, 12, 262, 22, "", ES_AUTOHSCROLL, false, WS_EX_CLIENTEDGE},
    {ids::Edit1Browse, ControlKind::Button, 322, 12, 26, 22, "..."},
    {ids::imgDesktop, ControlKind::OwnerDrawn, 12, 44, 336, 160, nullptr, 0, false,
     WS_EX_CLIENTEDGE},
    {ids::CheckBox1, ControlKind::CheckBox, 12, 212, 160, 18, "Other Options", WS_GROUP},
    {ids::RadioButton1, ControlKind::RadioButton, 28, 234, 240, 18, "Random in this Directory",
     WS_GROUP | WS_DISABLED},
    {ids::RadioButton2, ControlKind::RadioButton, 28, 254, 240, 18,
     "Random in the Windows Directory", WS_DISABLED},
    {ids::Button1, ControlKind::Button, 12, 284, 75, 25, "&Try", WS_GROUP | WS_DISABLED},
    {ids::OkButton, ControlKind::DefaultButton, 111, 284, 75, 25, "&Ok"},
    {ids::CancelButton, ControlKind::Button, 192, 284, 75, 25, "Cance&l"},
    {ids::cmdHelp, ControlKind::Button, 273, 284, 75, 25, "&Help"},
};

FormSpec ChangeDesktopSpec() {
    FormSpec spec = CommandDialogSpec(ids::ChangeDesktopClass, editor::DesktopCaption, 360, 319,
                                      ChangeDesktopControls, ids::Edit1);
    spec.defaultButton = ids::OkButton;
    spec.cancelButton = ids::CancelButton;
    return spec;
}

} // namespace

std::string Win32Wallpaper::SavedWallpaper() {
    char path[256] = {};
    ::GetProfileStringA("DESKTOP", "WallPaper", "", path, sizeof(path));
    return path;
}

void Win32Wallpaper::ShowWallpaper(const std::string& path) {
    // Broadcast without SPIF_UPDATEINIFILE: the user's stored setting stays as it is.
    ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(path.c_str()),
                            SPIF_SENDCHANGE);
}

TfrmChangeDesktop::TfrmChangeDesktop(MessageLoop& loop, HWND owner, editor::PathProbe& paths,
                                     editor::WallpaperPort& wallpaper,
                                     std::optional<std::string_view> command)
    : CommandDialog(loop, ChangeDesktopSpec(), owner, editor::DesktopHelpTopic),
      model_(paths, wallpaper) {
    if (!IsAlive()) {
        return;
    }
    if (command) {
        model_.FromLine(*command);
    }
    Push();
}

void TfrmChangeDesktop::Pull() {
    model_.RandomHere = IsChecked(Control(ids::RadioButton1));
}

void TfrmChangeDesktop::Push() {
    pushing_ = true;
    ShowText(Control(ids::Edit1), model_.Edit1);
    ShowCheck(Control(ids::CheckBox1), model_.CheckBox1);
    ShowCheck(Control(ids::RadioButton1), model_.RandomHere);
    ShowCheck(Control(ids::RadioButton2), !model_.RandomHere);
    Control(ids::RadioButton1).Enable(model_.RadioButton1Enabled);
    Control(ids::RadioButton2).Enable(model_.RadioButton2Enabled);
    ShowText(Control(ids::Button1), model_.Button1Caption);
    Control(ids::Button1).Enable(model_.Button1Enabled);
    Control(ids::OkButton).Enable(model_.OkEnabled());
    if (model_.Preview != previewPath_) {
        previewPath_ = model_.Preview;
        preview_.Reset(previewPath_.empty() ? nullptr
                                            : static_cast<HBITMAP>(::LoadImageA(
                                                  nullptr, previewPath_.c_str(), IMAGE_BITMAP, 0, 0,
                                                  LR_LOADFROMFILE)));
        Control(ids::imgDesktop).Invalidate();
    }
    pushing_ = false;
}

// The bitmap as large as the frame allows, its proportions kept, in the frame's middle.
void TfrmChangeDesktop::DrawPreview(const DRAWITEMSTRUCT& item) const {
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    BITMAP bitmap{};
    if (!preview_ || ::GetObjectA(preview_.Get(), sizeof(bitmap), &bitmap) == 0 ||
        bitmap.bmWidth <= 0 || bitmap.bmHeight <= 0) {
        return;
    }
    const int frameWidth = item.rcItem.right - item.rcItem.left;
    const int frameHeight = item.rcItem.bottom - item.rcItem.top;
    int width = frameWidth;
    int height = ::MulDiv(bitmap.bmHeight, frameWidth, bitmap.bmWidth);
    if (height > frameHeight) {
        height = frameHeight;
        width = ::MulDiv(bitmap.bmWidth, frameHeight, bitmap.bmHeight);
    }
    HDC memory = ::CreateCompatibleDC(item.hDC);
    HGDIOBJ old = ::SelectObject(memory, preview_.Get());
    ::SetStretchBltMode(item.hDC, HALFTONE);
    ::StretchBlt(item.hDC, item.rcItem.left + (frameWidth - width) / 2,
                 item.rcItem.top + (frameHeight - height) / 2, std::max(width, 1),
                 std::max(height, 1), memory, 0, 0, bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

void TfrmChangeDesktop::OnCommand(int id, int code) {
    if (pushing_) {
        return;
    }
    if (id == ids::CancelButton) {
        model_.FormClose();
    }
    if (CancelOrHelp(id)) {
        return;
    }
    if (id == ids::Edit1) {
        if (code == EN_CHANGE) {
            Pull();
            model_.Edit1Change(Control(ids::Edit1).Text());
            Push();
        }
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
    case ids::Edit1Browse:
        if (const std::optional<std::string> file =
                BrowseForFile(Handle(), editor::DesktopBrowseFilter, model_.Edit1)) {
            Pull();
            model_.Edit1Change(*file);
            Push();
        }
        break;
    case ids::CheckBox1:
        Pull();
        model_.CheckBox1Click(IsChecked(Control(ids::CheckBox1)));
        Push();
        break;
    case ids::RadioButton1:
        model_.RadioButton1Click();
        Push();
        break;
    case ids::RadioButton2:
        model_.RadioButton2Click();
        Push();
        break;
    case ids::Button1:
        model_.Button1Click();
        Push();
        break;
    case ids::OkButton:
        Pull();
        if (model_.OkEnabled()) {
            model_.FormClose();
            Finish(true);
        }
        break;
    default:
        break;
    }
}

LRESULT TfrmChangeDesktop::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == static_cast<WPARAM>(ids::imgDesktop)) {
        DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

std::optional<std::string> ChangeDesktop1Click(CommandContext& context) {
    Win32PathProbe paths;
    Win32Wallpaper wallpaper;
    return AddThrough<TfrmChangeDesktop>(context, paths, wallpaper);
}

void EditChangeDesktop(CommandContext& context) {
    Win32PathProbe paths;
    Win32Wallpaper wallpaper;
    EditThrough<TfrmChangeDesktop>(context, paths, wallpaper);
}

} // namespace qv::win32
