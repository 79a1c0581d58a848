#include "interpreter/win32/Win32Host.h"

#include "common/win32/ProgramFolder.h"

#include "common/win32/Owners.h"
#include "interpreter/win32/StartFrm.h"
#include "interpreter/win32/dialogs/ErrorFrm.h"
#include "interpreter/win32/dialogs/PromptFrm.h"

#include <new>

namespace qv::win32 {

Win32Host::Win32Host(MessageLoop& loop, HWND appWindow, TStartFrm& form)
    : loop_(loop), appWindow_(appWindow), form_(form) {}

HWND Win32Host::DialogOwner() const {
    // An owner that is hidden or minimised would hide the dialog with it.
    HWND form = form_.Handle();
    if (form != nullptr && ::IsWindowVisible(form) && !::IsIconic(form)) {
        return form;
    }
    return nullptr;
}

int Win32Host::ShowMessageBox(const std::string& text, const std::string& title,
                              interp::MessageBoxKind kind) {
    return ::MessageBoxA(DialogOwner(), text.c_str(), title.c_str(), static_cast<UINT>(kind));
}

void Win32Host::ShowErrorLog(const std::string& text) {
    TfrmError dialog(loop_, appWindow_, text);
    dialog.ShowModal(form_.Handle());
}

std::optional<std::vector<bool>>
Win32Host::PromptPendingCommands(const std::vector<std::string>& entries) {
    TfrmPrompt dialog(loop_, appWindow_, entries);
    return dialog.ShowModal(form_.Handle());
}

bool Win32Host::FileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Host::ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    try {
        LARGE_INTEGER size{};
        if (::GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0) {
            bytes.reserve(static_cast<std::size_t>(size.QuadPart));
        }
        char buffer[64 * 1024];
        for (;;) {
            DWORD got = 0;
            if (!::ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr)) {
                bytes.clear();
                return false;
            }
            if (got == 0) {
                return true;
            }
            bytes.append(buffer, got);
        }
    } catch (const std::bad_alloc&) {
        bytes.clear();
        bytes.shrink_to_fit();
        return false;
    }
}

std::string Win32Host::WindowsFolder() {
    char buffer[256 + 1] = {};
    const UINT length = ::GetWindowsDirectoryA(buffer, 256);
    if (length == 0 || length > 256) {
        return {};
    }
    std::string folder(buffer, length);
    if (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

std::string Win32Host::UserName() {
    char buffer[256] = {};
    DWORD size = 255;
    if (!::GetUserNameA(buffer, &size)) {
        return {};
    }
    return buffer;
}

std::string Win32Host::ComputerName() {
    char buffer[256] = {};
    DWORD size = 255;
    if (!::GetComputerNameA(buffer, &size)) {
        return {};
    }
    return buffer;
}

std::string Win32Host::ProgramFolder() {
    return win32::ProgramFolder();
}

interp::DateTime ToDateTime(const SYSTEMTIME& time) {
    interp::DateTime result;
    result.year = time.wYear;
    result.month = time.wMonth;
    result.day = time.wDay;
    result.hour = time.wHour;
    result.minute = time.wMinute;
    result.second = time.wSecond;
    result.millisecond = time.wMilliseconds;
    result.dayOfWeek = time.wDayOfWeek == 0 ? 7 : time.wDayOfWeek;
    return result;
}

interp::DateTime Win32Host::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return ToDateTime(now);
}

void Win32Host::Terminate() {
    form_.Hide();
    loop_.Quit(0);
}

} // namespace qv::win32
