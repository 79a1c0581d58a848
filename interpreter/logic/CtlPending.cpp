#include "interpreter/logic/CtlPending.h"

#include <algorithm>

namespace qv::logic {

namespace {

// Index of the first pending line; the header is never pending.
int FirstPending(int nextLine) {
    return std::max(nextLine, 1);
}

// Index of the last command line, before the empty end element.
int LastCommand(const std::vector<std::string>& scriptLines) {
    return static_cast<int>(scriptLines.size()) - 2;
}

} // namespace

std::vector<std::string> PendingEntries(const std::vector<std::string>& scriptLines, int nextLine) {
    std::vector<std::string> entries;
    for (int i = FirstPending(nextLine); i <= LastCommand(scriptLines); ++i)
        entries.push_back(scriptLines[i]);
    return entries;
}

int RemoveUncheckedLines(std::vector<std::string>& scriptLines, int nextLine,
                         const std::vector<std::string>& entries,
                         const std::optional<std::vector<bool>>& checked) {
    if (!checked)
        return 0;
    std::vector<const std::string*> unchecked;
    for (std::size_t j = 0; j < entries.size(); ++j)
        if (j < checked->size() && !(*checked)[j])
            unchecked.push_back(&entries[j]);
    int removed = 0;
    for (int i = LastCommand(scriptLines); i >= FirstPending(nextLine); --i) {
        const std::string& line = scriptLines[i];
        const bool drop = std::any_of(unchecked.begin(), unchecked.end(),
                                      [&line](const std::string* entry) { return *entry == line; });
        if (drop) {
            scriptLines.erase(scriptLines.begin() + i);
            ++removed;
        }
    }
    return removed;
}

} // namespace qv::logic
