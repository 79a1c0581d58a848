#pragma once
// The file system as the file and launching commands use it: tests on paths, the folder walk,
// copies, version resources, renames, recycle-bin deletes and the temporary folder.
#include "interpreter/core/Services.h"
#include "interpreter/win32/services/FileOperation.h"

#include <functional>

namespace qv::win32 {

// The file's "FileVersion" text from the first translation of its version resource.
std::string ReadFileVersionText(const std::string& path);

class Win32Files : public interp::FilePort {
  public:
    // `owner` gives the window that owns the shell's progress window of a delete (the progress
    // window); it is asked at each delete, since that window may come and go.
    explicit Win32Files(std::function<HWND()> owner = {});

    bool IsFolder(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::optional<std::int64_t> LastWriteTime(const std::string& path) override;
    std::string FileVersionText(const std::string& path) override;
    void ClearReadOnly(const std::string& path) override;
    std::vector<logic::FolderEntry> ListFolder(const std::string& folder) override;
    void CreateFolder(const std::string& path) override;
    std::uint32_t CopyOneFile(const std::string& source, const std::string& target) override;

    std::vector<logic::FolderEntry> ListMatching(const std::string& folder,
                                                 const std::string& mask) override;
    bool MoveOrRename(const std::string& oldName, const std::string& newName) override;
    std::uint32_t RecycleDelete(const std::string& pathList) override;

    // The interpreter window's FO1: deletes to the Recycle Bin without asking and without error
    // dialogs, which would stall the logon behind other windows.
    TFileOperation FO1;

  private:
    std::function<HWND()> owner_;
};

} // namespace qv::win32
