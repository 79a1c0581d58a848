#pragma once
// The network dialog (TMapDrv) in its two modes, "Map Network Drive" and "Capture Printer
// Port": the CONNECT and CAPTURE lines. The Win32 dialog fills DriveLet from DriveLet and
// selects DriveLetIndex, fills PathLoc's list from History and its text from PathLoc, copies the
// selection and the text back, and on OK (enabled by OkEnabled) calls ApplyOk.
#include "editor/core/DialogPorts.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

class ScriptDocument;

enum class MapDriveMode { Connect, Capture };

inline constexpr std::string_view MapDriveCaption = "Map Network Drive";
inline constexpr std::string_view CapturePortCaption = "Capture Printer Port";
inline constexpr std::string_view MapDriveHelpTopic = "Connect_Network_Drives";

// A drive the machine uses, as its drive list shows it.
struct DriveInUse {
    char letter = 'C';
    std::string listText; // the letter, a colon, a blank and the volume name or network path
};

class DrivePort {
  public:
    virtual ~DrivePort() = default;
    virtual std::vector<DriveInUse> DrivesInUse() = 0;
};

// The path history of PathLoc, kept per user in the editor's settings.
class PathHistoryStore {
  public:
    virtual ~PathHistoryStore() = default;
    virtual std::vector<std::string> LoadPathHistory() = 0;
    virtual void SavePathHistory(const std::vector<std::string>& paths) = 0;
};

class MapDriveModel {
  public:
    // FormCreate: the drive or port entries, the first one selected, and the path history.
    MapDriveModel(MapDriveMode mode, DrivePort& drives, PathHistoryStore& history);

    MapDriveMode Mode() const { return mode_; }
    std::string_view Caption() const;

    std::vector<std::string> DriveLet; // "D:" to "Z:" or "LPT1" to "LPT9"
    int DriveLetIndex = 0;             // -1: none
    std::string PathLoc;
    std::vector<std::string> History; // PathLoc's entries

    // EditConnectScript, EditCaptureScript: fills the dialog from the focused row's command.
    void FromLine(std::string_view command);

    // The local name written between the braces: the chosen entry's letter and colon (an entry
    // of a drive in use also shows its description), or the port.
    std::string DriveText() const;
    // OK needs a drive or port and a path: the interpreter can connect nothing without them.
    bool OkEnabled() const;
    std::string BuildLine() const;
    // Adds the path to the history and stores it; then adds the line, or rewrites the focused
    // row's command and title and refreshes the rows.
    void ApplyOk(ScriptDocument& doc, DialogUse use);

  private:
    MapDriveMode mode_;
    PathHistoryStore& history_;
    // The drive of an edited line that no entry shows (such as A:), written back unchanged.
    std::string unlistedDrive_;
};

} // namespace qv::editor
