#include "interpreter/win32/services/Win32Files.h"

#include "common/win32/Owners.h"

#include <windows.h>

#include <cstdio>

namespace qv::win32 {
namespace {

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') {
        folder.push_back('\\');
    }
    return folder;
}

std::vector<logic::FolderEntry> FindEntries(const std::string& pattern) {
    std::vector<logic::FolderEntry> entries;
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search(::FindFirstFileA(pattern.c_str(), &found));
    if (!search) {
        return entries;
    }
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (::FindNextFileA(search.Get(), &found));
    return entries;
}

std::string FullPath(const std::string& path) {
    const DWORD needed = ::GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return path;
    }
    std::string full(needed, '\0');
    const DWORD length = ::GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return path;
    }
    full.resize(length);
    return full;
}

// Whether a path or pattern names at least one file or folder.
bool MatchesAnything(std::string path) {
    while (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    WIN32_FIND_DATAA found{};
    const UniqueFindHandle search(::FindFirstFileA(path.c_str(), &found));
    return static_cast<bool>(search);
}

} // namespace

std::string ReadFileVersionText(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) {
        return {};
    }
    std::string data(size, '\0');
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, data.data())) {
        return {};
    }
    void* translations = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &translations, &length) ||
        length < 2 * sizeof(WORD)) {
        return {};
    }
    const auto* pair = static_cast<const WORD*>(translations);
    char query[64];
    std::snprintf(query, sizeof(query), "\\StringFileInfo\\%04X%04X\\FileVersion", pair[0],
                  pair[1]);
    void* text = nullptr;
    if (!::VerQueryValueA(data.data(), query, &text, &length) || text == nullptr) {
        return {};
    }
    // The length may or may not count the closing NUL; the text ends at the first NUL anyway.
    const auto* chars = static_cast<const char*>(text);
    std::size_t end = 0;
    while (end < length && chars[end] != '\0') {
        ++end;
    }
    return std::string(chars, end);
}

Win32Files::Win32Files(std::function<HWND()> owner) : owner_(std::move(owner)) {
    FO1.Operation = TFileOp::foDelete;
    FO1.Flags = fofAllowUndo | fofNoConfirmation | fofNoErrorUI;
}

bool Win32Files::IsFolder(const std::string& path) {
    // Asked of the file system: the interpreter's own current folder is never changed.
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32Files::Exists(const std::string& path) {
    return !path.empty() && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::int64_t> Win32Files::LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime);
}

std::string Win32Files::FileVersionText(const std::string& path) {
    return ReadFileVersionText(path);
}

void Win32Files::ClearReadOnly(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    ::SetFileAttributesA(path.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

std::vector<logic::FolderEntry> Win32Files::ListFolder(const std::string& folder) {
    return FindEntries(WithBackslash(folder) + "*.*");
}

void Win32Files::CreateFolder(const std::string& path) {
    ::CreateDirectoryA(path.c_str(), nullptr);
}

std::uint32_t Win32Files::CopyOneFile(const std::string& source, const std::string& target) {
    if (::CopyFileA(source.c_str(), target.c_str(), FALSE)) {
        return 0;
    }
    const DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

std::vector<logic::FolderEntry> Win32Files::ListMatching(const std::string& folder,
                                                         const std::string& mask) {
    return FindEntries(WithBackslash(folder) + mask);
}

bool Win32Files::MoveOrRename(const std::string& oldName, const std::string& newName) {
    return ::MoveFileA(oldName.c_str(), newName.c_str()) != FALSE;
}

std::uint32_t Win32Files::RecycleDelete(const std::string& pathList) {
    // FO1 takes its paths ";"-separated and makes the shell's list again.
    std::string paths;
    std::size_t start = 0;
    while (start < pathList.size() && pathList[start] != '\0') {
        std::size_t end = pathList.find('\0', start);
        if (end == std::string::npos) {
            end = pathList.size();
        }
        // The Recycle Bin takes only whole paths: a relative one would be deleted outright.
        const std::string path = FullPath(pathList.substr(start, end - start));
        start = end + 1;
        // A path that matches nothing would fail the whole list; there is nothing to delete.
        if (!MatchesAnything(path)) {
            continue;
        }
        if (!paths.empty()) {
            paths.push_back(';');
        }
        paths += path;
    }
    if (paths.empty()) {
        return 0;
    }
    FO1.FilesFrom = paths;
    FO1.Owner = owner_ ? owner_() : nullptr;
    if (!FO1.SetActive(true)) {
        return static_cast<std::uint32_t>(FO1.Result);
    }
    return FO1.OperationAborted ? ERROR_CANCELLED : 0;
}

} // namespace qv::win32
