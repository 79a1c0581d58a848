#pragma once
// A machine for the installation models: the fake registry, disk and shell with the usual
// shell folders and the program folder in place, and a script document that reads and writes
// the same fake disk.
#include "FakeDocumentHost.h"
#include "FakeInstallHost.h"
#include "editor/core/InstallEffects.h"
#include "editor/core/ScriptDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::editor::testing {

inline const std::string UserStartup = "C:\\Users\\Alice\\Start Menu\\Programs\\Startup\\";
inline const std::string CommonStartup = "C:\\ProgramData\\Start Menu\\Programs\\Startup\\";
inline const std::string UserPrograms = "C:\\Users\\Alice\\Start Menu\\Programs";
inline const std::string ProgramFolder = "C:\\Program Files\\Quorvel\\";
inline const std::string ImportLogFile = ProgramFolder + "Backup\\Import.log";
inline const std::string MovedLinks = ProgramFolder + "Startup\\";
inline const std::string Script = "C:\\Windows\\common.qvs";

class InstallFixture : public ::testing::Test {
  protected:
    FakeInstallHost machine;
    FakeDocumentHost host;
    ScriptDocument doc{{machine, host, host, host, host, host, host}};

    InstallFixture() {
        const RegistryKey userFolders{RegistryRoot::CurrentUser, std::string(ShellFoldersKeyPath)};
        const RegistryKey machineFolders{RegistryRoot::LocalMachine,
                                         std::string(ShellFoldersKeyPath)};
        machine.SetText(userFolders, "Startup", UserStartup.substr(0, UserStartup.size() - 1));
        machine.SetText(userFolders, "Programs", UserPrograms);
        machine.SetText(machineFolders, "Common Startup",
                        CommonStartup.substr(0, CommonStartup.size() - 1));
        machine.AddFolder(UserStartup);
        machine.AddFolder(CommonStartup);
        machine.AddFolder(ProgramFolder);
        machine.AddFolder("C:\\Windows");
        host.windowsFolder = "C:\\Windows";
        host.programFolder = ProgramFolder;
    }

    InstallPorts Ports() { return machine.Ports(); }

    // Opens a script of these lines; the end row keeps the focus, so additions go to the end.
    void OpenScript(const std::vector<std::string>& lines) {
        machine.AddLines(Script, lines);
        doc.OpenScript(Script);
    }
    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < doc.CommandCount(); ++i)
            out.push_back(doc.Rows()[i].Command);
        return out;
    }
    int RowOf(const std::string& command) const {
        for (std::size_t i = 0; i < doc.CommandCount(); ++i)
            if (doc.Rows()[i].Command == command)
                return static_cast<int>(i);
        return -1;
    }
    std::vector<std::string> Log() const { return machine.Lines(ImportLogFile); }
};

} // namespace qv::editor::testing
