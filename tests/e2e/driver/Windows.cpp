#include "Driver.h"

#include "interpreter/win32/ControlIds.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace qv::e2e {
namespace {

constexpr std::string_view ClassPrefix = "class=";
// Cross-process messages are bounded, so a hung interpreter fails the step instead of the run.
// Not SMTO_ABORTIFHUNG: a program that has just finished a long run without pumping messages
// counts as hung for a few seconds, though it answers as soon as its dialog's loop starts.
constexpr UINT MessageTimeoutMs = 60000;

// The controls of the system's own message boxes, beside the interpreter's.
constexpr qv::win32::ControlName SystemControls[] = {
    // The static that holds a message box's text.
    {"MessageText", 0xFFFF}, {"OK", IDOK}, {"Yes", IDYES}, {"No", IDNO}, {"Cancel", IDCANCEL},
};

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TitleOf(HWND window) {
    // GetWindowText reads a top-level window's title without sending it a message.
    char title[1024] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

bool Matches(HWND window, const std::string& name) {
    if (std::string_view(name).starts_with(ClassPrefix))
        return ClassOf(window) == name.substr(ClassPrefix.size());
    return TitleOf(window) == name;
}

struct TopSearch {
    const std::string* name;
    DWORD processId;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK VisitTop(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<TopSearch*>(param);
    if (search.processId != 0) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search.processId)
            return TRUE;
    }
    if (search.visibleOnly && !IsWindowVisible(window))
        return TRUE;
    if (!Matches(window, *search.name))
        return TRUE;
    search.found = window;
    return FALSE;
}

struct ChildSearch {
    int id;
    std::string className;
    HWND found;
};

BOOL CALLBACK VisitChild(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<ChildSearch*>(param);
    bool hit = search.className.empty() ? GetDlgCtrlID(window) == search.id
                                        : ClassOf(window) == search.className;
    if (!hit)
        return TRUE;
    search.found = window;
    return FALSE;
}

bool ParseId(const std::string& text, int& id) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    id = std::atoi(text.c_str());
    return true;
}

} // namespace

HWND FindTopWindow(const std::string& name, DWORD processId, bool visibleOnly) {
    TopSearch search{&name, processId, visibleOnly, nullptr};
    EnumWindows(VisitTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitTopWindow(const std::string& name, DWORD processId, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindTopWindow(name, processId, true))
            return window;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        // A short poll: the header-only run shows its window for only about half a second.
        Sleep(10);
    }
}

HWND FindControl(HWND top, const std::string& control) {
    ChildSearch search{0, {}, nullptr};
    if (std::string_view(control).starts_with(ClassPrefix)) {
        search.className = control.substr(ClassPrefix.size());
    } else if (!ParseId(control, search.id)) {
        std::optional<int> id = qv::win32::FindControlId(qv::ids::QvrunControls, control);
        if (!id)
            id = EditorCommandId(control);
        if (!id)
            id = qv::win32::FindControlId(SystemControls, control);
        if (!id)
            return nullptr;
        search.id = *id;
    }
    EnumChildWindows(top, VisitChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ReadWindowText(HWND window, std::string& text) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, MessageTimeoutMs,
                             &length))
        return false;
    std::string buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL, MessageTimeoutMs,
                             &copied))
        return false;
    buffer.resize(copied);
    text = std::move(buffer);
    return true;
}

bool PressButton(HWND button) {
    // A user cannot press a disabled or hidden button, so neither can the driver.
    if (!IsWindowEnabled(button) || !IsWindowVisible(button))
        return false;
    // Posted, not sent: the press may open a modal dialog, which must not block the driver.
    HWND parent = GetParent(button);
    return PostMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != 0;
}

} // namespace qv::e2e
