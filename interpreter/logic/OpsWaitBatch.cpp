#include "interpreter/logic/OpsWaitBatch.h"

#include "interpreter/logic/OpsPaths.h"

#include <array>
#include <cstdio>

namespace qv::logic {

namespace {
constexpr unsigned UniqueCount = 0x10000;
}

std::string TempFileName(std::string_view folder, unsigned unique) {
    std::array<char, 8> digits{};
    std::snprintf(digits.data(), digits.size(), "%04X", unique & 0xFFFFu);
    return WithTrailingBackslash(folder) + std::string(TempFilePrefix) + digits.data() + ".tmp";
}

std::string MakeTempFileName(std::string_view folder, std::string_view systemTempFolder,
                             unsigned firstUnique,
                             const std::function<bool(const std::string&)>& exists) {
    const std::string_view where = folder.empty() ? systemTempFolder : folder;
    unsigned unique = firstUnique & 0xFFFFu;
    for (unsigned tried = 0; tried < UniqueCount; ++tried, unique = (unique + 1) & 0xFFFFu) {
        if (unique == 0)
            continue;
        std::string name = TempFileName(where, unique);
        if (!exists(name))
            return name;
    }
    return {};
}

std::string WaitBatchPath(std::string_view markerPath) {
    return std::string(markerPath) + ".bat";
}

std::string WaitBatchText(std::string_view file, std::string_view parameters,
                          std::string_view markerPath) {
    std::string text = "START \"\" /w \"";
    text += file;
    text += "\" ";
    text += parameters;
    text += "\r\nDEL \"";
    text += markerPath;
    text += "\"\r\n";
    return text;
}

} // namespace qv::logic
