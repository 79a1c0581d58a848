#pragma once
// DESKTOP: the wallpaper a line asks for, and the random choice among a folder's bitmaps.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::logic {

// The system-parameters call that sets the wallpaper, and its only flag: broadcast the change
// without writing it to the user's profile.
inline constexpr unsigned SpiSetDeskWallpaper = 20;
inline constexpr unsigned SpifSendWinIniChange = 2;

// IconHolder shows this icon of this file while the wallpaper is set.
inline constexpr std::string_view DesktopIconFile = "explorer.exe";
inline constexpr int DesktopIconIndex = 3;

struct DesktopRequest {
    bool random = false;
    std::string path;       // the wallpaper, when not random
    std::string folder;     // the folder to choose from, when random
    std::string statusText; // LoadingAppName while the choice is made
};

// Reads a trimmed DESKTOP line. With "{RANDOM}" the folder is the text after the line's first
// "}" (trimmed) when the argument holds ":", else `windowsFolder`; an empty folder text also
// means the Windows folder.
DesktopRequest ReadDesktopLine(std::string_view trimmedLine, std::string_view windowsFolder);

// True for a name the "*.bmp" mask lists, in any case.
bool IsBitmapName(std::string_view fileName);

// Draws a whole number from 0 to `count` - 1; a value outside that range is folded into it.
using RandomBelow = std::function<int(int count)>;

// The wallpaper path chosen at random among the bitmaps of `fileNames` (names in `folder`,
// other files ignored), each with the same chance; nothing when the folder holds no bitmap,
// and then the wallpaper stays as it is and nothing is recorded.
std::optional<std::string> ChooseRandomWallpaper(std::string_view folder,
                                                 const std::vector<std::string>& fileNames,
                                                 const RandomBelow& randomBelow);

// LoadingAppName once the random choice is made.
std::string RandomChoiceStatusText(std::string_view fileName);

} // namespace qv::logic
