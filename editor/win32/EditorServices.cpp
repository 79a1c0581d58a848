#include "editor/win32/EditorServices.h"

#include "common/win32/Registry.h"
#include "common/win32/ShellLink.h"

#include <shobjidl.h>

#include <cstring>

namespace qv::win32 {

namespace {

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path.c_str());
}

} // namespace

bool IsExistingFile(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FileResult RemoveFile(const std::string& path) {
    if (::DeleteFileA(path.c_str()) == FALSE) {
        return {false, path + ": " + SystemErrorText(::GetLastError())};
    }
    return {true, {}};
}

bool EditorServices::FileExists(const std::string& path) {
    return IsExistingFile(path);
}

bool EditorServices::PathExists(const std::string& path) {
    const auto [known, added] = paths_.try_emplace(path, false);
    if (added) {
        known->second = Attributes(path) != INVALID_FILE_ATTRIBUTES;
    }
    return known->second;
}

FileResult EditorServices::ReadWhole(const std::string& path, std::string& bytes) {
    return ReadWholeFile(path, bytes);
}

FileResult EditorServices::ReplaceAtomically(const std::string& path, const std::string& bytes) {
    return ReplaceFileAtomically(path, bytes);
}

FileResult EditorServices::Remove(const std::string& path) {
    return RemoveFile(path);
}

std::string EditorServices::UserName() {
    char name[256] = {};
    DWORD size = sizeof(name);
    return ::GetUserNameA(name, &size) != FALSE ? std::string(name) : std::string();
}

std::string EditorServices::ComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof(name);
    return ::GetComputerNameA(name, &size) != FALSE ? std::string(name) : std::string();
}

std::string EditorServices::WindowsFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

std::string EditorServices::ProgramFolder() {
    return win32::ProgramFolder();
}

void EditorServices::WriteSetting(const std::string& name, const std::string& value) {
    RegistryKey(HKEY_CURRENT_USER, DeveloperKeyPath).WriteString(name, value);
}

std::optional<editor::ShortcutInfo> EditorServices::ReadShortcut(const std::string& path) {
    const std::optional<ShellLinkInfo> link = ReadShellLink(path, SLGP_UNCPRIORITY);
    if (!link) {
        return std::nullopt;
    }
    return editor::ShortcutInfo{link->path, link->iconLocation, link->iconIndex};
}

namespace {

// Open for the length of a scope; another program may hold the clipboard for a moment.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = ::OpenClipboard(owner) != FALSE;
            if (!open_) {
                ::Sleep(10);
            }
        }
    }
    ~OpenClipboardScope() {
        if (open_) {
            ::CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

} // namespace

std::optional<std::string> EditorServices::ClipboardText() {
    OpenClipboardScope clipboard(clipboardOwner_);
    if (!clipboard.IsOpen()) {
        return std::nullopt;
    }
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* text = static_cast<const char*>(::GlobalLock(data));
    if (text == nullptr) {
        return std::nullopt;
    }
    // Bounded by the block's size: clipboard text from another program need not end in a zero.
    const SIZE_T size = ::GlobalSize(data);
    std::string result(text, strnlen(text, size));
    ::GlobalUnlock(data);
    return result;
}

void EditorServices::SetClipboardText(const std::string& text) {
    OpenClipboardScope clipboard(clipboardOwner_);
    if (!clipboard.IsOpen()) {
        return;
    }
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) {
        return;
    }
    if (void* target = ::GlobalLock(block)) {
        std::memcpy(target, text.c_str(), text.size() + 1);
        ::GlobalUnlock(block);
        ::EmptyClipboard();
        if (::SetClipboardData(CF_TEXT, block) != nullptr) {
            return;
        }
    }
    ::GlobalFree(block);
}

} // namespace qv::win32
