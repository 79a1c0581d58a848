#pragma once
// COPY: the line's source, destination and switches, the decision taken for each file, and the
// whole command over an abstract file system and progress view.
#include "interpreter/logic/OpsEntry.h"
#include "interpreter/logic/OpsFileSystem.h"

#include <string>
#include <string_view>

namespace qv::logic {

struct CopyOptions {
    bool onlyNewer = false;         // "/ON"
    bool versionTest = false;       // set with "/ON"; single-file copies only
    bool doNotOverwrite = false;    // "/DNO"
    bool confirmIfExists = false;   // "/CIE"
    bool noSubfolders = false;      // "/DNCS"
    bool overwriteReadOnly = false; // "/ORO"
};

struct CopyLine {
    std::string source;      // trimmed
    std::string destination; // trimmed, without the recognised switches
    CopyOptions options;
    bool hasSeparator = false; // the line has its ">"; without it both paths are empty
};

// Cuts a trimmed COPY line. Switches are recognised anywhere in the line, in upper case only;
// each is removed from the destination with the blank in front of it.
CopyLine ParseCopyLine(std::string_view line);

enum class ReplaceAnswer { Yes, YesToAll, No, NoToAll, Cancel };

// What the replace dialog ("Confirm File Replace") shows.
struct ReplaceQuestion {
    std::string sourceFolder;
    std::string sourceName; // the relative path in a folder copy, else the file name
    std::string targetFolder;
    std::string targetName;
};

// The progress window and the user, as a copy sees them.
class CopyView {
  public:
    virtual ~CopyView() = default;
    // LoadingAppName's text.
    virtual void ShowStatus(const std::string& text) = 0;
    // The file-copy layout on (true) or the normal layout back (false).
    virtual void SetCopyLayout(bool copying) = 0;
    // One round of window messages.
    virtual void ProcessMessages() = 0;
    // Asked before each file of a folder copy: false ends the command (StopRequested, or
    // SkipRequested, which the answer clears). Waits while Paused, pumping messages.
    virtual bool ContinueWithNextFile() = 0;
    // The replace dialog, modal.
    virtual ReplaceAnswer AskReplace(const ReplaceQuestion& question) = 0;
};

struct CopyOutcome {
    std::string report; // to append to ErrorReport while ErrorsOn; empty when nothing failed
    int copied = 0;
    int skipped = 0;
    int failed = 0;
    bool cancelled = false; // Cancel in the replace dialog
    bool stopped = false;   // ContinueWithNextFile said no
};

// The version test of "/ON": whether the source's file-version text is greater than the
// target's. Versions made of numbers ("10.0.0.0", "1, 9") compare field by field as numbers,
// a missing field counting as 0; a source without a version is never newer, a target without
// one is older than any. Texts that are not such numbers compare byte by byte.
bool VersionIsNewer(std::string_view source, std::string_view target);

// The target of a single-file copy: a destination ending with "\" gets the source's file name.
std::string SingleCopyTarget(std::string_view source, std::string_view destination);

// Runs a parsed COPY (the caller clears SkipRequested first). `entry` names the script, the
// line number and the line for the failure texts. A single source that does not exist skips
// the "/ON" tests and the replace question, so the copy is tried and its failure reported.
CopyOutcome RunCopy(const CopyLine& line, CopyFileSystem& fs, CopyView& view,
                    const EntrySource& entry);

} // namespace qv::logic
