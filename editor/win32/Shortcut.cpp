#include "editor/win32/Shortcut.h"

#include "common/win32/ShellLink.h"

#include <shobjidl.h>

namespace qv::win32 {

void Shortcut::Read() {
    const ShellLinkInfo info = ReadShellLink(LinkName, SLGP_UNCPRIORITY).value_or(ShellLinkInfo{});
    PathName = info.path;
    Arguments = info.arguments;
    Discription = info.description;
    WorkingDirectory = info.workingDirectory;
    IconLocation = info.iconLocation;
    IconIndex = info.iconIndex;
    ShowCmd = info.showCommand;
    HotKey = info.hotKey;
}

std::string Shortcut::Write() const {
    return CreateShellLink(PathName, Discription, ShellFolder);
}

} // namespace qv::win32
