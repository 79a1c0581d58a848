#include "editor/core/ScriptNames.h"

#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

namespace {

struct SelectorEntry {
    Selector selector;
    std::string_view code;
    std::string_view compared; // empty: made from a name
    std::string_view currentFile;
    std::string_view setting;
};

constexpr std::array<SelectorEntry, SelectorCount> Selectors = {{
    {Selector::InternetConnect, "IC", "interneton.qvs", "InternetOn.QVS", "Internet On"},
    {Selector::InternetDisconnect, "ID", "internetoff.qvs", "InternetOff.QVS", "Internet Off"},
    {Selector::UserName, "U", "", "", ""},
    {Selector::ComputerName, "C", "", "", ""},
    {Selector::Common, "M", "common.qvs", "Common.QVS", ""},
}};

const SelectorEntry& EntryOf(Selector selector) {
    return Selectors[static_cast<std::size_t>(selector)];
}

bool SamePath(std::string_view a, std::string_view b) {
    return LowerCase(a) == LowerCase(b);
}

} // namespace

std::string_view SelectorCode(Selector selector) {
    return EntryOf(selector).code;
}

SelectorFile SelectorFileFor(Selector selector, std::string_view userName,
                             std::string_view computerName) {
    const SelectorEntry& entry = EntryOf(selector);
    if (!entry.compared.empty())
        return {std::string(entry.compared), std::string(entry.currentFile)};
    const std::string_view name = selector == Selector::UserName ? userName : computerName;
    return {LowerCase(name) + ".qvs", std::string(name) + ".QVS"};
}

std::string_view InternetSetting(Selector selector) {
    return EntryOf(selector).setting;
}

std::string WindowTitleFor(std::string_view currentFile) {
    std::string name = logic::ExtractFileName(currentFile);
    if (Contains(UpperCase(name), ".QVS"))
        name.resize(name.size() >= 4 ? name.size() - 4 : 0);
    return "Trevanta's - Quorvel v2.0 - [" + name + "]";
}

std::string SourcePathFor(std::string_view path) {
    return std::string(path.substr(0, path.size() >= 4 ? path.size() - 4 : 0)) + ".qvs";
}

void RecentFiles::Add(const std::string& path) {
    std::erase_if(paths_, [&path](const std::string& known) { return SamePath(known, path); });
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > Capacity)
        paths_.resize(Capacity);
}

void RecentFiles::Assign(const std::vector<std::string>& paths) {
    paths_.clear();
    for (const std::string& path : paths) {
        if (paths_.size() == Capacity)
            break;
        if (std::none_of(paths_.begin(), paths_.end(),
                         [&path](const std::string& known) { return SamePath(known, path); }))
            paths_.push_back(path);
    }
}

} // namespace qv::editor
