#pragma once
// The two image lists of the script list and the pictures of its rows. Every row appends its
// own picture, but each picture is taken from its source once: the cache keeps one extracted
// icon per (kind, source, index), so a script of thousands of LOAD lines naming the same
// programs extracts each program's icon once.
#include "common/win32/Controls.h"
#include "editor/core/DocumentPorts.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace qv::win32 {

// The resource names of the editor's icon table, in table order.
inline constexpr std::array<const char*, 27> EditorIconNames = {
    "MAINICON",
    "MAINICON_CAPTURE",
    "MAINICON_CLOSE",
    "MAINICON_CONNECT",
    "MAINICON_COPY",
    "MAINICON_DELETE",
    "MAINICON_DESKTOP",
    "MAINICON_DONTNO",
    "MAINICON_INI",
    "MAINICON_LOGOFF",
    "MAINICON_MENU",
    "MAINICON_MINIMIZE",
    "MAINICON_NO",
    "MAINICON_PROMPT",
    "MAINICON_PROPERTIES",
    "MAINICON_REGISTRY",
    "MAINICON_RENAME",
    "MAINICON_RUN",
    "MAINICON_SHUTDOWN",
    "MAINICON_TIMER",
    "MAINICON_WINDOW",
    "MAINICON_ZA_ENABLE",
    "MAINICON_ZB_DISABLE",
    "MAINICON_ZC_DATE",
    "MAINICON_ZD_SENDKEYS",
    "QVC",
    "QVS",
};

// Icon `index` of the editor's table at `size` pixels; null when the program has none.
UniqueIcon LoadEditorIcon(int index, int size);
// The program's icon (MAINICON) for the windows' classes, kept for the whole run.
HICON EditorClassIcon();
// Paints the program's icon into an owner-drawn picture control, filling it.
void DrawProgramPicture(const DRAWITEMSTRUCT& item);

// A picture at the sizes of the two lists; either may be null when the source gives none.
struct IconPair {
    UniqueIcon large;
    UniqueIcon small;
};

// Where pictures come from: the editor's resources and the shell.
class IconSource {
  public:
    virtual ~IconSource() = default;
    // Names the picture a request shows, more cheaply than taking it: requests named alike (two
    // programs with the shell's same generic picture) show one picture, taken once.
    virtual std::string Identify(const editor::IconRequest& request) = 0;
    // The picture that Identify named `identity` for `request`.
    virtual IconPair Extract(const editor::IconRequest& request, const std::string& identity,
                             int largeSize, int smallSize) = 0;
};

class ShellIconSource : public IconSource {
  public:
    std::string Identify(const editor::IconRequest& request) override;
    IconPair Extract(const editor::IconRequest& request, const std::string& identity, int largeSize,
                     int smallSize) override;
};

// One picture's pixels as an image list takes them in a strip: 32-bit colour with alpha and the
// transparent pixels, top row first.
struct PicturePixels {
    int size = 0;
    std::vector<std::uint32_t> color;
    std::vector<std::uint8_t> transparent;
};
// Nothing for an icon that is not a colour icon of exactly `size` pixels.
std::optional<PicturePixels> PixelsOf(HICON icon, int size);

// Adding pictures one by one costs the system a conversion each, which a script of thousands of
// rows feels; so appended pictures are held back and added in strips of many at once, before
// the list next draws (Flush).
class RowIcons : public editor::IconPort {
  public:
    explicit RowIcons(IconSource& source) : source_(source) {}

    // Makes both lists empty at these sizes (again after a DPI change); the cache is dropped.
    void CreateLists(int largeSize, int smallSize);
    HIMAGELIST Large() const { return large_.Get(); }
    HIMAGELIST Small() const { return small_.Get(); }
    // Adds the pictures appended since the last flush to both lists. A list filled from empty
    // may be made anew: show Large() and Small() again afterwards.
    void Flush();

    int AppendIcon(const editor::IconRequest& icon) override;
    void ClearIcons() override;

  private:
    struct Picture {
        UniqueIcon icon;
        std::optional<PicturePixels> pixels;
    };
    struct Pictures {
        Picture large;
        Picture small;
    };
    const Pictures& PicturesFor(const editor::IconRequest& icon);
    static Picture Take(UniqueIcon icon, int size);
    void AddPending(UniqueImageList& list, int size, Picture Pictures::*which) const;
    static std::string KeyOf(const editor::IconRequest& icon);

    IconSource& source_;
    UniqueImageList large_;
    UniqueImageList small_;
    int largeSize_ = 32;
    int smallSize_ = 16;
    std::unordered_map<std::string, Pictures> pictures_;        // by the source's identity
    std::unordered_map<std::string, const Pictures*> requests_; // by request
    std::vector<const Pictures*> pending_;
};

} // namespace qv::win32
