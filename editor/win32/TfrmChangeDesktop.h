#pragma once
// TfrmChangeDesktop, "Change Desktop": the DESKTOP line, with a preview of the bitmap and a Try
// that shows it as the wallpaper of this logon until the dialog closes.
#include "common/win32/Form.h"
#include "common/win32/Owners.h"
#include "editor/core/DesktopModel.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/DialogSupport.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::win32 {

// The user's wallpaper: read from the profile settings, shown for the running logon only.
class Win32Wallpaper : public editor::WallpaperPort {
  public:
    std::string SavedWallpaper() override;
    void ShowWallpaper(const std::string& path) override;
};

class TfrmChangeDesktop : public CommandDialog {
  public:
    TfrmChangeDesktop(MessageLoop& loop, HWND owner, editor::PathProbe& paths,
                      editor::WallpaperPort& wallpaper, std::optional<std::string_view> command);

    editor::DesktopModel& Model() { return model_; }

  protected:
    void OnCommand(int id, int code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Pull();
    void Push();
    void DrawPreview(const DRAWITEMSTRUCT& item) const;

    editor::DesktopModel model_;
    UniqueBitmap preview_;
    std::string previewPath_;
    bool pushing_ = false;
};

std::optional<std::string> ChangeDesktop1Click(CommandContext& context);
void EditChangeDesktop(CommandContext& context);

} // namespace qv::win32
