#include "interpreter/logic/CtlSet.h"

namespace qv::logic {

SetRequest ReadSetLine(std::string_view trimmedLine) {
    constexpr std::string_view keyword = "SET ";
    const std::string_view argument =
        trimmedLine.size() > keyword.size() ? trimmedLine.substr(keyword.size()) : "";
    SetRequest request;
    const std::size_t equals = argument.find('=');
    // Without "=" the name is empty, so the system refuses the call and nothing is reported.
    if (equals == std::string_view::npos) {
        request.value = std::string(argument);
    } else {
        request.name = std::string(argument.substr(0, equals));
        request.value = std::string(argument.substr(equals + 1));
    }
    request.statusText =
        "Setting Environment Variable " + std::string(argument) + "\rFunction Not Fully Tested!";
    return request;
}

} // namespace qv::logic
