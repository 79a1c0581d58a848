#include "interpreter/logic/CtlDesktop.h"

#include "language/Grammar.h"
#include "language/Text.h"

namespace qv::logic {

namespace {

constexpr std::string_view Setting = "Setting Preferred Desktop Background...\r";
constexpr std::string_view RandomSelection = "Random Selection...";

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += name;
    return path;
}

} // namespace

DesktopRequest ReadDesktopLine(std::string_view trimmedLine, std::string_view windowsFolder) {
    const std::string argument = UpperCase(ArgumentOf(trimmedLine, Keyword::Desktop));
    DesktopRequest request;
    if (!Contains(argument, "{RANDOM}")) {
        request.path = argument;
        request.statusText = std::string(Setting) + argument;
        return request;
    }
    request.random = true;
    request.statusText = std::string(Setting) + std::string(RandomSelection);
    request.folder = std::string(windowsFolder);
    if (Contains(argument, ":")) {
        const std::size_t brace = trimmedLine.find('}');
        const std::string folder =
            brace == std::string_view::npos ? "" : UpperCase(Trim(trimmedLine.substr(brace + 1)));
        if (!folder.empty())
            request.folder = folder;
    }
    return request;
}

bool IsBitmapName(std::string_view fileName) {
    constexpr std::string_view extension = ".BMP";
    const std::string upper = UpperCase(fileName);
    return upper.size() >= extension.size() &&
           upper.compare(upper.size() - extension.size(), extension.size(), extension) == 0;
}

std::optional<std::string> ChooseRandomWallpaper(std::string_view folder,
                                                 const std::vector<std::string>& fileNames,
                                                 const RandomBelow& randomBelow) {
    std::vector<const std::string*> bitmaps;
    for (const std::string& name : fileNames)
        if (IsBitmapName(name))
            bitmaps.push_back(&name);
    if (bitmaps.empty())
        return std::nullopt;
    const int count = static_cast<int>(bitmaps.size());
    int drawn = randomBelow ? randomBelow(count) : 0;
    drawn %= count;
    if (drawn < 0)
        drawn += count;
    return JoinPath(folder, *bitmaps[drawn]);
}

std::string RandomChoiceStatusText(std::string_view fileName) {
    return std::string(Setting) + std::string(RandomSelection) + std::string(fileName);
}

} // namespace qv::logic
