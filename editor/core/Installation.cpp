#include "editor/core/Installation.h"

#include "editor/core/FileTypes.h"
#include "editor/core/RunValues.h"
#include "editor/core/ScriptDocument.h"
#include "interpreter/logic/OpsPaths.h"

namespace qv::editor {

bool IsInstallStart(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments.front() == InstallSwitch;
}

std::vector<GroupShortcut> ProgramGroupShortcuts(std::string_view editorPath,
                                                 std::string_view windowsFolder) {
    const std::string folder = logic::ExtractFilePath(editorPath);
    return {
        {"Quorvel Developer", std::string(editorPath)},
        {"Quorvel", folder + std::string(InterpreterFileName)},
        {"Read Me", folder + std::string(ReadMeFileName)},
        {"Uninstall Quorvel", InstalledUninstallerPath(windowsFolder)},
    };
}

std::string InstalledUninstallerPath(std::string_view windowsFolder) {
    std::string folder(windowsFolder);
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder + "\\" + std::string(UninstallerFileName);
}

std::vector<InstallEffect> InstallStartEffects(InstallSystem& system) {
    const std::string editorPath = system.ProgramPath();
    const std::string windows = system.WindowsFolder();
    std::vector<InstallEffect> effects = FileTypeEffects(editorPath);
    effects.push_back(WriteTextEffect(MachineRunKey(), std::string(InterpreterRunValue),
                                      {RunValueData(system, InterpreterFileName), false}));
    const std::vector<GroupShortcut> shortcuts = ProgramGroupShortcuts(editorPath, windows);
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        // The uninstaller's shortcut points at the copy made just before it.
        if (i + 1 == shortcuts.size())
            effects.push_back(
                CopyFileEffect(system.ProgramFolder() + std::string(UninstallerFileName),
                               InstalledUninstallerPath(windows)));
        effects.push_back(ShortcutEffect(std::string(ProgramGroupFolder), shortcuts[i].description,
                                         shortcuts[i].target));
    }
    return effects;
}

std::vector<EffectFailure> RunInstallStart(InstallPorts ports) {
    return CarryOut(InstallStartEffects(ports.system), ports);
}

} // namespace qv::editor
