#include "editor/win32/RunLogFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/TextView.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/RowIcons.h"

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr int Margin = 8;
constexpr int PathHeight = 18;
constexpr int ButtonWidth = 76;
constexpr int ButtonHeight = 25;

constexpr ControlSpec Controls[] = {
    {ids::RunLogPath, ControlKind::Label, 8, 8, 624, 18, ""},
    {ids::RunLogText, ControlKind::TextView, 8, 28, 624, 356, "", WS_VSCROLL | WS_HSCROLL, false,
     WS_EX_CLIENTEDGE},
    {ids::RunLogClose, ControlKind::DefaultButton, 556, 392, 76, 25, "&Close"},
};

FormSpec RunLogSpec() {
    RegisterTextViewClass();
    return {.className = ids::RunLogFrmClass,
            .title = RunLogFrmTitle,
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX,
            .exStyle = WS_EX_CONTROLPARENT,
            .width = 640,
            .height = 425,
            .controls = Controls,
            .defaultButton = ids::RunLogClose,
            .cancelButton = ids::RunLogClose,
            .initialFocus = ids::RunLogText,
            .placement = Placement::CentreOverOwner,
            .icon = EditorClassIcon()};
}

} // namespace

std::string NoRunLogText(const std::string& path) {
    return "There is no run log on this computer yet. qvrun.exe starts it at its first run, "
           "in:\r\n\r\n" +
           path;
}

TfrmRunLog::TfrmRunLog(MessageLoop& loop, HWND owner, const std::string& path, std::string text)
    : Dialog(loop, RunLogSpec(), owner, true) {
    if (!IsAlive()) {
        return;
    }
    Control(ids::RunLogPath).SetText(path);
    // The view takes the text as one string: a NUL left by a broken write would end it there.
    std::replace(text.begin(), text.end(), '\0', ' ');
    const Window view = Control(ids::RunLogText);
    view.SetText(text);
    Place();
    Layout();
    view.Send(WM_VSCROLL, SB_BOTTOM);
}

TfrmRunLog::~TfrmRunLog() {
    Destroy();
}

void TfrmRunLog::Layout() {
    const RECT client = Self().ClientRect();
    const int margin = Scale(Margin, Dpi());
    const int path = Scale(PathHeight, Dpi());
    const int width = Scale(ButtonWidth, Dpi());
    const int height = Scale(ButtonHeight, Dpi());
    const int right = std::max(margin, static_cast<int>(client.right) - margin);
    const int buttonTop = std::max(margin, static_cast<int>(client.bottom) - margin - height);
    Control(ids::RunLogPath).Move(margin, margin, right - margin, path);
    Control(ids::RunLogText)
        .Move(margin, margin + path + 2, right - margin,
              std::max(0, buttonTop - margin - (margin + path + 2)));
    Control(ids::RunLogClose).Move(std::max(margin, right - width), buttonTop, width, height);
}

void TfrmRunLog::OnDpiApplied() {
    Layout();
}

void TfrmRunLog::OnCommand(int id, int) {
    if (id == ids::RunLogClose) {
        Finish(true);
    }
}

LRESULT TfrmRunLog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        Layout();
        return 0;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
