#pragma once
// Helpers of the Windows-side tests: a scratch folder in the prefix's temporary folder, the
// message pump, and the folder of the test program.
#include "common/win32/Owners.h"

#include <windows.h>

#include <functional>
#include <string>

namespace qv::win32::testing {

// Pumps this thread's messages until `done` holds or about `limitMs` have passed.
inline bool PumpUntil(const std::function<bool()>& done, int limitMs = 3000) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(limitMs);
    while (!done()) {
        if (::GetTickCount64() > end) {
            return false;
        }
        MSG message{};
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(5);
    }
    return true;
}

inline bool OnWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

inline std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

inline void WriteText(const std::string& path, const std::string& text) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
}

inline std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

inline std::string ReadText(const std::string& path) {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (file && ::ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    return text;
}

// A fresh folder under the temporary folder, removed with all it holds at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "qvw2-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(counter_++) + "\\";
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, with its trailing backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }

  private:
    static void Remove(const std::string& folder) {
        WIN32_FIND_DATAA found{};
        UniqueFindHandle search(::FindFirstFileA((folder + "*").c_str(), &found));
        if (search) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") {
                    continue;
                }
                const std::string path = folder + name;
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    Remove(path + "\\");
                } else {
                    ::DeleteFileA(path.c_str());
                }
            } while (::FindNextFileA(search.Get(), &found));
        }
        ::RemoveDirectoryA(folder.c_str());
    }

    static inline int counter_ = 0;
    std::string path_;
};

} // namespace qv::win32::testing
