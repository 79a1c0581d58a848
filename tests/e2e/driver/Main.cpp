#include "Driver.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// Usage: qvdriver STEP [+ STEP]...
// The steps of one invocation share the process that a "start" step launched: window look-ups
// are limited to it, and it is terminated when a later step fails, so that no scenario leaves an
// interpreter behind. Exit code 0 when every step succeeded, 1 when one failed, 2 on misuse.

namespace qv::e2e {
namespace {

using Args = std::vector<std::string>;

void Report(const std::string& message) {
    std::fprintf(stderr, "qvdriver: %s\n", message.c_str());
    std::fflush(stderr);
}

// Raw bytes: the C runtime's text mode would turn the texts' LF into CR LF.
bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

bool WriteOut(const std::string& bytes, const std::string& path) {
    if (path.empty())
        return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = WriteAll(file, bytes);
    CloseHandle(file);
    return ok;
}

DWORD Number(const std::string& text) {
    return static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 10));
}

// An exit status with both severity bits set is an unhandled exception, that is a crash.
bool IsCrashStatus(DWORD code) {
    return (code & 0xC0000000u) == 0xC0000000u;
}

struct Step {
    const char* name;
    size_t minArgs;
    size_t maxArgs;
    std::function<bool(const Args&, Session&)> run;
};

HWND RequireTop(const std::string& name, const Session& session) {
    // A visible window first: a program may also keep hidden windows with the same title.
    HWND top = FindTopWindow(name, session.processId, true);
    if (!top)
        top = FindTopWindow(name, session.processId, false);
    if (!top)
        Report("no window \"" + name + "\"");
    return top;
}

HWND RequireControl(const Args& args, const Session& session) {
    HWND top = RequireTop(args[0], session);
    if (!top)
        return nullptr;
    HWND control = FindControl(top, args[1]);
    if (!control)
        Report("no control " + args[1] + " in \"" + args[0] + "\"");
    return control;
}

bool StepStart(const Args& args, Session& session) {
    if (session.process) {
        Report("start: one program per invocation");
        return false;
    }
    session.startTick = GetTickCount();
    if (!StartProgram(args, session)) {
        Report("cannot start " + args[0] + " (error " + std::to_string(GetLastError()) + ")");
        return false;
    }
    Report("started process " + std::to_string(session.processId));
    return true;
}

bool StepWaitWindow(const Args& args, Session& session) {
    if (WaitTopWindow(args[0], session.processId, Number(args[1]))) {
        session.markTick = GetTickCount();
        return true;
    }
    Report("no visible window \"" + args[0] + "\" within " + args[1] + " ms");
    return false;
}

// For controls that show only in a certain state, such as the countdown during a wait.
bool StepWaitShown(const Args& args, Session& session) {
    HWND control = RequireControl(args, session);
    if (!control)
        return false;
    DWORD start = GetTickCount();
    while (!IsWindowVisible(control)) {
        if (GetTickCount() - start >= Number(args[2])) {
            Report(args[1] + " not shown within " + args[2] + " ms");
            return false;
        }
        Sleep(10);
    }
    return true;
}

bool StepVisible(const Args& args, Session& session) {
    if (FindTopWindow(args[0], session.processId, true))
        return true;
    Report("window \"" + args[0] + "\" is not visible");
    return false;
}

bool StepHidden(const Args& args, Session& session) {
    if (!FindTopWindow(args[0], session.processId, true))
        return true;
    Report("window \"" + args[0] + "\" is visible");
    return false;
}

bool StepText(const Args& args, Session& session) {
    HWND control = RequireControl(args, session);
    if (!control)
        return false;
    std::string text;
    if (!ReadWindowText(control, text)) {
        Report("cannot read the text of " + args[1]);
        return false;
    }
    if (!WriteOut(text, args.size() > 2 ? args[2] : std::string())) {
        Report("cannot write the text of " + args[1]);
        return false;
    }
    return true;
}

bool StepExpectText(const Args& args, Session& session) {
    HWND control = RequireControl(args, session);
    std::string text;
    if (!control || !ReadWindowText(control, text)) {
        Report("cannot read the text of " + args[1]);
        return false;
    }
    if (text == args[2])
        return true;
    Report(args[1] + " reads \"" + text + "\", not \"" + args[2] + "\"");
    return false;
}

bool StepControlShown(const Args& args, Session& session, bool wanted) {
    HWND control = RequireControl(args, session);
    if (!control)
        return false;
    if ((IsWindowVisible(control) != FALSE) == wanted)
        return true;
    Report(args[1] + (wanted ? " is hidden" : " is visible"));
    return false;
}

// For a dialog that is reused: its text tells which question it asks now.
bool StepWaitText(const Args& args, Session& session) {
    DWORD start = GetTickCount();
    std::string text;
    for (;;) {
        HWND top = FindTopWindow(args[0], session.processId, true);
        HWND control = top ? FindControl(top, args[1]) : nullptr;
        if (control && ReadWindowText(control, text) && text == args[2])
            return true;
        if (GetTickCount() - start >= Number(args[3])) {
            Report(args[1] + " of \"" + args[0] + "\" did not read \"" + args[2] + "\" within " +
                   args[3] + " ms (last \"" + text + "\")");
            return false;
        }
        Sleep(10);
    }
}

// Waits for one window while another must never show, for a run that is to stay out of sight.
bool StepWaitWindowUnseen(const Args& args, Session& session) {
    DWORD start = GetTickCount();
    for (;;) {
        if (FindTopWindow(args[2], session.processId, true)) {
            Report("window \"" + args[2] + "\" was shown");
            return false;
        }
        if (FindTopWindow(args[0], session.processId, true))
            return true;
        if (GetTickCount() - start >= Number(args[1])) {
            Report("no visible window \"" + args[0] + "\" within " + args[1] + " ms");
            return false;
        }
        Sleep(5);
    }
}

bool StepOpenWindow(const Args& args, Session&) {
    if (OpenOwnWindow(args[0]))
        return true;
    Report("cannot open a window \"" + args[0] + "\"");
    return false;
}

bool StepWaitClosed(const Args& args, Session&) {
    if (WaitOwnWindowClosed(args[0], Number(args[1])))
        return true;
    Report("window \"" + args[0] + "\" was not closed within " + args[1] + " ms");
    return false;
}

bool StepOwnText(const Args& args, Session&) {
    std::string text;
    if (!ReadOwnWindowEdit(args[0], text)) {
        Report("cannot read the edit control of \"" + args[0] + "\"");
        return false;
    }
    return WriteOut(text, args.size() > 1 ? args[1] : std::string());
}

bool StepEnabled(const Args& args, Session& session, bool wanted) {
    HWND control = RequireControl(args, session);
    if (!control)
        return false;
    if ((IsWindowEnabled(control) != FALSE) == wanted)
        return true;
    Report(args[1] + (wanted ? " is disabled" : " is enabled"));
    return false;
}

bool StepClick(const Args& args, Session& session) {
    HWND control = RequireControl(args, session);
    if (!control)
        return false;
    if (PressButton(control))
        return true;
    Report(args[1] + " cannot be pressed (disabled or hidden)");
    return false;
}

// Ticks (1) or clears (0) a check box, as the user's click leaves it.
bool StepCheck(const Args& args, Session& session) {
    HWND box = RequireControl(args, session);
    if (!box || !IsWindowEnabled(box) || !IsWindowVisible(box)) {
        Report(args[1] + " cannot be ticked (missing, disabled or hidden)");
        return false;
    }
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(box, BM_SETCHECK, Number(args[2]) != 0 ? BST_CHECKED : BST_UNCHECKED,
                               0, SMTO_NORMAL, 60000, &result) != 0;
}

bool StepClose(const Args& args, Session& session) {
    HWND top = RequireTop(args[0], session);
    return top && PostMessageA(top, WM_CLOSE, 0, 0);
}

bool StepWaitExit(const Args& args, Session& session) {
    if (!session.process) {
        Report("wait-exit: no program was started");
        return false;
    }
    DWORD code = 0;
    if (!WaitProcess(session, Number(args[0]), code)) {
        Report("the program did not end within " + args[0] + " ms");
        return false;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
    if (IsCrashStatus(code)) {
        Report(std::string("the program crashed, status ") + hex);
        return false;
    }
    Report(std::string("the program ended with exit code ") + hex);
    return true;
}

bool StepTerminate(const Args&, Session& session) {
    if (!session.process) {
        Report("terminate: no program was started");
        return false;
    }
    TerminateProcess(session.process, 1);
    return WaitForSingleObject(session.process, 5000) == WAIT_OBJECT_0;
}

bool StepWaitGone(const Args& args, Session&) {
    DWORD start = GetTickCount();
    DWORD limit = Number(args[1]);
    while (!ProcessesNamed(args[0]).empty()) {
        if (GetTickCount() - start >= limit) {
            Report(args[0] + " still runs after " + args[1] + " ms");
            return false;
        }
        Sleep(50);
    }
    return true;
}

bool StepNone(const Args& args, Session&) {
    auto left = ProcessesNamed(args[0]);
    for (DWORD id : left) {
        Report(args[0] + " left behind (process " + std::to_string(id) + "), terminating it");
        TerminateById(id);
    }
    return left.empty();
}

bool StepKill(const Args& args, Session&) {
    return TerminateById(Number(args[0]));
}

bool StepNames(const Args&, Session&) {
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD computerSize = sizeof computer;
    char user[256] = {};
    DWORD userSize = sizeof user;
    char windows[MAX_PATH] = {};
    char temp[MAX_PATH] = {};
    if (!GetComputerNameA(computer, &computerSize) || !GetUserNameA(user, &userSize) ||
        !GetWindowsDirectoryA(windows, sizeof windows) || !GetTempPathA(sizeof temp, temp)) {
        Report("cannot read the computer name, user name, Windows folder or temporary folder");
        return false;
    }
    return WriteOut(std::string(computer) + "\n" + user + "\n" + windows + "\n" + temp + "\n", {});
}

bool StepSleep(const Args& args, Session&) {
    Sleep(Number(args[0]));
    return true;
}

// Wine closes its virtual desktop a moment after the last program on it ends; a program starting
// in that moment is handed the closing desktop's window and fails. Holding on to the desktop
// between the scenarios' programs keeps it open, as a Windows desktop is.
bool StepHold(const Args& args, Session&) {
    GetDesktopWindow();
    Sleep(Number(args[0]));
    return true;
}

// A crash under Wine would otherwise open a dialog and wait for a user that never comes.
bool StepNoCrashDialog(const Args&, Session&) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    DWORD off = 0;
    bool ok = RegSetValueExA(key, "ShowCrashDialog", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&off), sizeof off) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool StepRows(const Args& args, Session& session) {
    HWND list = RequireControl(args, session);
    std::string rows;
    if (!list || !ReadListRows(list, rows)) {
        Report("cannot read the rows of " + args[1]);
        return false;
    }
    return WriteOut(rows, args.size() > 2 ? args[2] : std::string());
}

// Waits until the list holds COUNT rows and prints the milliseconds since the last wait-window
// found its window (else since the program started, else since the step began): a long load or
// refresh, timed from outside.
bool StepTimeRows(const Args& args, Session& session) {
    const DWORD begin = session.markTick  ? session.markTick
                        : session.process ? session.startTick
                                          : GetTickCount();
    const int wanted = static_cast<int>(Number(args[2]));
    for (;;) {
        HWND top = FindTopWindow(args[0], session.processId, true);
        HWND list = top ? FindControl(top, args[1]) : nullptr;
        if (list && ListRowCount(list) == wanted)
            return WriteOut(std::to_string(GetTickCount() - begin) + "\n", {});
        if (GetTickCount() - begin >= Number(args[3])) {
            Report(args[1] + " did not hold " + args[2] + " rows within " + args[3] + " ms");
            return false;
        }
        Sleep(1);
    }
}

// Opens a file for reading, sharing neither writing nor deleting, until the driver ends: another
// program cannot replace it meanwhile.
bool StepHoldFile(const Args& args, Session&) {
    HANDLE file = CreateFileA(args[0].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Report("cannot open " + args[0]);
        return false;
    }
    return true;
}

// Waits until no window of that name is visible any more (a dialog that closes itself).
bool StepWaitUnseen(const Args& args, Session& session) {
    DWORD start = GetTickCount();
    while (FindTopWindow(args[0], session.processId, true)) {
        if (GetTickCount() - start >= Number(args[1])) {
            Report("window \"" + args[0] + "\" still shown after " + args[1] + " ms");
            return false;
        }
        Sleep(10);
    }
    return true;
}

// Waits until row ROW of a list reads TEXT in its first column: the effect of a posted key.
bool StepWaitRow(const Args& args, Session& session) {
    HWND list = RequireControl(args, session);
    if (!list)
        return false;
    const std::size_t wanted = Number(args[2]);
    const DWORD start = GetTickCount();
    std::string title;
    for (;;) {
        std::string rows;
        if (ReadListRows(list, rows)) {
            std::size_t begin = 0;
            for (std::size_t row = 0; row < wanted && begin != std::string::npos; ++row) {
                begin = rows.find('\n', begin);
                begin = begin == std::string::npos ? begin : begin + 1;
            }
            title = begin == std::string::npos ? std::string()
                                               : rows.substr(begin, rows.find('\t', begin) - begin);
            if (begin != std::string::npos && title == args[3])
                return true;
        }
        if (GetTickCount() - start >= Number(args[4])) {
            Report("row " + args[2] + " reads \"" + title + "\", not \"" + args[3] + "\"");
            return false;
        }
        Sleep(10);
    }
}

// The overlay a list row carries, such as the editor's mark of a row with a problem.
bool StepOverlay(const Args& args, Session& session) {
    HWND list = RequireControl(args, session);
    if (!list)
        return false;
    const int overlay = ListRowOverlay(list, static_cast<int>(Number(args[2])));
    if (overlay == static_cast<int>(Number(args[3])))
        return true;
    Report("row " + args[2] + " of " + args[1] + " carries overlay " + std::to_string(overlay) +
           ", not " + args[3]);
    return false;
}

// Waits until a control's text holds TEXT: the effect of a posted press on a long text.
bool StepWaitContains(const Args& args, Session& session) {
    const DWORD start = GetTickCount();
    std::string text;
    for (;;) {
        HWND top = FindTopWindow(args[0], session.processId, true);
        HWND control = top ? FindControl(top, args[1]) : nullptr;
        if (control && ReadWindowText(control, text) && text.find(args[2]) != std::string::npos)
            return true;
        if (GetTickCount() - start >= Number(args[3])) {
            Report(args[1] + " of \"" + args[0] + "\" did not hold \"" + args[2] + "\" within " +
                   args[3] + " ms");
            return false;
        }
        Sleep(10);
    }
}

// Replaces a control's text, as a paste of the whole text would (backslash-n stands for CR LF).
bool StepSetText(const Args& args, Session& session) {
    HWND control = RequireControl(args, session);
    if (!control)
        return false;
    std::string text;
    for (std::size_t i = 0; i < args[2].size(); ++i) {
        if (args[2][i] == '\\' && i + 1 < args[2].size() && args[2][i + 1] == 'n') {
            text += "\r\n";
            ++i;
        } else {
            text += args[2][i];
        }
    }
    DWORD_PTR done = 0;
    if (SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                            SMTO_NORMAL, 60000, &done) &&
        done)
        return true;
    Report("cannot set the text of " + args[1]);
    return false;
}

bool StepSelect(const Args& args, Session& session) {
    HWND list = RequireControl(args, session);
    if (list && SelectListRow(list, static_cast<int>(Number(args[2]))))
        return true;
    Report("cannot select row " + args[2] + " of " + args[1]);
    return false;
}

// A menu or tool-bar command of the editor, posted as its menu would send it.
bool StepCommand(const Args& args, Session& session) {
    HWND top = RequireTop(args[0], session);
    std::optional<int> id = EditorCommandId(args[1]);
    DWORD number = 0;
    if (!id && !args[1].empty() && args[1].find_first_not_of("0123456789") == std::string::npos)
        number = Number(args[1]);
    if (!top || (!id && number == 0)) {
        Report("no command " + args[1]);
        return false;
    }
    return PostMessageA(top, WM_COMMAND, MAKEWPARAM(id ? *id : number, 0), 0) != 0;
}

// A key pressed in a control: the key down and up as the keyboard would post them.
bool StepKey(const Args& args, Session& session) {
    HWND control = RequireControl(args, session);
    if (!control)
        return false;
    const WPARAM key = Number(args[2]);
    return PostMessageA(control, WM_KEYDOWN, key, 1) != 0 &&
           PostMessageA(control, WM_KEYUP, key, 0xC0000001) != 0;
}

const Step Steps[] = {
    {"rows", 2, 3, StepRows},
    {"wait-unseen", 2, 2, StepWaitUnseen},
    {"hold-file", 1, 1, StepHoldFile},
    {"time-rows", 4, 4, StepTimeRows},
    {"command", 2, 2, StepCommand},
    {"select", 3, 3, StepSelect},
    {"set-text", 3, 3, StepSetText},
    {"wait-row", 5, 5, StepWaitRow},
    {"overlay", 4, 4, StepOverlay},
    {"wait-contains", 4, 4, StepWaitContains},
    {"key", 3, 3, StepKey},
    {"start", 1, SIZE_MAX, StepStart},
    {"wait-window", 2, 2, StepWaitWindow},
    {"wait-shown", 3, 3, StepWaitShown},
    {"visible", 1, 1, StepVisible},
    {"hidden", 1, 1, StepHidden},
    {"text", 2, 3, StepText},
    {"expect-text", 3, 3, StepExpectText},
    {"enabled", 2, 2, [](const Args& a, Session& s) { return StepEnabled(a, s, true); }},
    {"disabled", 2, 2, [](const Args& a, Session& s) { return StepEnabled(a, s, false); }},
    {"control-visible", 2, 2,
     [](const Args& a, Session& s) { return StepControlShown(a, s, true); }},
    {"control-hidden", 2, 2,
     [](const Args& a, Session& s) { return StepControlShown(a, s, false); }},
    {"wait-text", 4, 4, StepWaitText},
    {"wait-window-unseen", 3, 3, StepWaitWindowUnseen},
    {"open-window", 1, 1, StepOpenWindow},
    {"wait-closed", 2, 2, StepWaitClosed},
    {"own-text", 1, 2, StepOwnText},
    {"click", 2, 2, StepClick},
    {"check", 3, 3, StepCheck},
    {"close", 1, 1, StepClose},
    {"wait-exit", 1, 1, StepWaitExit},
    {"terminate", 0, 0, StepTerminate},
    {"wait-gone", 2, 2, StepWaitGone},
    {"none", 1, 1, StepNone},
    {"kill", 1, 1, StepKill},
    {"names", 0, 0, StepNames},
    {"sleep", 1, 1, StepSleep},
    {"no-crash-dialog", 0, 0, StepNoCrashDialog},
    {"hold", 1, 1, StepHold},
};

const Step* FindStep(const std::string& name) {
    for (const auto& step : Steps) {
        if (name == step.name)
            return &step;
    }
    return nullptr;
}

int Usage() {
    std::fputs(
        "usage: qvdriver STEP [+ STEP]...\n"
        "  start EXE [ARG]...          start a program\n"
        "  wait-window WINDOW MS       wait until WINDOW is visible\n"
        "  wait-shown WINDOW CONTROL MS  wait until a control is visible\n"
        "  wait-window-unseen WINDOW MS OTHER  wait for WINDOW; fails if OTHER shows\n"
        "  wait-text WINDOW CONTROL TEXT MS  wait until a control reads TEXT\n"
        "  visible WINDOW | hidden WINDOW\n"
        "  text WINDOW CONTROL [FILE]  the control's text, raw, to FILE or stdout\n"
        "  expect-text WINDOW CONTROL TEXT\n"
        "  enabled WINDOW CONTROL | disabled WINDOW CONTROL\n"
        "  control-visible WINDOW CONTROL | control-hidden WINDOW CONTROL\n"
        "  click WINDOW CONTROL        press a button (fails when disabled or hidden)\n"
        "  check WINDOW CONTROL 0|1    tick or clear a check box\n"
        "  wait-unseen WINDOW MS       wait until no window WINDOW is visible\n"
        "  hold-file PATH              keep PATH open, unshared, until the driver ends\n"
        "  rows WINDOW LIST [FILE]     a list view's rows, columns separated by TAB\n"
        "  time-rows WINDOW LIST N MS  wait for N rows; print the ms since the last\n"
        "                              wait-window (else since the start)\n"
        "  command WINDOW NAME         post the editor's menu command NAME (or a number)\n"
        "  select WINDOW LIST ROW      select and focus one row of a list view\n"
        "  set-text WINDOW CONTROL TEXT  replace a control's text (\\n for a line end)\n"
        "  wait-row WINDOW LIST ROW TITLE MS  wait until that row's title reads TITLE\n"
        "  key WINDOW CONTROL VK       post a key (a virtual-key number) to a control\n"
        "  close WINDOW                ask the window to close\n"
        "  wait-exit MS                wait for the started program; fails on a crash\n"
        "  terminate                   end the started program\n"
        "  wait-gone IMAGE MS | none IMAGE | kill PID\n"
        "  names                       computer and user names, Windows and temporary folders\n"
        "  sleep MS | no-crash-dialog\n"
        "  hold MS                     stay on the desktop, keeping Wine's virtual desktop\n"
        "  open-window TITLE           open a window of the driver's own, with an edit\n"
        "  wait-closed TITLE MS        wait until that window has been closed\n"
        "  own-text TITLE [FILE]       the text of that window's edit control\n"
        "WINDOW is an exact title or class=NAME; CONTROL a name from the interpreter's\n"
        "or the editor's control IDs (LoadingAppName, ListView1, ...), MessageText, OK, a\n"
        "number or class=NAME.\n",
        stderr);
    return 2;
}

} // namespace
} // namespace qv::e2e

int main(int argc, char** argv) {
    using namespace qv::e2e;
    std::vector<std::pair<const Step*, Args>> chain;
    Args current;
    auto flush = [&]() -> bool {
        if (current.empty())
            return false;
        const Step* step = FindStep(current.front());
        Args args(current.begin() + 1, current.end());
        if (!step || args.size() < step->minArgs || args.size() > step->maxArgs)
            return false;
        chain.emplace_back(step, std::move(args));
        current.clear();
        return true;
    };
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "+") {
            if (!flush())
                return Usage();
        } else {
            current.emplace_back(argv[i]);
        }
    }
    if (!flush())
        return Usage();

    Session session;
    for (const auto& [step, args] : chain) {
        if (step->run(args, session))
            continue;
        Report(std::string("step \"") + step->name + "\" failed");
        if (session.process && WaitForSingleObject(session.process, 0) == WAIT_TIMEOUT) {
            Report("terminating the started program");
            TerminateProcess(session.process, 1);
            WaitForSingleObject(session.process, 5000);
        }
        return 1;
    }
    return 0;
}
