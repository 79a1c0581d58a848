#pragma once
// The "/install" start of the editor: the machine-wide steps taken when the main window is
// created, in order, and what its first activation does afterwards.
#include "editor/core/InstallEffects.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

inline constexpr std::string_view EditorFileName = "qvdev.exe";
inline constexpr std::string_view UninstallerFileName = "qvremove.exe";
inline constexpr std::string_view ReadMeFileName = "readme.txt";
// The Start menu's program folder: the shell folder "Programs", then the subfolder.
inline constexpr std::string_view ProgramGroupFolder = "Programs\\Quorvel";
inline constexpr std::string_view ProgramGroupName = "Quorvel";
inline constexpr std::string_view ReadMeFirstTopic = "Read_Me_First";

// True when the first argument is exactly "/install" (case-sensitive).
bool IsInstallStart(const std::vector<std::string>& arguments);

struct GroupShortcut {
    std::string description;
    std::string target;
};

// The four shortcuts of the program group, in the order they are made.
std::vector<GroupShortcut> ProgramGroupShortcuts(std::string_view editorPath,
                                                 std::string_view windowsFolder);

// Where the uninstaller is copied: the Windows folder + "\qvremove.exe".
std::string InstalledUninstallerPath(std::string_view windowsFolder);

// The steps of the install start: the file types (and the shell told), the Run value "qvrun",
// the first three shortcuts, the copy of qvremove.exe into the Windows folder, the last
// shortcut.
std::vector<InstallEffect> InstallStartEffects(InstallSystem& system);

// Carries the steps out; every failure is recorded and the rest goes on.
std::vector<EffectFailure> RunInstallStart(InstallPorts ports);

// What the main window does on its first activation after an install start, in order.
enum class ActivationStep {
    OpenHelpTopic,   // ReadMeFirstTopic
    RunImportWizard, // saving when it ends with Yes
    EndProgram,
};
inline constexpr std::array<ActivationStep, 3> InstallActivationSteps{
    ActivationStep::OpenHelpTopic, ActivationStep::RunImportWizard, ActivationStep::EndProgram};

} // namespace qv::editor
