#include "common/win32/ShellLink.h"

#include "common/win32/Com.h"
#include "common/win32/Owners.h"
#include "common/win32/Registry.h"
#include "common/win32/SystemError.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace qv::win32 {
namespace {

// The shell takes paths of at most MAX_PATH wide characters.
std::optional<std::wstring> WidePath(const std::string& path) {
    if (path.empty() || path.size() >= MAX_PATH) {
        return std::nullopt;
    }
    wchar_t wide[MAX_PATH] = {};
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, static_cast<int>(MAX_PATH));
    if (length <= 0) {
        return std::nullopt;
    }
    return std::wstring(wide);
}

struct LinkObject {
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    bool ok = false;
};

LinkObject CreateLinkObject() {
    LinkObject object;
    object.ok = SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkA,
                                             reinterpret_cast<void**>(object.link.Put()))) &&
                SUCCEEDED(object.link->QueryInterface(IID_IPersistFile,
                                                      reinterpret_cast<void**>(object.file.Put())));
    return object;
}

std::string SystemMessage(HRESULT result) {
    std::string message = SystemText(static_cast<DWORD>(result));
    if (message.empty()) {
        char code[32];
        wsprintfA(code, "0x%08lX", static_cast<unsigned long>(result));
        message = std::string("The shell could not write the shortcut (error ") + code + ").";
    }
    return message;
}

} // namespace

std::string GetShellFolder(const std::string& name) {
    // The registry path is kept with its leading backslash for the message; the key is below it.
    const RegistryKey key(HKEY_CURRENT_USER, ShellFoldersKey + 1);
    if (!key.Exists()) {
        throw RegistryError(std::string("Folder key \"") + ShellFoldersKey + "\" not found");
    }
    const std::optional<std::string> folder = key.ReadString(name);
    if (!folder || folder->empty()) {
        throw RegistryError("\"" + name + "\" item not found in registry");
    }
    return *folder;
}

std::string LinkFileName(const std::string& description) {
    const std::size_t slash = description.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? description : description.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return name + ".lnk";
    }
    return name.substr(0, dot) + ".lnk";
}

std::string CreateShellLink(const std::string& target, const std::string& description,
                            const std::string& folder) {
    const std::size_t split = folder.find('\\');
    const std::string name = folder.substr(0, split);
    const std::string subfolder = split == std::string::npos ? "" : folder.substr(split);
    // Before any shell object: an unknown folder writes nothing.
    const std::string linkFolder = GetShellFolder(name) + subfolder;
    const std::string linkPath = linkFolder + "\\" + LinkFileName(description);

    ComScope com;
    LinkObject object = CreateLinkObject();
    if (!object.ok) {
        throw ShellLinkError("The shell's link object is not available.");
    }
    object.link->SetPath(target.c_str());
    if (!description.empty()) {
        object.link->SetDescription(description.c_str());
    }
    if (!subfolder.empty()) {
        // A folder that exists already, or cannot be made, is no error here; the save says.
        ::CreateDirectoryA(linkFolder.c_str(), nullptr);
    }
    const std::optional<std::wstring> wide = WidePath(linkPath);
    if (!wide) {
        throw ShellLinkError("The shortcut's path is too long: " + linkPath);
    }
    const HRESULT saved = object.file->Save(wide->c_str(), TRUE);
    if (FAILED(saved)) {
        throw ShellLinkError(SystemMessage(saved));
    }
    return linkPath;
}

std::optional<ShellLinkInfo> ReadShellLink(const std::string& linkPath, DWORD pathFlags) {
    ComScope com;
    LinkObject object = CreateLinkObject();
    const std::optional<std::wstring> wide = WidePath(linkPath);
    if (!object.ok || !wide || FAILED(object.file->Load(wide->c_str(), STGM_READ))) {
        return std::nullopt;
    }
    ShellLinkInfo info;
    char buffer[MAX_PATH] = {};
    auto take = [&buffer](HRESULT result, std::string& field) {
        if (SUCCEEDED(result)) {
            buffer[MAX_PATH - 1] = '\0';
            field = buffer;
        }
        buffer[0] = '\0';
    };
    // The icon location as stored, read before the link is resolved: a shell may fill an empty
    // one with the target while resolving, and empty means "the target's own icon".
    int index = 0;
    const HRESULT icon = object.link->GetIconLocation(buffer, MAX_PATH, &index);
    take(icon, info.iconLocation);
    if (SUCCEEDED(icon)) {
        info.iconIndex = index;
    }
    object.link->Resolve(nullptr, SLR_NO_UI | SLR_ANY_MATCH);
    take(object.link->GetPath(buffer, MAX_PATH, nullptr, pathFlags), info.path);
    take(object.link->GetArguments(buffer, MAX_PATH), info.arguments);
    take(object.link->GetDescription(buffer, MAX_PATH), info.description);
    take(object.link->GetWorkingDirectory(buffer, MAX_PATH), info.workingDirectory);
    int show = 0;
    if (SUCCEEDED(object.link->GetShowCmd(&show))) {
        info.showCommand = show;
    }
    WORD hotKey = 0;
    if (SUCCEEDED(object.link->GetHotkey(&hotKey))) {
        info.hotKey = hotKey;
    }
    return info;
}

} // namespace qv::win32
