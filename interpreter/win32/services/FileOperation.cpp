#include "interpreter/win32/services/FileOperation.h"

#include <shellapi.h>

namespace qv::win32 {
namespace {

UINT ShellCode(TFileOp operation) {
    switch (operation) {
    case TFileOp::foCopy:
        return FO_COPY;
    case TFileOp::foDelete:
        return FO_DELETE;
    case TFileOp::foMove:
        return FO_MOVE;
    case TFileOp::foRename:
        return FO_RENAME;
    }
    return FO_COPY;
}

} // namespace

std::string ShellList(std::string_view paths) {
    std::string list(paths);
    for (char& c : list) {
        if (c == ';') {
            c = '\0';
        }
    }
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

TFileOperation::TFileOperation()
    : shell_([](SHFILEOPSTRUCTA& operation) { return ::SHFileOperationA(&operation); }) {}

bool TFileOperation::SetActive(bool active) {
    if (!active) {
        return false;
    }
    const std::string from = ShellList(FilesFrom);
    const std::string to = ShellList(FilesTo);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = Owner;
    operation.wFunc = ShellCode(Operation);
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(Flags);
    operation.lpszProgressTitle = ProgressTitle.c_str();
    Result = shell_(operation);
    OperationAborted = operation.fAnyOperationsAborted != FALSE;
    return Result == 0;
}

} // namespace qv::win32
