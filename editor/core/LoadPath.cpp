#include "editor/core/LoadPath.h"

#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

std::string LoadProgramPath(std::string_view command) {
    // A row is a LOAD row when its command merely begins with LOAD; only a real LOAD line has
    // the grammar's fields, anything else shows what follows those four letters.
    if (!StartsWith(UpperCase(command), KeywordText(Keyword::Load)))
        return Trim(command.substr(std::min<std::size_t>(4, command.size())));
    return Trim(ParseLoad(command).fields.path);
}

} // namespace qv::editor
