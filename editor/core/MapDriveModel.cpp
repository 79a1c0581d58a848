#include "editor/core/MapDriveModel.h"

#include "editor/core/ScriptDocument.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

namespace {

// The entry's own name: its text up to the first blank ("X:" of "X: \\SERVER\SHARE").
std::string_view FirstWord(std::string_view text) {
    return text.substr(0, text.find(' '));
}

bool SameText(std::string_view a, std::string_view b) {
    return UpperCase(a) == UpperCase(b);
}

} // namespace

MapDriveModel::MapDriveModel(MapDriveMode mode, DrivePort& drives, PathHistoryStore& history)
    : mode_(mode), history_(history) {
    if (mode_ == MapDriveMode::Capture) {
        for (char port = '1'; port <= '9'; ++port)
            DriveLet.push_back(std::string("LPT") + port);
    } else {
        for (char letter = 'D'; letter <= 'Z'; ++letter)
            DriveLet.push_back(std::string(1, letter) + ":");
        for (const DriveInUse& drive : drives.DrivesInUse()) {
            const char letter = UpperChar(drive.letter);
            if (letter >= 'D' && letter <= 'Z')
                DriveLet[letter - 'D'] = UpperCase(drive.listText);
        }
    }
    History = history_.LoadPathHistory();
}

std::string_view MapDriveModel::Caption() const {
    return mode_ == MapDriveMode::Capture ? CapturePortCaption : MapDriveCaption;
}

void MapDriveModel::FromLine(std::string_view command) {
    const NetFields fields = ParseNet(Trim(command));
    const std::string drive = UpperCase(fields.local);
    // Found by its letter, so an entry that also shows the drive's description is found too.
    const auto found = std::find_if(DriveLet.begin(), DriveLet.end(), [&](const std::string& e) {
        return SameText(e, drive) || SameText(FirstWord(e), FirstWord(drive));
    });
    DriveLetIndex = found == DriveLet.end() ? -1 : static_cast<int>(found - DriveLet.begin());
    unlistedDrive_ = found == DriveLet.end() ? Trim(drive) : std::string();
    PathLoc = UpperCase(fields.remote);
}

std::string MapDriveModel::DriveText() const {
    if (DriveLetIndex < 0 || DriveLetIndex >= static_cast<int>(DriveLet.size()))
        return unlistedDrive_;
    return std::string(FirstWord(DriveLet[DriveLetIndex]));
}

bool MapDriveModel::OkEnabled() const {
    return !DriveText().empty() && !Trim(PathLoc).empty();
}

std::string MapDriveModel::BuildLine() const {
    return BuildNet(mode_ == MapDriveMode::Capture ? Keyword::Capture : Keyword::Connect,
                    {DriveText(), PathLoc});
}

void MapDriveModel::ApplyOk(ScriptDocument& doc, DialogUse use) {
    const bool known = std::any_of(History.begin(), History.end(),
                                   [this](const std::string& e) { return SameText(e, PathLoc); });
    if (!known && !PathLoc.empty()) {
        History.push_back(PathLoc);
        history_.SavePathHistory(History);
    }
    const std::string line = BuildLine();
    if (use == DialogUse::Add) {
        doc.AddLine(line);
        return;
    }
    std::string title = mode_ == MapDriveMode::Capture ? "Capture " + DriveText() + ":"
                                                       : "Map Drive " + DriveText();
    doc.RewriteFocusedRow(line, std::move(title));
    doc.RefreshLines();
}

} // namespace qv::editor
