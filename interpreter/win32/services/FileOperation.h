#pragma once
// TFileOperation: the shell's file operation (copy, delete, move, rename) with its confirmation
// and undo flags, over lists of paths separated by ";".
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>
#include <string_view>

namespace qv::win32 {

enum class TFileOp { foCopy, foDelete, foMove, foRename };

enum TFileOpFlag : unsigned {
    fofAllowUndo = 0x40,
    fofConfirmMouse = 0x2,
    fofFilesOnly = 0x80,
    fofMultiDestFiles = 0x1,
    fofNoConfirmation = 0x10,
    fofNoConfirmMkDir = 0x200,
    fofRenameOnCollision = 0x8,
    fofSilent = 0x4,
    fofSimpleProgress = 0x100,
    fofNoErrorUI = 0x400,
};

// The shell's list form: every ";" becomes a NUL and two NULs end the list.
std::string ShellList(std::string_view paths);

class TFileOperation {
  public:
    // The shell call; tests put their own here to see what would be asked of the shell.
    using ShellCall = std::function<int(SHFILEOPSTRUCTA&)>;

    TFileOperation();

    TFileOp Operation = TFileOp::foCopy;
    std::string FilesFrom;
    std::string FilesTo;
    unsigned Flags = 0;
    std::string ProgressTitle;
    // The window that owns the shell's progress window; none keeps it off every window.
    HWND Owner = nullptr;
    bool OperationAborted = false;
    // The shell's answer to the last run: 0 for success, else its error code.
    int Result = 0;

    // Setting it true runs the operation at once; false does nothing. True when the shell
    // reported success.
    bool SetActive(bool active);

    void SetShellCall(ShellCall call) { shell_ = std::move(call); }

  private:
    ShellCall shell_;
};

} // namespace qv::win32
