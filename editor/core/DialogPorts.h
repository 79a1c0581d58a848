#pragma once
// What the command dialogs ask of the machine, and how an OK reaches the document. Each port is
// small and named after what it serves; the Win32 side implements them, tests use fakes. Every
// call is made on the one window thread.
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

// Whether the dialog adds a new line or rewrites the focused row.
enum class DialogUse { Add, Edit };

// Existing files and folders, as the file-command and desktop dialogs look at them.
class PathProbe {
  public:
    virtual ~PathProbe() = default;
    virtual bool IsFile(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
};

// The titles of all top-level windows, from the first in z-order through each next one,
// without the untitled ones and each cut to 255 characters.
class WindowLister {
  public:
    virtual ~WindowLister() = default;
    virtual std::vector<std::string> TopLevelTitles() = 0;
};

// The caption of the message box in which a dialog refuses its OK (error icon); the dialog stays
// open.
inline constexpr std::string_view DialogErrorCaption = "Quorvel";

} // namespace qv::editor
