#pragma once
// The uninstaller qvremove.exe: after the user's confirmation it offers to put every imported
// start-up entry back where Windows starts it, then undoes what the "/install" start and the
// release package did. Scripts are never deleted, and file types are taken out only while they
// still belong to this installation. The window asks UninstallConfirmText, then, when
// ImportedCount() is not 0, PutBackQuestion(); it calls PutBackImports() on Yes, then Remove(),
// and shows DoneText().
#include "editor/core/InstallEffects.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

inline constexpr std::string_view UninstallCaption = "Uninstall Quorvel";
inline constexpr std::string_view UninstallConfirmText =
    "Remove Quorvel from this computer?\r\n\r\nThe scripts you wrote are kept.";
// The Add/Remove Programs entry that the release package writes.
inline constexpr std::string_view UninstallKeyPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvel";
// What the release package puts into the program folder, besides the help folder.
inline constexpr std::array<std::string_view, 7> ReleaseFiles{
    "qvdev.exe", "qvrun.exe", "setup.exe", "qvremove.exe", "qvtool.exe", "Tips.tod", "readme.txt"};
inline constexpr std::string_view HelpFolderName = "help";

// The program folder to remove, ending in "\": the first argument when there is one (the
// package registers the uninstaller with it), else the folder of the editor that the .qvs
// file type opens; nothing when neither is known.
std::optional<std::string> InstalledProgramFolder(const std::vector<std::string>& arguments,
                                                  RegistryPort& registry);

struct PutBackReport {
    int restored = 0;
    std::vector<std::string> failures; // one line each; those entries stay in the log
};

class Uninstaller {
  public:
    // `programFolder` ends in "\"; the running program is ports.system.ProgramPath().
    Uninstaller(InstallPorts ports, std::string programFolder);

    // The entries of Backup\Import.log that can be put back.
    std::size_t ImportedCount();
    static std::string PutBackQuestion(std::size_t count);

    // Puts every entry back in log order: Run values into their key and view, shortcuts into
    // the user's Startup folder. Each one put back leaves the log at once (written atomically);
    // the log is deleted when nothing is left in it. Entries that fail stay.
    PutBackReport PutBackImports();

    // The removal steps, from what is on the machine now: the file types that still belong to
    // this installation, the Run values "qvrun" and "NetlyreRun", the program group's
    // shortcuts and folder, the release's files and help folder, the program folder's
    // "Startup" and "Backup" folders and the program folder itself when empty, the copy in the
    // Windows folder, and the Add/Remove Programs entry. The running program is removed once it
    // has ended.
    std::vector<InstallEffect> RemovalEffects();
    std::vector<EffectFailure> Remove();

    // The closing message: done, or what could not be removed.
    static std::string DoneText(const std::vector<EffectFailure>& failures);

  private:
    void RemoveFile(std::vector<InstallEffect>& effects, const std::string& path);

    InstallPorts ports_;
    std::string folder_;
    std::string logPath_;
};

} // namespace qv::editor
