#include "FakeServices.h"

#include "language/Text.h"

#include <gtest/gtest.h>

namespace qv::interp::testing {

std::uintptr_t FakeServices::AddWindow(const std::string& title, bool visible) {
    windows.push_back({title, visible, ++nextHandle_});
    return nextHandle_;
}

std::vector<WindowEntry> FakeServices::TopLevelWindows(bool visibleOnly) {
    std::vector<WindowEntry> result;
    for (const FakeWindow& w : windows)
        if (w.visible || !visibleOnly)
            result.push_back({w.title, w.handle});
    return result;
}

void FakeServices::PostSysCommand(std::uintptr_t handle, std::uint32_t command) {
    posted.emplace_back(handle, command);
}

bool FakeServices::BringWindowToFront(std::uintptr_t handle) {
    broughtToFront.push_back(handle);
    for (const FakeWindow& w : windows)
        if (w.handle == handle && w.takesFront)
            foreground = handle;
    return true;
}

bool FakeServices::RunsAboveOwnLevel(std::uintptr_t handle) {
    for (const FakeWindow& w : windows)
        if (w.handle == handle)
            return w.elevated;
    return false;
}

void FakeServices::SendKeyEvents(const std::vector<logic::KeyEvent>& events) {
    ++keyBursts;
    keyEvents.insert(keyEvents.end(), events.begin(), events.end());
}

std::int16_t FakeServices::KeyScan(char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<std::int16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::int16_t>(0x100 | c);
    if ((c >= '0' && c <= '9') || c == ' ')
        return c;
    if (c == '{' || c == '}')
        return static_cast<std::int16_t>(0x100 | (c == '{' ? 0xDB : 0xDD));
    if (c == '@')
        return 0x132;
    return -1;
}

std::uint32_t FakeServices::ScanCodeOf(std::uint32_t virtualKey) {
    const auto found = scanCodes.find(virtualKey);
    return found != scanCodes.end() ? found->second : (virtualKey & 0x1F);
}

int FakeServices::CallKeyLibrary(const std::string& keyText) {
    keyLibraryCalls.push_back(keyText);
    return keyLibraryResult;
}

std::string FakeServices::Key(const std::string& path) {
    std::string key = UpperCase(path);
    while (key.size() > 3 && key.back() == '\\')
        key.pop_back();
    return key;
}

std::string FakeServices::Parent(const std::string& key) {
    const std::size_t slash = key.rfind('\\');
    if (slash == std::string::npos)
        return {};
    std::string parent = key.substr(0, slash);
    // A drive root keeps its backslash, as Key leaves it.
    if (parent.size() == 2 && parent[1] == ':')
        parent += '\\';
    return parent;
}

bool FakeServices::FolderExists(const std::string& key) const {
    if (key.size() <= 3 && key.size() >= 2 && key[1] == ':')
        return true;
    return folders_.count(key) != 0;
}

void FakeServices::AddFolder(const std::string& path) {
    std::string written = path;
    while (written.size() > 3 && written.back() == '\\')
        written.pop_back();
    const std::string key = Key(written);
    if (written.empty() || FolderExists(key))
        return;
    const std::size_t slash = written.rfind('\\');
    if (slash != std::string::npos)
        AddFolder(written.substr(0, slash == 2 ? 3 : slash));
    folders_[key] = written;
}

void FakeServices::AddFile(const std::string& path, const std::string& bytes, std::int64_t time,
                           const std::string& version) {
    AddFolder(path.substr(0, path.rfind('\\')));
    files_[Key(path)] = FakeFile{path, bytes, time, version, false};
}

const FakeServices::FakeFile* FakeServices::File(const std::string& path) const {
    const auto found = files_.find(Key(path));
    return found == files_.end() ? nullptr : &found->second;
}

void FakeServices::SetReadOnly(const std::string& path) {
    files_.at(Key(path)).readOnly = true;
}

std::vector<std::string> FakeServices::FilePaths() const {
    std::vector<std::string> paths;
    for (const auto& [key, file] : files_)
        paths.push_back(file.path);
    return paths;
}

bool FakeServices::IsFolder(const std::string& path) {
    return FolderExists(Key(path));
}

bool FakeServices::Exists(const std::string& path) {
    const std::string key = Key(path);
    return files_.count(key) != 0 || FolderExists(key);
}

std::optional<std::int64_t> FakeServices::LastWriteTime(const std::string& path) {
    const FakeFile* file = File(path);
    if (!file)
        return std::nullopt;
    return file->time;
}

std::string FakeServices::FileVersionText(const std::string& path) {
    const FakeFile* file = File(path);
    return file ? file->version : std::string();
}

void FakeServices::ClearReadOnly(const std::string& path) {
    const auto found = files_.find(Key(path));
    if (found != files_.end())
        found->second.readOnly = false;
}

std::vector<logic::FolderEntry> FakeServices::ListFolder(const std::string& folder) {
    const std::string key = Key(folder);
    std::vector<logic::FolderEntry> entries;
    for (const auto& [k, written] : folders_)
        if (Parent(k) == key)
            entries.push_back({written.substr(written.rfind('\\') + 1), true});
    for (const auto& [k, file] : files_)
        if (Parent(k) == key)
            entries.push_back({file.path.substr(file.path.rfind('\\') + 1), false});
    return entries;
}

void FakeServices::CreateFolder(const std::string& path) {
    const std::string key = Key(path);
    if (!FolderExists(key) && FolderExists(Parent(key)))
        AddFolder(path);
}

std::uint32_t FakeServices::CopyOneFile(const std::string& source, const std::string& target) {
    const FakeFile* from = File(source);
    if (!from)
        return 2; // ERROR_FILE_NOT_FOUND
    if (!FolderExists(Parent(Key(target))))
        return 3; // ERROR_PATH_NOT_FOUND
    const FakeFile* existing = File(target);
    if (existing && existing->readOnly)
        return 5; // ERROR_ACCESS_DENIED
    FakeFile copy = *from;
    copy.path = existing ? existing->path : target;
    copy.readOnly = from->readOnly;
    files_[Key(target)] = copy;
    if (onCopyFile)
        onCopyFile(source, target);
    return 0;
}

std::vector<logic::FolderEntry> FakeServices::ListMatching(const std::string& folder,
                                                           const std::string& mask) {
    const std::string extension = UpperCase(mask.substr(mask.find('.')));
    std::vector<logic::FolderEntry> entries;
    for (const logic::FolderEntry& entry : ListFolder(folder)) {
        const std::string name = UpperCase(entry.name);
        if (name.size() >= extension.size() &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            entries.push_back(entry);
    }
    return entries;
}

bool FakeServices::MoveOrRename(const std::string& oldName, const std::string& newName) {
    const auto found = files_.find(Key(oldName));
    if (found == files_.end() || Exists(newName) || !FolderExists(Parent(Key(newName))))
        return false;
    FakeFile moved = found->second;
    moved.path = newName;
    files_.erase(found);
    files_[Key(newName)] = moved;
    return true;
}

std::uint32_t FakeServices::RecycleDelete(const std::string& pathList) {
    std::size_t start = 0;
    while (start < pathList.size() && pathList[start] != '\0') {
        const std::size_t end = pathList.find('\0', start);
        const std::string path = pathList.substr(start, end - start);
        recycled.push_back(path);
        files_.erase(Key(path));
        start = end + 1;
    }
    return recycleResult;
}

bool FakeServices::ShellOpen(const std::string& file, const std::string& parameters,
                             const std::string& folder, int showCode, bool ownedByWindow) {
    launches.push_back({Launch::Kind::Shell, file, parameters, folder, showCode, ownedByWindow});
    return true;
}

bool FakeServices::StartProgram(const std::string& commandLine, const std::string& folder,
                                int showCode) {
    launches.push_back({Launch::Kind::Program, commandLine, {}, folder, showCode, false});
    return true;
}

ProgramPort::WaitedStart FakeServices::StartWaited(const std::string& file,
                                                   const std::string& parameters,
                                                   const std::string& folder, int showCode) {
    launches.push_back({Launch::Kind::Waited, file, parameters, folder, showCode, false});
    return waitedStart;
}

std::optional<ShortcutInfo> FakeServices::ReadShortcut(const std::string& path) {
    const auto found = shortcuts.find(UpperCase(path));
    if (found == shortcuts.end())
        return std::nullopt;
    return found->second;
}

std::string FakeServices::ReadIniString(const std::string& file, const std::string& section,
                                        const std::string& key) {
    const auto found = ini.find(UpperCase(file) + "|" + section + "|" + key);
    if (found == ini.end())
        return {};
    std::string value = found->second;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

bool FakeServices::WriteIniString(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& value) {
    if (!iniWritable)
        return false;
    ini[UpperCase(file) + "|" + section + "|" + key] = value;
    return true;
}

std::uint32_t FakeServices::AddConnection(const logic::NetResourceRequest& request) {
    connections.push_back(request);
    return addConnectionResult;
}

std::uint32_t FakeServices::CancelConnection(const std::string& name, std::uint32_t, bool) {
    cancelled.push_back(name);
    return 2250; // ERROR_NOT_CONNECTED
}

bool FakeServices::SetWallpaper(const std::string& path) {
    wallpapers.push_back(path);
    return true;
}

bool FakeServices::SetSystemTime(const logic::DateAndTime& universal) {
    calls.push_back("SetSystemTime");
    if (!privilegesHeld || systemRefuses)
        return false;
    systemTimes.push_back(universal);
    return true;
}

bool FakeServices::EnablePrivilege(const std::string& name) {
    calls.push_back("EnablePrivilege " + name);
    return privilegesHeld;
}

bool FakeServices::ExitWindowsWith(unsigned flags, unsigned reason) {
    calls.push_back("ExitWindows " + std::to_string(flags) + " reason " + std::to_string(reason));
    return privilegesHeld && !systemRefuses;
}

bool FakeServices::SetEnvironmentValue(const std::string& name, const std::string& value) {
    if (name.empty())
        return false;
    environment[name] = value;
    return true;
}

int FakeServices::RandomBelow(int count) {
    return count > 0 ? randomAnswer % count : 0;
}

bool FakeServices::ShowMenu(logic::MenuModel& menu, bool quitHidden, bool promptMode) {
    ++menusShown;
    quitHiddenSeen.push_back(quitHidden);
    promptModeSeen.push_back(promptMode);
    menuCloseRequested = false;
    if (onShowMenu)
        return onShowMenu(menu, quitHidden);
    if (!host_.AdvanceUntil([this] { return menuCloseRequested; }, 120000)) {
        ADD_FAILURE() << "the menu never closed";
        return false;
    }
    return true;
}

void FakeServices::RefreshMenu(const logic::MenuModel& menu) {
    menuTexts.push_back(menu.TimeOutText());
}

logic::ReplaceAnswer FakeServices::AskReplace(const logic::ReplaceQuestion& question) {
    replaceQuestions.push_back(question);
    if (replaceAnswers.empty()) {
        ADD_FAILURE() << "unexpected replace question for " << question.sourceName;
        return logic::ReplaceAnswer::Cancel;
    }
    const logic::ReplaceAnswer answer = replaceAnswers.front();
    replaceAnswers.pop_front();
    return answer;
}

} // namespace qv::interp::testing
