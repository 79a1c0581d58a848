#include "editor/win32/TipFrm.h"

#include "common/win32/Controls.h"
#include "editor/core/ScriptDocument.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/HelpTopics.h"
#include "editor/win32/RowIcons.h"
#include "language/CompiledScript.h"
#include "language/Text.h"

#include <array>
#include <random>

namespace qv::win32 {
namespace {

constexpr ControlSpec Controls[] = {
    {ids::TipImage, ControlKind::OwnerDrawn, 12, 12, 48, 48, "", SS_NOTIFY},
    {ids::TipWelcome, ControlKind::Label, 72, 12, 336, 30, "Welcome to Quorvel", SS_NOTIFY},
    {ids::TipDidYouKnow, ControlKind::Label, 72, 50, 336, 18, "Did you know ....", SS_NOTIFY},
    {ids::TipText, ControlKind::Edit, 72, 72, 336, 112, "",
     ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, false, WS_EX_CLIENTEDGE},
    {ids::chkShowTips, ControlKind::CheckBox, 12, 194, 396, 18,
     "Show the Tips window next time your load Quorvel"},
    {ids::TipSave, ControlKind::Button, 12, 220, 64, 25, "&Save", 0, true},
    {ids::TipDelete, ControlKind::Button, 82, 220, 64, 25, "&Delete", 0, true},
    {ids::TipWhatsNew, ControlKind::Button, 176, 220, 76, 25, "Whats New"},
    {ids::TipNext, ControlKind::Button, 256, 220, 74, 25, "&Next"},
    {ids::TipClose, ControlKind::DefaultButton, 334, 220, 74, 25, "&Close"},
};

// The double-clicks that reveal the tips file's buttons, in order.
constexpr std::array<int, 3> Gesture = {ids::TipImage, ids::TipWelcome, ids::TipDidYouKnow};

} // namespace

std::vector<std::string> ParseTips(const std::string& text) {
    std::vector<std::string> tips;
    for (std::string& line : SplitLines(text)) {
        if (!Trim(line).empty()) {
            tips.push_back(std::move(line));
        }
    }
    return tips;
}

TfrmTip::TfrmTip(MessageLoop& loop, HWND owner, bool showTips, std::string tipsPath)
    : Dialog(loop,
             {.className = ids::TipFrmClass,
              .title = TipFrmTitle,
              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
              .exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT,
              .width = 420,
              .height = 252,
              .controls = Controls,
              .defaultButton = ids::TipClose,
              .cancelButton = ids::TipClose,
              .initialFocus = ids::TipNext,
              .placement = Placement::CentreOverOwner,
              .icon = EditorClassIcon()},
             owner, showTips),
      tipsPath_(std::move(tipsPath)) {
    if (!IsAlive()) {
        return;
    }
    MakeFonts();
    Control<Button>(ids::chkShowTips).SetChecked(showTips);
    std::string text;
    if (ReadWholeFile(tipsPath_, text).ok) {
        tips_ = ParseTips(text);
    }
    // A random tip among all but the last one.
    int first = 0;
    if (tips_.size() > 1) {
        std::random_device random;
        first = static_cast<int>(random() % (tips_.size() - 1));
    }
    ShowTip(tips_.empty() ? -1 : first);
    Place();
}

TfrmTip::~TfrmTip() {
    Destroy();
}

void TfrmTip::MakeFonts() {
    headingFont_ = CreateMessageFont(Dpi(), true, 20);
    boldFont_ = CreateMessageFont(Dpi(), true);
    Control(ids::TipWelcome).Send(WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.Get()), TRUE);
    Control(ids::TipDidYouKnow).Send(WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()), TRUE);
}

void TfrmTip::OnDpiApplied() {
    MakeFonts();
}

void TfrmTip::ShowTip(int index) {
    current_ = index;
    Control(ids::TipText).SetText(index >= 0 ? tips_[static_cast<std::size_t>(index)] : NoTipsText);
    Control(ids::TipNext).Enable(tips_.size() > 1);
    Control(ids::TipDelete).Enable(index >= 0);
}

void TfrmTip::NextClick() {
    if (!tips_.empty()) {
        ShowTip(static_cast<int>((static_cast<std::size_t>(current_ + 1)) % tips_.size()));
    }
}

bool TfrmTip::WriteTips() {
    std::string text;
    for (const std::string& tip : tips_) {
        text += tip + "\r\n";
    }
    const FileResult written = ReplaceFileAtomically(tipsPath_, text);
    if (!written.ok) {
        ::MessageBoxA(Handle(), written.error.c_str(),
                      std::string(editor::DeveloperCaption).c_str(), MB_OK | MB_ICONERROR);
    }
    return written.ok;
}

void TfrmTip::SaveClick() {
    std::string tip = Control(ids::TipText).Text();
    // One tip is one line of the file.
    for (char& c : tip) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    if (Trim(tip).empty()) {
        return;
    }
    tips_.push_back(Trim(tip));
    if (WriteTips()) {
        ShowTip(static_cast<int>(tips_.size()) - 1);
    } else {
        tips_.pop_back();
    }
}

void TfrmTip::DeleteClick() {
    if (current_ < 0 || current_ >= static_cast<int>(tips_.size())) {
        return;
    }
    const std::string removed = tips_[static_cast<std::size_t>(current_)];
    tips_.erase(tips_.begin() + current_);
    if (!WriteTips()) {
        tips_.insert(tips_.begin() + current_, removed);
        return;
    }
    ShowTip(tips_.empty() ? -1 : current_ % static_cast<int>(tips_.size()));
}

void TfrmTip::NoteDoubleClick(int id) {
    gesture_ = Gesture[gesture_] == id ? gesture_ + 1 : (Gesture[0] == id ? 1 : 0);
    if (gesture_ < Gesture.size()) {
        return;
    }
    gesture_ = 0;
    Control(ids::TipSave).SetVisible(true);
    Control(ids::TipDelete).SetVisible(true);
    Control<Edit>(ids::TipText).SetReadOnly(false);
}

void TfrmTip::OnCommand(int id, int code) {
    switch (id) {
    case ids::TipNext:
        NextClick();
        break;
    case ids::TipWhatsNew:
        OpenHelpTopic(Handle(), "Whats_New...");
        break;
    case ids::TipClose:
        Finish(Control<Button>(ids::chkShowTips).Checked());
        break;
    case ids::TipSave:
        SaveClick();
        break;
    case ids::TipDelete:
        DeleteClick();
        break;
    case ids::TipImage:
    case ids::TipWelcome:
    case ids::TipDidYouKnow:
        if (code == STN_DBLCLK) {
            NoteDoubleClick(id);
        }
        break;
    default:
        break;
    }
}

LRESULT TfrmTip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == static_cast<WPARAM>(ids::TipImage)) {
        DrawProgramPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
