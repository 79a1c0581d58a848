#pragma once
// The file system as the file commands see it, and the two walks built on it: the listing of a
// folder tree and the creation of a folder path level by level.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::logic {

struct FolderEntry {
    std::string name; // without any folder
    bool isFolder = false;
};

class CopyFileSystem {
  public:
    virtual ~CopyFileSystem() = default;
    // True when `path` can be made the current directory (a trailing "\" is allowed).
    virtual bool IsFolder(const std::string& path) = 0;
    // True when a file or folder exists at `path`.
    virtual bool Exists(const std::string& path) = 0;
    // The last-write time of a file in any monotonic unit; nullopt when it cannot be read.
    virtual std::optional<std::int64_t> LastWriteTime(const std::string& path) = 0;
    // The file's "FileVersion" text from its first translation; empty without version resource.
    virtual std::string FileVersionText(const std::string& path) = 0;
    // Sets the file's attributes again without the read-only bit; nothing for a missing file.
    virtual void ClearReadOnly(const std::string& path) = 0;
    // The entries of `folder` (ends with "\") matching "*.*", hidden and system ones included,
    // without "." and "..", in the system's enumeration order.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    // Creates one folder level; an existing folder is no error.
    virtual void CreateFolder(const std::string& path) = 0;
    // Copies a file, overwriting an existing target; 0 on success, else the system error code.
    virtual std::uint32_t CopyOneFile(const std::string& source, const std::string& target) = 0;
};

// All files below `folder` as paths relative to it: the folder's own files in enumeration
// order, then each sub-folder's files, the sub-folders taken from a queue sorted without regard
// to (ASCII) case.
std::vector<std::string> ListFolderTree(std::string_view folder, CopyFileSystem& fs);

// The levels ForceFolderPath walks: `root` is where the walk starts (a drive root such as d:\,
// or \\server\share\ for a network path; empty for a relative path), `levels` each further
// folder without its trailing "\".
struct FolderWalk {
    std::string root;
    std::vector<std::string> levels;
};
FolderWalk FolderPathLevels(std::string_view folder);

// Creates the missing levels of `folder`. Ends at once when the drive root cannot be entered,
// and stops at the first level that cannot be entered; true when the whole path exists.
bool ForceFolderPath(std::string_view folder, CopyFileSystem& fs);

} // namespace qv::logic
