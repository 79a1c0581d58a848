#pragma once
// TfrmReplace: "Confirm File Replace", asked before a copy overwrites an existing file, with
// both files' sizes, dates and icons.
#include "common/win32/Form.h"
#include "interpreter/logic/OpsCopy.h"

#include <cstdint>
#include <string>

namespace qv::win32 {

inline constexpr const char* ReplaceFrmTitle = "Confirm File Replace";
inline constexpr int ReplaceFrmClientWidth = 418;
inline constexpr int ReplaceFrmClientHeight = 227;

// "This folder already contains a file called '" + name + "'".
std::string ReplaceFileNameText(const std::string& name);
// The size label: the size in bytes followed by " bytes".
std::string ReplaceSizeText(std::uint64_t bytes);
// The date label: "modified on " + the local time as "d mmmm yyyy, hh:nn:ss".
std::string ReplaceDateText(const SYSTEMTIME& localTime);
// Folder and name as one path.
std::string JoinPath(const std::string& folder, const std::string& name);

// The button pressed; Cancel also for Escape and the close box.
class TfrmReplace : public Dialog<logic::ReplaceAnswer> {
  public:
    // Created hidden, centred on the screen, filled from the question.
    TfrmReplace(MessageLoop& loop, HWND owner, const logic::ReplaceQuestion& question);

  protected:
    void OnCommand(int id, int code) override;

  private:
    void ShowFile(const std::string& path, int iconId, int sizeId, int dateId, UniqueIcon& icon);

    UniqueIcon destinationIcon_;
    UniqueIcon sourceIcon_;
};

} // namespace qv::win32
