#pragma once
// The argument errors of the control, desktop, window, wait and menu lines, found without
// running them (qvtool check). Each of these but a MENU ITEM number makes the interpreter record
// "Invalid Command (200) In Script File : " while ErrorsOn and go on with the next line; a MENU
// ITEM numbered outside 1 to 9 silently defines nothing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::logic {

struct ControlCheckOptions {
    // The script runs on machines whose short date format the check cannot know: a DATE
    // argument is a date when any of these formats reads it.
    std::vector<std::string> shortDateFormats = {"dd/MM/yyyy", "M/d/yyyy", "dd.MM.yyyy",
                                                 "yyyy-MM-dd"};
    // Two-digit years are read within 50 years of this one.
    int referenceYear = 2000;
};

// For one trimmed line: the message of the argument error the interpreter would meet (a WAIT
// or WAIT FOR LOAD that is not a number, an unknown LOCATE word, a MENU ITEM number outside 1
// to 9, a MENU DEFAULT that is not a whole number, a DATE that is not a date), or nothing.
// Lines of other commands give nothing.
std::optional<std::string> CheckControlLine(std::string_view trimmedLine,
                                            const ControlCheckOptions& options = {});

} // namespace qv::logic
