#include "editor/win32/CompileFrm.h"

#include "common/win32/Controls.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/RowIcons.h"
#include "language/CompiledScript.h"
#include "language/Diamond.h"
#include "language/Text.h"

namespace qv::win32 {
namespace {

constexpr UINT_PTR Timer1 = 1;
constexpr UINT_PTR Timer2 = 2;

constexpr ControlSpec Controls[] = {
    {ids::Label1, ControlKind::Label, 8, 8, 120, 16, "Compiling : "},
    {ids::Progress, ControlKind::ProgressBar, 8, 32, 289, 16, ""},
    {ids::Comment, ControlKind::Label, 8, 56, 289, 32, "Compiling", SS_CENTER | SS_NOPREFIX},
};

} // namespace

TfrmCompile::TfrmCompile(MessageLoop& loop, HWND owner, std::string sourcePath)
    : Dialog(loop,
             {.className = ids::CompileFrmClass,
              .title = CompileFrmTitle,
              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_BORDER,
              .exStyle = WS_EX_TOPMOST,
              .width = CompileFrmClientWidth,
              .height = CompileFrmClientHeight,
              .controls = Controls,
              .placement = Placement::CentreOverOwner,
              .icon = EditorClassIcon()},
             owner, std::string()),
      sourcePath_(std::move(sourcePath)) {
    if (IsAlive()) {
        ::SetTimer(Handle(), Timer1, CompileTickMs, nullptr);
    }
}

TfrmCompile::~TfrmCompile() {
    Destroy();
}

void TfrmCompile::Timer1Timer() {
    ::KillTimer(Handle(), Timer1);
    if (compiling_) {
        return;
    }
    compiling_ = true;
    const std::string error = Compile();
    compiling_ = false;
    Finish(error);
}

void TfrmCompile::Timer2Timer() {
    tickSeen_ = true;
    ::KillTimer(Handle(), Timer2);
}

void TfrmCompile::WaitForTick() {
    tickSeen_ = false;
    ::SetTimer(Handle(), Timer2, CompileTickMs, nullptr);
    while (!tickSeen_ && !hurry_ && IsAlive() && !Loop().QuitRequested()) {
        ::WaitMessage();
        Loop().ProcessMessages();
    }
}

std::string TfrmCompile::Compile() {
    std::string source;
    if (const FileResult read = ReadWholeFile(sourcePath_, source); !read.ok) {
        return read.error;
    }
    const std::vector<std::string> lines = SplitLines(source);
    ProgressBar progress = Control<ProgressBar>(ids::Progress);
    Window comment = Control(ids::Comment);
    progress.SetRange(0, static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size() && IsAlive(); ++i) {
        progress.SetPosition(static_cast<int>(i));
        if (lines[i] != SkippedSourceLine) {
            comment.SetText(lines[i]);
        }
        if (!hurry_) {
            WaitForTick();
        }
    }
    if (!IsAlive()) {
        return {};
    }
    progress.SetPosition(static_cast<int>(lines.size()));
    comment.SetText("Completed");
    ::UpdateWindow(Handle());
    const TDiamond cipher(ScriptKey);
    const FileResult written =
        ReplaceFileAtomically(CompiledPathFor(sourcePath_), CompiledFileBytes(source, cipher));
    return written.ok ? std::string() : written.error;
}

void TfrmCompile::OnClose() {
    // The dialog closes itself when the file is written; the close box only skips the pacing.
    hurry_ = true;
}

LRESULT TfrmCompile::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        if (wParam == Timer1) {
            Timer1Timer();
        } else if (wParam == Timer2) {
            Timer2Timer();
        }
        return 0;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
