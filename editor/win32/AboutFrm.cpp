#include "editor/win32/AboutFrm.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/RowIcons.h"

namespace qv::win32 {
namespace {

constexpr ControlSpec Controls[] = {
    {ids::AboutImage, ControlKind::OwnerDrawn, 16, 16, 48, 48, ""},
    {ids::AboutProduct, ControlKind::Label, 80, 18, 200, 26, "Quorvel Developer"},
    {ids::AboutVersion, ControlKind::Label, 80, 48, 200, 18, "Quorvel Version : 2.0"},
    {ids::AboutOK, ControlKind::DefaultButton, 108, 84, 80, 25, "OK"},
};

} // namespace

TfrmAbout::TfrmAbout(MessageLoop& loop, HWND owner)
    : Dialog(loop,
             {.className = ids::AboutFrmClass,
              .title = AboutFrmTitle,
              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
              .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
              .width = 296,
              .height = 120,
              .controls = Controls,
              .defaultButton = ids::AboutOK,
              .cancelButton = ids::AboutOK,
              .placement = Placement::CentreOverOwner,
              .icon = EditorClassIcon()},
             owner, true) {
    if (IsAlive()) {
        OnDpiApplied();
        Place();
    }
}

TfrmAbout::~TfrmAbout() {
    Destroy();
}

void TfrmAbout::OnDpiApplied() {
    productFont_ = CreateMessageFont(Dpi(), true, 16);
    Control(ids::AboutProduct).Send(WM_SETFONT, reinterpret_cast<WPARAM>(productFont_.Get()), TRUE);
}

void TfrmAbout::OnCommand(int id, int) {
    if (id == ids::AboutOK) {
        Finish(true);
    }
}

LRESULT TfrmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == static_cast<WPARAM>(ids::AboutImage)) {
        DrawProgramPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
