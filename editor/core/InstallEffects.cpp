#include "editor/core/InstallEffects.h"

#include <utility>

namespace qv::editor {

namespace {

using Kind = InstallEffect::Kind;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string ValueLabel(const std::string& name) {
    return name.empty() ? std::string("the default value") : Quoted(name);
}

bool IsRegistryStep(Kind kind) {
    return kind == Kind::WriteText || kind == Kind::WriteInteger || kind == Kind::DeleteValue ||
           kind == Kind::DeleteTree || kind == Kind::DeleteKeyIfEmpty;
}

FileResult Perform(const InstallEffect& effect, InstallPorts ports) {
    switch (effect.kind) {
    case Kind::WriteText:
        return ports.registry.WriteText(effect.key, effect.name, effect.value);
    case Kind::WriteInteger:
        return ports.registry.WriteInteger(effect.key, effect.name, effect.number);
    case Kind::DeleteValue:
        return ports.registry.DeleteValue(effect.key, effect.name);
    case Kind::DeleteTree:
        return ports.registry.DeleteTree(effect.key);
    case Kind::DeleteKeyIfEmpty:
        return ports.registry.DeleteKeyIfEmpty(effect.key);
    case Kind::CopyFile:
        return ports.files.CopyFile(effect.path, effect.target);
    case Kind::CreateShortcut:
        return ports.shell.CreateShortcut(effect.path, effect.description, effect.target);
    case Kind::AssociationsChanged:
        ports.shell.AssociationsChanged();
        return {true, ""};
    case Kind::RemoveFile:
        return ports.files.Remove(effect.path);
    case Kind::RemoveTree:
        return ports.files.RemoveTree(effect.path);
    case Kind::RemoveFolderIfEmpty:
        return ports.files.RemoveFolderIfEmpty(effect.path);
    case Kind::RemoveAfterExit:
        return ports.files.RemoveAfterExit(effect.path);
    }
    return {false, "unknown step"};
}

} // namespace

InstallEffect WriteTextEffect(RegistryKey key, std::string name, RegistryText value) {
    InstallEffect effect;
    effect.kind = Kind::WriteText;
    effect.key = std::move(key);
    effect.name = std::move(name);
    effect.value = std::move(value);
    return effect;
}

InstallEffect WriteIntegerEffect(RegistryKey key, std::string name, std::uint32_t number) {
    InstallEffect effect;
    effect.kind = Kind::WriteInteger;
    effect.key = std::move(key);
    effect.name = std::move(name);
    effect.number = number;
    return effect;
}

InstallEffect DeleteValueEffect(RegistryKey key, std::string name) {
    InstallEffect effect;
    effect.kind = Kind::DeleteValue;
    effect.key = std::move(key);
    effect.name = std::move(name);
    return effect;
}

InstallEffect KeyEffect(InstallEffect::Kind kind, RegistryKey key) {
    InstallEffect effect;
    effect.kind = kind;
    effect.key = std::move(key);
    return effect;
}

InstallEffect FileEffect(InstallEffect::Kind kind, std::string path) {
    InstallEffect effect;
    effect.kind = kind;
    effect.path = std::move(path);
    return effect;
}

InstallEffect CopyFileEffect(std::string source, std::string target) {
    InstallEffect effect = FileEffect(Kind::CopyFile, std::move(source));
    effect.target = std::move(target);
    return effect;
}

InstallEffect ShortcutEffect(std::string folderSpec, std::string description, std::string target) {
    InstallEffect effect = FileEffect(Kind::CreateShortcut, std::move(folderSpec));
    effect.description = std::move(description);
    effect.target = std::move(target);
    return effect;
}

std::string KeyName(const RegistryKey& key) {
    std::string root;
    switch (key.root) {
    case RegistryRoot::CurrentUser:
        root = "HKEY_CURRENT_USER";
        break;
    case RegistryRoot::LocalMachine:
        root = "HKEY_LOCAL_MACHINE";
        break;
    case RegistryRoot::ClassesRoot:
        root = "HKEY_CLASSES_ROOT";
        break;
    }
    std::string path = key.path;
    const std::string software = "Software\\";
    if (key.view == RegistryView::Wow32 && path.compare(0, software.size(), software) == 0)
        path = software + "WOW6432Node\\" + path.substr(software.size());
    return path.empty() ? root : root + "\\" + path;
}

std::string DescribeEffect(const InstallEffect& effect) {
    switch (effect.kind) {
    case Kind::WriteText:
    case Kind::WriteInteger:
        return "write " + ValueLabel(effect.name) + " in " + KeyName(effect.key);
    case Kind::DeleteValue:
        return "delete " + ValueLabel(effect.name) + " from " + KeyName(effect.key);
    case Kind::DeleteTree:
    case Kind::DeleteKeyIfEmpty:
        return "delete the key " + KeyName(effect.key);
    case Kind::CopyFile:
        return "copy " + effect.path + " to " + effect.target;
    case Kind::CreateShortcut:
        return "create the shortcut " + Quoted(effect.description) + " in " + effect.path;
    case Kind::AssociationsChanged:
        return "tell the shell that file associations changed";
    case Kind::RemoveFile:
    case Kind::RemoveAfterExit:
        return "delete " + effect.path;
    case Kind::RemoveTree:
    case Kind::RemoveFolderIfEmpty:
        return "delete the folder " + effect.path;
    }
    return "take an unknown step";
}

std::string EffectFailure::Text() const {
    return "Could not " + DescribeEffect(effect) + ": " + reason;
}

std::string FailureReport(std::string_view heading, const std::vector<EffectFailure>& failures) {
    std::string text(heading);
    bool machineWide = false;
    for (const EffectFailure& failure : failures) {
        text += "\r\n" + failure.Text();
        // Files are the program folder's, the Windows folder's or the shared program group's.
        machineWide = machineWide || !IsRegistryStep(failure.effect.kind) ||
                      failure.effect.key.root != RegistryRoot::CurrentUser;
    }
    if (machineWide)
        text += "\r\n\r\n" + std::string(AdministratorHint);
    return text;
}

std::string WithAdministratorHint(std::string text, const RegistryKey& key) {
    if (key.root != RegistryRoot::CurrentUser)
        text += "\r\n\r\n" + std::string(AdministratorHint);
    return text;
}

std::vector<EffectFailure> CarryOut(const std::vector<InstallEffect>& effects, InstallPorts ports) {
    std::vector<EffectFailure> failures;
    for (const InstallEffect& effect : effects) {
        const FileResult result = Perform(effect, ports);
        if (!result.ok)
            failures.push_back({effect, result.error});
    }
    return failures;
}

} // namespace qv::editor
