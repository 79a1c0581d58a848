#pragma once
// The end-to-end driver: finds the interpreter's windows from outside, reads and presses their
// controls, starts programs and waits for them. Every wait is bounded.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qv::e2e {

// The process a command chain started; window look-ups are limited to it when set.
struct Session {
    HANDLE process = nullptr;
    DWORD processId = 0;
    DWORD startTick = 0; // when the program was started
    DWORD markTick = 0;  // when the last wait-window found its window
};

// A window is named by its exact title, or by "class=NAME" for windows whose title changes.
HWND FindTopWindow(const std::string& name, DWORD processId, bool visibleOnly);
HWND WaitTopWindow(const std::string& name, DWORD processId, DWORD timeoutMs);
// A control by interpreter control name (ControlIds.h), decimal ID, or "class=NAME".
HWND FindControl(HWND top, const std::string& control);
bool ReadWindowText(HWND window, std::string& text);
bool PressButton(HWND button);

bool StartProgram(const std::vector<std::string>& commandLine, Session& session);
// Waits for the end of the session's process; false on time-out.
bool WaitProcess(const Session& session, DWORD timeoutMs, DWORD& exitCode);
std::vector<DWORD> ProcessesNamed(const std::string& imageName);
bool TerminateById(DWORD processId);

std::string QuoteArgument(const std::string& argument);

// The editor's list view, read from outside: one line per row, its columns separated by TAB.
bool ReadListRows(HWND list, std::string& rows);
// Selects and focuses one row of a list view in another program, and no other.
bool SelectListRow(HWND list, int row);
// The number of rows of a list view in another program; -1 when it does not answer.
int ListRowCount(HWND list);
// The overlay image number a row of a list view carries (0: none); -1 when it does not answer.
int ListRowOverlay(HWND list, int row);
// A control or command of the editor by its name in editor/win32/ControlIds.h.
std::optional<int> EditorCommandId(const std::string& name);

// Windows of the driver's own, for the commands that act on other programs' windows: a titled
// top-level window holding one edit control, kept alive by a thread of its own.
bool OpenOwnWindow(const std::string& title);
// Waits until the driver's window of that title has been destroyed; false on time-out.
bool WaitOwnWindowClosed(const std::string& title, DWORD timeoutMs);
// The text of the edit control of the driver's window of that title.
bool ReadOwnWindowEdit(const std::string& title, std::string& text);

} // namespace qv::e2e
