// qvremove.exe: takes Quorvel off the computer after asking, offering first to put the start-up
// entries that the import wizard moved into scripts back where Windows starts them. It shows
// message boxes only; every decision is the model's (editor/core/Uninstall.h).
#include "editor/win32/InstallServices.h"

#include "common/win32/Com.h"
#include "editor/core/Uninstall.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr const char* Caption = "Quorvel";
constexpr const char* NoFolderText =
    "The Quorvel program folder could not be found, so nothing was removed.\r\n\r\n"
    "Start the uninstaller with the program folder as its argument, for example:\r\n"
    "qvremove.exe \"C:\\Program Files\\Quorvel\"";

int Ask(const std::string& text, UINT icon) {
    return ::MessageBoxA(nullptr, text.c_str(), Caption, MB_YESNO | icon | MB_SETFOREGROUND);
}

void Tell(const std::string& text, UINT icon) {
    ::MessageBoxA(nullptr, text.c_str(), Caption, MB_OK | icon | MB_SETFOREGROUND);
}

// The arguments as the system splits the command line, in the ANSI code page.
std::vector<std::string> Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; words != nullptr && i < count; ++i) {
        const int length =
            ::WideCharToMultiByte(CP_ACP, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(length > 1 ? static_cast<std::size_t>(length) : 1, '\0');
        ::WideCharToMultiByte(CP_ACP, 0, words[i], -1, argument.data(), length, nullptr, nullptr);
        argument.resize(argument.size() - 1);
        arguments.push_back(std::move(argument));
    }
    ::LocalFree(words);
    return arguments;
}

int Run() {
    using namespace qv;
    // The shell is asked to refresh the file types' icons.
    win32::ComScope com;
    win32::InstallServices services;
    const std::optional<std::string> folder =
        editor::InstalledProgramFolder(Arguments(), services.registry);
    if (!folder) {
        Tell(NoFolderText, MB_ICONERROR);
        return 1;
    }
    if (Ask(std::string(editor::UninstallConfirmText), MB_ICONQUESTION) != IDYES) {
        return 0;
    }
    editor::Uninstaller uninstaller(services.Ports(), *folder);
    if (const std::size_t imported = uninstaller.ImportedCount(); imported > 0) {
        if (Ask(editor::Uninstaller::PutBackQuestion(imported), MB_ICONQUESTION) == IDYES) {
            const editor::PutBackReport report = uninstaller.PutBackImports();
            if (!report.failures.empty()) {
                std::string text = "These could not be put back; their entries stay in " + *folder +
                                   "Backup\\Import.log:";
                for (const std::string& failure : report.failures) {
                    text += "\r\n" + failure;
                }
                Tell(text, MB_ICONWARNING);
            }
        }
    }
    const std::vector<editor::EffectFailure> failures = uninstaller.Remove();
    Tell(editor::Uninstaller::DoneText(failures),
         failures.empty() ? MB_ICONINFORMATION : MB_ICONWARNING);
    // Last, so that the helper that removes this program's own copy waits as briefly as it can.
    if (!services.files.StartPendingRemovals()) {
        Tell("The uninstaller's own copy could not be removed; delete it by hand:\r\n" +
                 services.system.ProgramPath(),
             MB_ICONWARNING);
    }
    return failures.empty() ? 0 : 2;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        return Run();
    } catch (const std::exception& error) {
        Tell(error.what(), MB_ICONERROR);
        return 1;
    }
}
