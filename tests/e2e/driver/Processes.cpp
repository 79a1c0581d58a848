#include "Driver.h"

#include <tlhelp32.h>

namespace qv::e2e {
namespace {

bool SameNameIgnoringCase(const char* a, const std::string& b) {
    return lstrcmpiA(a, b.c_str()) == 0;
}

} // namespace

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    // The rules of CommandLineToArgvW: backslashes double only before a quote.
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            quoted.append(backslashes * 2 + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

bool StartProgram(const std::vector<std::string>& commandLine, Session& session) {
    std::string line;
    for (const auto& argument : commandLine) {
        if (!line.empty())
            line += ' ';
        line += QuoteArgument(argument);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(commandLine.front().c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    session.process = info.hProcess;
    session.processId = info.dwProcessId;
    return true;
}

bool WaitProcess(const Session& session, DWORD timeoutMs, DWORD& exitCode) {
    if (WaitForSingleObject(session.process, timeoutMs) != WAIT_OBJECT_0)
        return false;
    exitCode = 0;
    GetExitCodeProcess(session.process, &exitCode);
    return true;
}

std::vector<DWORD> ProcessesNamed(const std::string& imageName) {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (SameNameIgnoringCase(entry.szExeFile, imageName))
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

bool TerminateById(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process)
        return false;
    bool ended = TerminateProcess(process, 1) != 0;
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    return ended;
}

} // namespace qv::e2e
