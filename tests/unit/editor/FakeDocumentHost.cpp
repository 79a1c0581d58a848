#include "FakeDocumentHost.h"

#include "language/Text.h"

namespace qv::editor::testing {

std::string FakeDocumentHost::Key(const std::string& path) {
    return LowerCase(path);
}

void FakeDocumentHost::AddFile(const std::string& path, const std::string& bytes) {
    files_[Key(path)] = bytes;
}

void FakeDocumentHost::AddLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    AddFile(path, bytes);
}

const std::string* FakeDocumentHost::File(const std::string& path) const {
    const auto found = files_.find(Key(path));
    return found == files_.end() ? nullptr : &found->second;
}

std::vector<std::string> FakeDocumentHost::Lines(const std::string& path) const {
    const std::string* bytes = File(path);
    return bytes ? SplitLines(*bytes) : std::vector<std::string>{};
}

bool FakeDocumentHost::FileExists(const std::string& path) {
    return files_.count(Key(path)) > 0;
}

bool FakeDocumentHost::PathExists(const std::string& path) {
    return FileExists(path) || folders.count(Key(path)) > 0;
}

FileResult FakeDocumentHost::ReadWhole(const std::string& path, std::string& bytes) {
    const std::string* file = File(path);
    if (!file || failReads.count(Key(path)))
        return {false, "Access is denied."};
    bytes = *file;
    return {true, ""};
}

FileResult FakeDocumentHost::ReplaceAtomically(const std::string& path, const std::string& bytes) {
    if (failWrites.count(Key(path)))
        return {false, "There is not enough space on the disk."};
    files_[Key(path)] = bytes;
    return {true, ""};
}

FileResult FakeDocumentHost::Remove(const std::string& path) {
    if (failRemoves.count(Key(path)))
        return {false, "The process cannot access the file because it is being used."};
    files_.erase(Key(path));
    removed.push_back(path);
    return {true, ""};
}

std::optional<ShortcutInfo> FakeDocumentHost::ReadShortcut(const std::string& path) {
    const auto found = shortcuts.find(Key(path));
    if (found == shortcuts.end())
        return std::nullopt;
    return found->second;
}

int FakeDocumentHost::AppendIcon(const IconRequest& icon) {
    icons.push_back(icon);
    return static_cast<int>(icons.size()) - 1;
}

void FakeDocumentHost::ClearIcons() {
    icons.clear();
    ++iconClears;
}

std::string FakeDocumentHost::CompileSavedScript(const std::string& sourcePath) {
    compiled.push_back(sourcePath);
    return compileError;
}

} // namespace qv::editor::testing
