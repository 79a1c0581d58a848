#include "interpreter/logic/CtlSet.h"

#include "language/Grammar.h"

namespace qv::logic {

SetRequest ReadSetLine(std::string_view trimmedLine) {
    const SetFields fields = ParseSet(trimmedLine);
    SetRequest request{fields.name, fields.value, {}};
    const std::string_view argument = ArgumentOf(trimmedLine, Keyword::Set);
    request.statusText =
        "Setting Environment Variable " + std::string(argument) + "\rFunction Not Fully Tested!";
    return request;
}

} // namespace qv::logic
