#include <windows.h>

#include <cstdlib>
#include <string>

// A program for LOAD and LOAD AND WAIT to start: it records how it was started, so that the
// scenarios can check what the interpreter passed. Its parameters (blank-separated):
//   tag=NAME     the record goes to NAME.txt beside the program (default "qvhelper")
//   wait=MS      stay this long before ending
//   probe=PATH   record whether PATH exists at the start and at the end
// The record: "command line: ", "folder: ", "show: " (the start-up show state, or "none"), the
// probe lines, and "ended" last.

namespace {

std::string Parameter(const std::string& commandLine, const std::string& key) {
    const std::string wanted = " " + key + "=";
    const size_t at = commandLine.find(wanted);
    if (at == std::string::npos)
        return {};
    const size_t from = at + wanted.size();
    const size_t end = commandLine.find(' ', from);
    return commandLine.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Line by line and unbuffered: a scenario may look while the program still waits.
void Append(HANDLE file, const std::string& line) {
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string ProbeState(const std::string& path) {
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? "missing" : "exists";
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string commandLine = GetCommandLineA();
    std::string tag = Parameter(commandLine, "tag");
    if (tag.empty())
        tag = "qvhelper";
    const std::string record = ProgramFolder() + tag + ".txt";
    HANDLE file = CreateFileA(record.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;

    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    Append(file, "command line: " + commandLine);
    Append(file, std::string("folder: ") + folder);
    Append(file, "show: " + ((startup.dwFlags & STARTF_USESHOWWINDOW)
                                 ? std::to_string(startup.wShowWindow)
                                 : std::string("none")));

    const std::string probe = Parameter(commandLine, "probe");
    if (!probe.empty())
        Append(file, "probe at start: " + ProbeState(probe));
    const std::string wait = Parameter(commandLine, "wait");
    // Waiting for messages, as a window program does: WinExec returns only once the started
    // program waits for input (or after 30 s), so a plain Sleep would hold up a plain LOAD.
    const DWORD waitMs = static_cast<DWORD>(std::strtoul(wait.c_str(), nullptr, 10));
    const UINT_PTR timer = SetTimer(nullptr, 0, waitMs == 0 ? 1 : waitMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageA(&message);
    }
    KillTimer(nullptr, timer);
    if (!probe.empty())
        Append(file, "probe at end: " + ProbeState(probe));
    Append(file, "ended");
    CloseHandle(file);
    return 0;
}
