#pragma once
// The two script file types under HKEY_CLASSES_ROOT: .qvs opens in the editor, .qvc runs in the
// interpreter (SetFileClick), and their removal by the uninstaller.
#include "editor/core/InstallEffects.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

inline constexpr std::string_view AssociationsSetText = "Associations are now set.";
inline constexpr std::string_view AssociationsFailedText =
    "The file associations could not be set.";

struct FileTypeKey {
    std::string path;  // under HKEY_CLASSES_ROOT
    std::string value; // its default value
};

// The eight keys in the order they are written, for the editor at `editorPath` (the
// interpreter is expected in the same folder).
std::vector<FileTypeKey> FileTypeKeys(std::string_view editorPath);

// Writing the eight keys, then telling the shell.
std::vector<InstallEffect> FileTypeEffects(std::string_view editorPath);

struct FileTypesOutcome {
    std::vector<EffectFailure> failures;
    // What the dialog shows afterwards: nothing under /install; "Associations are now set." as
    // information when everything was written; otherwise AssociationsFailedText and the
    // failures as an error.
    std::string message;
    bool error = false;
};

// SetFileClick, for the editor program the ports describe.
FileTypesOutcome SetFileTypes(InstallPorts ports, bool installStart);

// What the uninstaller takes out: each type only while its open command still names the
// editor or interpreter at `editorPath`'s folder, so another program's association survives;
// of an extension key only this system's default value, and the key when nothing else is left.
std::vector<InstallEffect> FileTypeRemovalEffects(RegistryPort& registry,
                                                  std::string_view editorPath);

} // namespace qv::editor
