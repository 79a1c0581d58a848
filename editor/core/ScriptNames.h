#pragma once
// Names of scripts: the five selector codes and the files they stand for, the window title, and
// the list of recently used files.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

// The File menu's script selectors, in the order LoadScript tests their codes.
enum class Selector { InternetConnect, InternetDisconnect, UserName, ComputerName, Common };
inline constexpr std::size_t SelectorCount = 5;

// "IC", "ID", "U", "C", "M".
std::string_view SelectorCode(Selector selector);

struct SelectorFile {
    std::string compared;    // lower case: the file name a path must end in to match
    std::string currentFile; // what CurrentFile becomes for the code
};
SelectorFile SelectorFileFor(Selector selector, std::string_view userName,
                             std::string_view computerName);

// The registry value an internet script writes its compiled path to; empty for the others.
std::string_view InternetSetting(Selector selector);

// "Trevanta's - Quorvel v2.0 - [" + the file name without its folder, and without its last four
// characters when it contains ".QVS" in any case, + "]".
std::string WindowTitleFor(std::string_view currentFile);
inline constexpr std::string_view InitialWindowTitle = "Trevanta's - Quorvel v2.0 - [common]";

// The source path `path` with its last four characters replaced by ".qvs".
std::string SourcePathFor(std::string_view path);

// At most five paths, the most recent first, each once (compared without regard to case).
class RecentFiles {
  public:
    static constexpr std::size_t Capacity = 5;
    void Add(const std::string& path);
    // Restored from the settings: kept in order, duplicates and entries past five dropped.
    void Assign(const std::vector<std::string>& paths);
    const std::vector<std::string>& Paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};

} // namespace qv::editor
