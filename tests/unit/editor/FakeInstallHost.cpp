#include "FakeInstallHost.h"

#include "editor/core/InstallEffects.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

namespace qv::editor::testing {

namespace {

const FileResult AccessDenied{false, "Access is denied."};
const FileResult Ok{true, ""};

std::string Parent(const std::string& key) {
    const std::size_t at = key.rfind('\\');
    return at == std::string::npos ? std::string() : key.substr(0, at);
}

std::string WithoutSlash(std::string path) {
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

std::string FakeInstallHost::Key(const std::string& path) {
    return LowerCase(WithoutSlash(path));
}

std::string FakeInstallHost::KeyId(const RegistryKey& key) {
    return LowerCase(KeyName(key));
}

bool FakeInstallHost::Denied(const RegistryKey& key) const {
    for (const std::string& denied : deniedKeys)
        if (LowerCase(denied) == KeyId(key))
            return true;
    return false;
}

void FakeInstallHost::Removing(const std::string& line) {
    if (beforeRemoval)
        beforeRemoval(line);
    journal.push_back(line);
}

FakeInstallHost::Value& FakeInstallHost::Slot(const RegistryKey& key, const std::string& name) {
    FakeKey& fake = keys_[KeyId(key)];
    for (Value& value : fake.values)
        if (LowerCase(value.name) == LowerCase(name))
            return value;
    fake.values.push_back(Value{name, Value::Type::Text, {}, 0});
    return fake.values.back();
}

void FakeInstallHost::SetText(const RegistryKey& key, const std::string& name,
                              const std::string& text, bool expandable) {
    Value& value = Slot(key, name);
    value.type = Value::Type::Text;
    value.text = {text, expandable};
}

void FakeInstallHost::SetInteger(const RegistryKey& key, const std::string& name,
                                 std::uint32_t number) {
    Value& value = Slot(key, name);
    value.type = Value::Type::Integer;
    value.number = number;
}

void FakeInstallHost::SetBinary(const RegistryKey& key, const std::string& name) {
    Slot(key, name).type = Value::Type::Binary;
}

const FakeInstallHost::Value* FakeInstallHost::Find(const RegistryKey& key,
                                                    const std::string& name) const {
    const auto found = keys_.find(KeyId(key));
    if (found == keys_.end())
        return nullptr;
    for (const Value& value : found->second.values)
        if (LowerCase(value.name) == LowerCase(name))
            return &value;
    return nullptr;
}

std::string FakeInstallHost::Text(const RegistryKey& key, const std::string& name) const {
    const Value* value = Find(key, name);
    return value && value->type == Value::Type::Text ? value->text.text : std::string();
}

bool FakeInstallHost::HasKey(const RegistryKey& key) const {
    const std::string id = KeyId(key);
    for (const auto& [other, fake] : keys_)
        if (other == id || StartsWith(other, id + "\\"))
            return true;
    return false;
}

std::optional<RegistryText> FakeInstallHost::ReadText(const RegistryKey& key,
                                                      const std::string& name) {
    const Value* value = Find(key, name);
    if (!value || value->type != Value::Type::Text)
        return std::nullopt;
    return value->text;
}

std::optional<std::uint32_t> FakeInstallHost::ReadInteger(const RegistryKey& key,
                                                          const std::string& name) {
    const Value* value = Find(key, name);
    if (!value || value->type != Value::Type::Integer)
        return std::nullopt;
    return value->number;
}

std::vector<std::string> FakeInstallHost::ValueNames(const RegistryKey& key) {
    std::vector<std::string> names;
    if (const auto found = keys_.find(KeyId(key)); found != keys_.end())
        for (const Value& value : found->second.values)
            names.push_back(value.name);
    return names;
}

std::vector<std::string> FakeInstallHost::SubKeyNames(const RegistryKey& key) {
    std::set<std::string> names;
    const std::string prefix = KeyId(key) + "\\";
    for (const auto& [id, fake] : keys_)
        if (StartsWith(id, prefix))
            names.insert(id.substr(prefix.size(), id.find('\\', prefix.size()) - prefix.size()));
    return {names.begin(), names.end()};
}

RegistryResult FakeInstallHost::WriteText(const RegistryKey& key, const std::string& name,
                                          const RegistryText& value) {
    if (Denied(key))
        return AccessDenied;
    journal.push_back("write " + KeyName(key) + "\\" + name + "=" + value.text);
    SetText(key, name, value.text, value.expandable);
    return Ok;
}

RegistryResult FakeInstallHost::WriteInteger(const RegistryKey& key, const std::string& name,
                                             std::uint32_t value) {
    if (Denied(key))
        return AccessDenied;
    journal.push_back("write " + KeyName(key) + "\\" + name + "=" + std::to_string(value));
    SetInteger(key, name, value);
    return Ok;
}

RegistryResult FakeInstallHost::DeleteValue(const RegistryKey& key, const std::string& name) {
    if (Denied(key))
        return AccessDenied;
    Removing("delete " + KeyName(key) + "\\" + name);
    if (auto found = keys_.find(KeyId(key)); found != keys_.end())
        std::erase_if(found->second.values, [&name](const Value& value) {
            return LowerCase(value.name) == LowerCase(name);
        });
    return Ok;
}

RegistryResult FakeInstallHost::DeleteTree(const RegistryKey& key) {
    if (Denied(key))
        return AccessDenied;
    Removing("delete key " + KeyName(key));
    const std::string id = KeyId(key);
    std::erase_if(keys_, [&id](const auto& entry) {
        return entry.first == id || StartsWith(entry.first, id + "\\");
    });
    return Ok;
}

RegistryResult FakeInstallHost::DeleteKeyIfEmpty(const RegistryKey& key) {
    if (Denied(key))
        return AccessDenied;
    if (!ValueNames(key).empty() || !SubKeyNames(key).empty())
        return Ok;
    Removing("delete key " + KeyName(key));
    keys_.erase(KeyId(key));
    return Ok;
}

void FakeInstallHost::AddFolder(const std::string& path) {
    const std::string key = Key(path);
    if (key.empty() || folders_.count(key))
        return;
    AddFolder(Parent(key));
    folders_.insert(key);
}

void FakeInstallHost::AddFile(const std::string& path, const std::string& bytes, bool hidden) {
    const std::string key = Key(path);
    AddFolder(Parent(key));
    if (!files_.count(key))
        order_.push_back(key);
    files_[key] = {path, bytes, hidden};
}

void FakeInstallHost::AddLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    AddFile(path, bytes);
}

bool FakeInstallHost::HasFolder(const std::string& path) const {
    return folders_.count(Key(path)) > 0;
}

std::vector<std::string> FakeInstallHost::Lines(const std::string& path) const {
    const auto found = files_.find(Key(path));
    return found == files_.end() ? std::vector<std::string>{} : SplitLines(found->second.bytes);
}

bool FakeInstallHost::FileExists(const std::string& path) {
    return files_.count(Key(path)) > 0;
}

bool FakeInstallHost::PathExists(const std::string& path) {
    return FileExists(path) || HasFolder(path);
}

FileResult FakeInstallHost::ReadWhole(const std::string& path, std::string& bytes) {
    const auto found = files_.find(Key(path));
    if (found == files_.end() || failReads.count(Key(path)))
        return {false, "The process cannot access the file because it is being used."};
    bytes = found->second.bytes;
    return Ok;
}

FileResult FakeInstallHost::ReplaceAtomically(const std::string& path, const std::string& bytes) {
    if (failWrites.count(Key(path)) || !HasFolder(Parent(Key(path))))
        return {false, "There is not enough space on the disk."};
    journal.push_back("replace " + path);
    AddFile(path, bytes);
    return Ok;
}

FileResult FakeInstallHost::Remove(const std::string& path) {
    if (failRemoves.count(Key(path)))
        return AccessDenied;
    if (!files_.count(Key(path)))
        return {false, "The system cannot find the file specified."};
    Removing("remove " + path);
    files_.erase(Key(path));
    std::erase(order_, Key(path));
    return Ok;
}

std::vector<std::string> FakeInstallHost::ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& key : order_) {
        const FakeFile& file = files_.at(key);
        if (Parent(key) == Key(folder) && !file.hidden)
            names.push_back(logic::ExtractFileName(file.path));
    }
    return names;
}

FileResult FakeInstallHost::CreateFolder(const std::string& path) {
    journal.push_back("folder " + path);
    AddFolder(path);
    return Ok;
}

FileResult FakeInstallHost::CopyFile(const std::string& source, const std::string& target) {
    const auto found = files_.find(Key(source));
    if (found == files_.end() || failCopies.count(Key(source)) || !HasFolder(Parent(Key(target))))
        return {false, "The system cannot find the path specified."};
    journal.push_back("copy " + source + " > " + target);
    AddFile(target, found->second.bytes);
    return Ok;
}

FileResult FakeInstallHost::MoveFile(const std::string& source, const std::string& target) {
    const auto found = files_.find(Key(source));
    if (found == files_.end() || failMoves.count(Key(source)) || FileExists(target) ||
        !HasFolder(Parent(Key(target))))
        return {false, "Cannot create a file when that file already exists."};
    journal.push_back("move " + source + " > " + target);
    const std::string bytes = found->second.bytes;
    files_.erase(Key(source));
    std::erase(order_, Key(source));
    AddFile(target, bytes);
    return Ok;
}

FileResult FakeInstallHost::RemoveTree(const std::string& path) {
    Removing("remove tree " + path);
    const std::string key = Key(path);
    const auto inside = [&key](const std::string& other) {
        return other == key || StartsWith(other, key + "\\");
    };
    std::erase_if(files_, [&inside](const auto& entry) { return inside(entry.first); });
    std::erase_if(order_, inside);
    std::erase_if(folders_, inside);
    return Ok;
}

FileResult FakeInstallHost::RemoveFolderIfEmpty(const std::string& path) {
    const std::string key = Key(path);
    if (!folders_.count(key))
        return Ok;
    for (const auto& [file, data] : files_)
        if (Parent(file) == key)
            return Ok;
    for (const std::string& folder : folders_)
        if (Parent(folder) == key)
            return Ok;
    Removing("remove if empty " + path);
    folders_.erase(key);
    return Ok;
}

FileResult FakeInstallHost::RemoveAfterExit(const std::string& path) {
    journal.push_back("remove after exit " + path);
    return Ok;
}

std::string FakeInstallHost::ProgramFolder() {
    return logic::ExtractFilePath(programPath);
}

std::optional<std::string> FakeInstallHost::ShortPath(const std::string& path) {
    const auto found = shortPaths_.find(Key(path));
    if (found == shortPaths_.end())
        return std::nullopt;
    return found->second;
}

std::string FakeInstallHost::ExpandEnvironment(const std::string& text) {
    std::string out = text;
    for (const auto& [variable, value] : environment) {
        const std::size_t at = UpperCase(out).find(variable);
        if (at != std::string::npos)
            out.replace(at, variable.size(), value);
    }
    return out;
}

FileResult FakeInstallHost::CreateShortcut(const std::string& folderSpec,
                                           const std::string& description,
                                           const std::string& target) {
    if (failShortcuts.count(description))
        return AccessDenied;
    journal.push_back("shortcut " + folderSpec + "\\" + description + " > " + target);
    return Ok;
}

} // namespace qv::editor::testing
