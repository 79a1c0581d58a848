#include <windows.h>

#include <string>

// Stands in for qvdev.exe beside setup.exe: writes what it was started with to
// "qvdev-started.txt" beside itself and ends. Lines: the arguments (the command line after the
// program's name), the current folder, and the start-up show state ("none" when not given).

namespace {

std::string Arguments(const char* commandLine) {
    std::string text = commandLine;
    std::size_t end = 0;
    if (!text.empty() && text[0] == '"') {
        end = text.find('"', 1);
        end = end == std::string::npos ? text.size() : end + 1;
    } else {
        end = text.find(' ');
        end = end == std::string::npos ? text.size() : end;
    }
    const std::size_t start = text.find_first_not_of(' ', end);
    return start == std::string::npos ? std::string() : text.substr(start);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string record = path;
    record = record.substr(0, record.find_last_of('\\') + 1) + "qvdev-started.txt";

    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const std::string show = (startup.dwFlags & STARTF_USESHOWWINDOW)
                                 ? std::to_string(startup.wShowWindow)
                                 : std::string("none");
    const std::string text =
        Arguments(GetCommandLineA()) + "\r\n" + folder + "\r\n" + show + "\r\n";

    // Written under another name and then moved, so the test never reads half a record.
    const std::string partial = record + ".part";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
