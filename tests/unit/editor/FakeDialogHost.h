#pragma once
// One fake for every port of the command dialogs: files and folders by name, a window list, the
// shortcuts to convert, the drives in use, the path history, the wallpaper and the calendar.
// Nothing here touches the real machine.
#include "editor/core/DateModel.h"
#include "editor/core/DesktopModel.h"
#include "editor/core/DialogPorts.h"
#include "editor/core/MapDriveModel.h"
#include "editor/core/RunProgramModel.h"
#include "language/Text.h"

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qv::editor::testing {

class FakeDialogHost : public PathProbe,
                       public WindowLister,
                       public LinkReader,
                       public DrivePort,
                       public PathHistoryStore,
                       public WallpaperPort,
                       public DatePort {
  public:
    std::set<std::string> files;   // upper-cased paths
    std::set<std::string> folders; // upper-cased paths
    bool IsFile(const std::string& path) override { return files.count(UpperCase(path)) > 0; }
    bool IsFolder(const std::string& path) override { return folders.count(UpperCase(path)) > 0; }

    std::vector<std::string> windows;
    std::vector<std::string> TopLevelTitles() override { return windows; }

    std::map<std::string, LinkTarget> links; // by upper-cased path
    std::optional<LinkTarget> ReadLink(const std::string& path) override {
        const auto found = links.find(UpperCase(path));
        if (found == links.end())
            return std::nullopt;
        return found->second;
    }

    std::vector<DriveInUse> drives;
    std::vector<DriveInUse> DrivesInUse() override { return drives; }

    std::vector<std::string> history;
    int historySaves = 0;
    std::vector<std::string> LoadPathHistory() override { return history; }
    void SavePathHistory(const std::vector<std::string>& paths) override {
        history = paths;
        ++historySaves;
    }

    std::string wallpaper = "C:\\WINDOWS\\clouds.bmp"; // the stored setting
    std::string shown = wallpaper;                     // what the desktop shows
    std::string SavedWallpaper() override { return wallpaper; }
    void ShowWallpaper(const std::string& path) override { shown = path; }

    logic::CivilDate today{2026, 12, 10};
    std::string shortDateFormat = "dd/MM/yyyy";
    logic::CivilDate Today() override { return today; }
    std::string ShortDateFormat() override { return shortDateFormat; }
    std::string LongMonthName(int month) override {
        static const std::array<const char*, 12> names = {
            "January", "February", "March",     "April",   "May",      "June",
            "July",    "August",   "September", "October", "November", "December"};
        return month >= 1 && month <= 12 ? names[month - 1] : "";
    }
};

} // namespace qv::editor::testing
