#include "editor/win32/InstallServices.h"

#include "common/win32/Owners.h"
#include "editor/win32/EditorServices.h"
#include "editor/win32/Shortcut.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace qv::win32 {

namespace {

using editor::RegistryKey;
using editor::RegistryResult;

HKEY RootHandle(editor::RegistryRoot root) {
    switch (root) {
    case editor::RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case editor::RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case editor::RegistryRoot::LocalMachine:
        break;
    }
    return HKEY_LOCAL_MACHINE;
}

// The view is chosen on every open, so that a 64-bit program reaches WOW6432Node only when
// asked to.
REGSAM ViewFlag(editor::RegistryView view) {
    return view == editor::RegistryView::Wow32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

RegistryResult Succeeded() {
    return {true, {}};
}

RegistryResult Failed(LONG code) {
    return {false, SystemErrorText(static_cast<DWORD>(code))};
}

bool Missing(LONG code) {
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

UniqueKey OpenKey(const RegistryKey& key, REGSAM access, LONG* result = nullptr) {
    HKEY handle = nullptr;
    const LONG code = ::RegOpenKeyExA(RootHandle(key.root), key.path.c_str(), 0,
                                      access | ViewFlag(key.view), &handle);
    if (result != nullptr) {
        *result = code;
    }
    return UniqueKey(code == ERROR_SUCCESS ? handle : nullptr);
}

UniqueKey CreateKey(const RegistryKey& key, LONG& result) {
    HKEY handle = nullptr;
    result = ::RegCreateKeyExA(RootHandle(key.root), key.path.c_str(), 0, nullptr,
                               REG_OPTION_NON_VOLATILE, KEY_SET_VALUE | ViewFlag(key.view), nullptr,
                               &handle, nullptr);
    return UniqueKey(result == ERROR_SUCCESS ? handle : nullptr);
}

// The value's type and bytes; nothing when the key or value cannot be read.
std::optional<std::pair<DWORD, std::string>> ReadValue(const RegistryKey& key,
                                                       const std::string& name) {
    const UniqueKey handle = OpenKey(key, KEY_QUERY_VALUE);
    if (!handle) {
        return std::nullopt;
    }
    std::string bytes(256, '\0');
    for (;;) {
        DWORD type = 0;
        auto size = static_cast<DWORD>(bytes.size());
        const LONG code = ::RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (code == ERROR_MORE_DATA) {
            bytes.resize(static_cast<std::size_t>(size) + 1);
            continue;
        }
        if (code != ERROR_SUCCESS) {
            return std::nullopt;
        }
        bytes.resize(size);
        return std::make_pair(type, std::move(bytes));
    }
}

std::vector<std::string> EnumerateNames(const RegistryKey& key, bool values) {
    std::vector<std::string> names;
    const UniqueKey handle = OpenKey(key, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
    if (!handle) {
        return names;
    }
    DWORD longestKey = 0;
    DWORD longestValue = 0;
    if (::RegQueryInfoKeyA(handle.Get(), nullptr, nullptr, nullptr, nullptr, &longestKey, nullptr,
                           nullptr, &longestValue, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return names;
    }
    std::string name(std::max(values ? longestValue : longestKey, DWORD{255}) + 2, '\0');
    for (DWORD index = 0;; ++index) {
        auto length = static_cast<DWORD>(name.size());
        const LONG code = values ? ::RegEnumValueA(handle.Get(), index, name.data(), &length,
                                                   nullptr, nullptr, nullptr, nullptr)
                                 : ::RegEnumKeyExA(handle.Get(), index, name.data(), &length,
                                                   nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_MORE_DATA) {
            // A name longer than the key reported when it was asked: grow and ask again.
            name.resize(name.size() * 2);
            --index;
            continue;
        }
        if (code != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name.data(), length);
    }
    return names;
}

} // namespace

std::optional<editor::RegistryText> InstallRegistry::ReadText(const RegistryKey& key,
                                                              const std::string& name) {
    auto value = ReadValue(key, name);
    if (!value || (value->first != REG_SZ && value->first != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::string& text = value->second;
    // Stored strings end in their terminator, and a careless writer may have left more.
    while (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    return editor::RegistryText{std::move(text), value->first == REG_EXPAND_SZ};
}

std::optional<std::uint32_t> InstallRegistry::ReadInteger(const RegistryKey& key,
                                                          const std::string& name) {
    const auto value = ReadValue(key, name);
    if (!value || value->first != REG_DWORD || value->second.size() != sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD number = 0;
    std::memcpy(&number, value->second.data(), sizeof(number));
    return number;
}

std::vector<std::string> InstallRegistry::ValueNames(const RegistryKey& key) {
    return EnumerateNames(key, true);
}

std::vector<std::string> InstallRegistry::SubKeyNames(const RegistryKey& key) {
    return EnumerateNames(key, false);
}

RegistryResult InstallRegistry::WriteText(const RegistryKey& key, const std::string& name,
                                          const editor::RegistryText& value) {
    LONG code = ERROR_SUCCESS;
    const UniqueKey handle = CreateKey(key, code);
    if (!handle) {
        return Failed(code);
    }
    code =
        ::RegSetValueExA(handle.Get(), name.c_str(), 0, value.expandable ? REG_EXPAND_SZ : REG_SZ,
                         reinterpret_cast<const BYTE*>(value.text.c_str()),
                         static_cast<DWORD>(value.text.size() + 1));
    return code == ERROR_SUCCESS ? Succeeded() : Failed(code);
}

RegistryResult InstallRegistry::WriteInteger(const RegistryKey& key, const std::string& name,
                                             std::uint32_t value) {
    LONG code = ERROR_SUCCESS;
    const UniqueKey handle = CreateKey(key, code);
    if (!handle) {
        return Failed(code);
    }
    const DWORD number = value;
    code = ::RegSetValueExA(handle.Get(), name.c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&number), sizeof(number));
    return code == ERROR_SUCCESS ? Succeeded() : Failed(code);
}

RegistryResult InstallRegistry::DeleteValue(const RegistryKey& key, const std::string& name) {
    LONG code = ERROR_SUCCESS;
    const UniqueKey handle = OpenKey(key, KEY_SET_VALUE, &code);
    if (!handle) {
        return Missing(code) ? Succeeded() : Failed(code);
    }
    code = ::RegDeleteValueA(handle.Get(), name.c_str());
    return code == ERROR_SUCCESS || Missing(code) ? Succeeded() : Failed(code);
}

RegistryResult InstallRegistry::DeleteTree(const RegistryKey& key) {
    const std::size_t slash = key.path.find_last_of('\\');
    if (key.path.empty() || slash == key.path.size() - 1) {
        return Failed(ERROR_INVALID_PARAMETER);
    }
    // Opened below its parent in the wanted view, so that the whole tree is taken from there.
    const RegistryKey parent{key.root, slash == std::string::npos ? "" : key.path.substr(0, slash),
                             key.view};
    const std::string leaf = slash == std::string::npos ? key.path : key.path.substr(slash + 1);
    LONG code = ERROR_SUCCESS;
    const UniqueKey handle =
        OpenKey(parent, DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE, &code);
    if (!handle) {
        return Missing(code) ? Succeeded() : Failed(code);
    }
    code = ::RegDeleteTreeA(handle.Get(), leaf.c_str());
    if (code == ERROR_SUCCESS) {
        // The tree call empties the key; the key itself goes in the same view.
        code = ::RegDeleteKeyExA(handle.Get(), leaf.c_str(), ViewFlag(key.view), 0);
    }
    return code == ERROR_SUCCESS || Missing(code) ? Succeeded() : Failed(code);
}

RegistryResult InstallRegistry::DeleteKeyIfEmpty(const RegistryKey& key) {
    LONG code = ERROR_SUCCESS;
    const UniqueKey handle = OpenKey(key, KEY_QUERY_VALUE, &code);
    if (!handle) {
        return Missing(code) ? Succeeded() : Failed(code);
    }
    DWORD subKeys = 0;
    DWORD values = 0;
    code = ::RegQueryInfoKeyA(handle.Get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                              &values, nullptr, nullptr, nullptr, nullptr);
    if (code != ERROR_SUCCESS) {
        return Failed(code);
    }
    if (subKeys != 0 || values != 0) {
        return Succeeded();
    }
    code = ::RegDeleteKeyExA(RootHandle(key.root), key.path.c_str(), ViewFlag(key.view), 0);
    return code == ERROR_SUCCESS || Missing(code) ? Succeeded() : Failed(code);
}

namespace {

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path.c_str());
}

FileResult FileDone() {
    return {true, {}};
}

FileResult FileFailed(const std::string& path, DWORD code) {
    return {false, path + ": " + SystemErrorText(code)};
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    return path;
}

// Each entry of a folder but "." and "..", with its attributes.
template <typename Visit> void ForEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAA found{};
    const std::string pattern = WithoutTrailingSlash(folder) + "\\*";
    HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            visit(name, found.dwFileAttributes);
        }
    } while (::FindNextFileA(search, &found) != FALSE);
    ::FindClose(search);
}

} // namespace

bool InstallFileSystem::FileExists(const std::string& path) {
    return IsExistingFile(path);
}

bool InstallFileSystem::PathExists(const std::string& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

FileResult InstallFileSystem::ReadWhole(const std::string& path, std::string& bytes) {
    return ReadWholeFile(path, bytes);
}

FileResult InstallFileSystem::ReplaceAtomically(const std::string& path, const std::string& bytes) {
    return ReplaceFileAtomically(path, bytes);
}

FileResult InstallFileSystem::Remove(const std::string& path) {
    return RemoveFile(path);
}

std::vector<std::string> InstallFileSystem::ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    if (folder.empty()) {
        return names;
    }
    constexpr DWORD skipped =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
        if ((attributes & skipped) == 0) {
            names.push_back(name);
        }
    });
    return names;
}

FileResult InstallFileSystem::CreateFolder(const std::string& path) {
    const std::string folder = WithoutTrailingSlash(path);
    if (folder.empty()) {
        return FileFailed(path, ERROR_INVALID_NAME);
    }
    // Each missing parent first, from the top down.
    for (std::size_t at = folder.find_first_of("\\/", 3); at != std::string::npos;
         at = folder.find_first_of("\\/", at + 1)) {
        ::CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
    }
    if (::CreateDirectoryA(folder.c_str(), nullptr) == FALSE) {
        const DWORD code = ::GetLastError();
        const DWORD attributes = Attributes(folder);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            return FileFailed(path, code);
        }
    }
    return FileDone();
}

FileResult InstallFileSystem::CopyFile(const std::string& source, const std::string& target) {
    if (::CopyFileA(source.c_str(), target.c_str(), FALSE) == FALSE) {
        return FileFailed(source, ::GetLastError());
    }
    return FileDone();
}

FileResult InstallFileSystem::MoveFile(const std::string& source, const std::string& target) {
    if (::MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_COPY_ALLOWED) == FALSE) {
        return FileFailed(source, ::GetLastError());
    }
    return FileDone();
}

FileResult InstallFileSystem::RemoveTree(const std::string& path) {
    const std::string folder = WithoutTrailingSlash(path);
    if (Attributes(folder) == INVALID_FILE_ATTRIBUTES) {
        return FileDone();
    }
    FileResult result = FileDone();
    ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
        const std::string entry = folder + "\\" + name;
        FileResult removed = FileDone();
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            // A linked folder goes as a link: what it points to belongs elsewhere.
            if (::RemoveDirectoryA(entry.c_str()) == FALSE) {
                removed = FileFailed(entry, ::GetLastError());
            }
        } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            removed = RemoveTree(entry);
        } else {
            // A read-only file would refuse to go.
            ::SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            removed = Remove(entry);
        }
        if (!removed.ok && result.ok) {
            result = removed;
        }
    });
    if (::RemoveDirectoryA(folder.c_str()) == FALSE && result.ok) {
        result = FileFailed(folder, ::GetLastError());
    }
    return result;
}

FileResult InstallFileSystem::RemoveFolderIfEmpty(const std::string& path) {
    const std::string folder = WithoutTrailingSlash(path);
    if (::RemoveDirectoryA(folder.c_str()) == FALSE) {
        const DWORD code = ::GetLastError();
        if (code != ERROR_DIR_NOT_EMPTY && code != ERROR_FILE_NOT_FOUND &&
            code != ERROR_PATH_NOT_FOUND) {
            return FileFailed(folder, code);
        }
    }
    return FileDone();
}

FileResult InstallFileSystem::RemoveAfterExit(const std::string& path) {
    pending_.push_back(path);
    return FileDone();
}

namespace {

// A path inside a batch file's double quotes: only "%" still means something there.
std::string BatchQuoted(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path) {
        quoted += c;
        if (c == '%') {
            quoted += '%';
        }
    }
    return quoted + "\"";
}

} // namespace

bool InstallFileSystem::StartPendingRemovals() {
    if (pending_.empty()) {
        return true;
    }
    char temp[MAX_PATH] = {};
    const DWORD length = ::GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    const std::string batch =
        std::string(temp, length) + "qvremove-" + std::to_string(::GetCurrentProcessId()) + ".cmd";
    // Tries until the program has ended and its file can go, a bounded number of times, so that
    // a file that never can does not keep the helper running; then the helper removes itself.
    std::string text = "@echo off\r\nset tries=0\r\n:again\r\n";
    std::string allGone;
    for (const std::string& path : pending_) {
        text += "del /f /q " + BatchQuoted(path) + " >nul 2>&1\r\n";
        allGone += "if exist " + BatchQuoted(path) + " goto wait\r\n";
    }
    text += allGone + "goto done\r\n:wait\r\nset /a tries+=1\r\nif %tries% lss 3000 goto again\r\n"
                      ":done\r\ndel /f /q \"%~f0\" >nul 2>&1\r\n";
    if (!ReplaceFileAtomically(batch, text).ok) {
        return false;
    }
    char system[MAX_PATH] = {};
    const UINT folderLength = ::GetSystemDirectoryA(system, MAX_PATH);
    if (folderLength == 0 || folderLength >= MAX_PATH) {
        return false;
    }
    std::string command = "\"";
    command.append(system, folderLength).append("\\cmd.exe\" /c \"").append(batch).append("\"");
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                         nullptr, temp, &startup, &process) == FALSE) {
        ::DeleteFileA(batch.c_str());
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    pending_.clear();
    return true;
}

std::string InstallSystemNames::ProgramPath() {
    return win32::ProgramPath();
}

std::string InstallSystemNames::ProgramFolder() {
    return win32::ProgramFolder();
}

std::string InstallSystemNames::WindowsFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryA(folder, MAX_PATH);
    return WithoutTrailingSlash(length > 0 && length < MAX_PATH ? std::string(folder, length)
                                                                : std::string());
}

std::optional<std::string> InstallSystemNames::ShortPath(const std::string& path) {
    std::string shortPath(256, '\0');
    DWORD length = ::GetShortPathNameA(path.c_str(), shortPath.data(), 256);
    if (length >= 256) {
        // Longer than the buffer the settings were always read into: ask with room for it.
        shortPath.resize(length);
        length = ::GetShortPathNameA(path.c_str(), shortPath.data(), length);
    }
    if (length == 0 || length >= shortPath.size()) {
        return std::nullopt;
    }
    shortPath.resize(length);
    return shortPath;
}

std::string InstallSystemNames::ExpandEnvironment(const std::string& text) {
    const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) {
        return text;
    }
    std::string expanded(needed, '\0');
    const DWORD length = ::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
    if (length == 0 || length > needed) {
        return text;
    }
    expanded.resize(length - 1);
    return expanded;
}

FileResult InstallShell::CreateShortcut(const std::string& folderSpec,
                                        const std::string& description, const std::string& target) {
    Shortcut shortcut;
    shortcut.ShellFolder = folderSpec;
    shortcut.Discription = description;
    shortcut.PathName = target;
    try {
        shortcut.Write();
    } catch (const std::exception& error) {
        return {false, error.what()};
    }
    return FileDone();
}

void InstallShell::AssociationsChanged() {
    ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

} // namespace qv::win32
