#pragma once
// TMapDrv, "Map Network Drive" and "Capture Printer Port": the CONNECT and CAPTURE lines, with
// the paths used before offered again.
#include "common/win32/Form.h"
#include "editor/core/MapDriveModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string_view>

namespace qv::win32 {

// The machine's drives in use, as its drive list names them.
class Win32Drives : public editor::DrivePort {
  public:
    std::vector<editor::DriveInUse> DrivesInUse() override;
};

// PathLoc's entries, per user under the editor's settings key.
class RegistryPathHistory : public editor::PathHistoryStore {
  public:
    std::vector<std::string> LoadPathHistory() override;
    void SavePathHistory(const std::vector<std::string>& paths) override;
};

class TMapDrv : public CommandDialog {
  public:
    TMapDrv(MessageLoop& loop, HWND owner, editor::MapDriveMode mode, editor::DrivePort& drives,
            editor::PathHistoryStore& history, std::optional<std::string_view> command);

    editor::MapDriveModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;

  private:
    void Pull(bool pathFromList);
    void Push();

    editor::MapDriveModel model_;
    bool pushing_ = false;
};

std::optional<std::string> NetworkConnect2Click(CommandContext& context);
std::optional<std::string> NetworkCapture2Click(CommandContext& context);
void EditConnectScript(CommandContext& context);
void EditCaptureScript(CommandContext& context);

} // namespace qv::win32
