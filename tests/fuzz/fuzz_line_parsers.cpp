#include "interpreter/logic/CtlCheck.h"
#include "interpreter/logic/CtlDate.h"
#include "interpreter/logic/CtlLocate.h"
#include "interpreter/logic/CtlLocks.h"
#include "interpreter/logic/CtlMenu.h"
#include "interpreter/logic/CtlWait.h"
#include "interpreter/logic/OpsCheck.h"
#include "interpreter/logic/OpsCopy.h"
#include "interpreter/logic/OpsFileLines.h"
#include "interpreter/logic/OpsLoad.h"
#include "interpreter/logic/OpsNetwork.h"
#include "interpreter/logic/OpsPaths.h"
#include "interpreter/logic/OpsSendKey.h"
#include "language/Grammar.h"

#include <cstdint>
#include <string_view>

// Every argument parser of the command families on one line: none may crash, hang or read
// outside the line, whatever the line holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    using namespace qv::logic;
    (void)ParseLoadLine(line);
    (void)ParseTimeWindow(line);
    (void)ParseCopyLine(line);
    (void)ParseRenameLine(line);
    (void)SplitPathList(ParseDelLine(line));
    (void)ParseNetNames(line);
    (void)ParseSendKeysLine(line);
    (void)qv::SplitCommaText(line);
    (void)ReadMenuItemLine(line);
    (void)ReadMenuDefaultLine(line);
    (void)PlanWait(line);
    (void)PlanWaitForLoad(line);
    (void)LocateLinePlacement(line);
    (void)ApplyLockLine(LockState{}, line);
    (void)ParseShortDate(line, "dd/MM/yyyy", 2026);
    (void)ParseShortDate(line, "M/d/yy", 2026);
    (void)ShortenPath(line, static_cast<int>(size % 80));
    (void)CheckControlLine(line);
    (void)CheckOpsLine(line);
    // The grammar's own reading, and its build read back.
    const qv::ParsedLoad load = qv::ParseLoad(line);
    for (std::size_t at : load.spans.strayMarks)
        if (at >= size)
            __builtin_trap();
    (void)qv::ParseLoad(qv::BuildLoad(load.fields));
    (void)qv::ParseCopy(line);
    (void)qv::ParseDesktop(line);
    (void)qv::ParseArgumentLine(line);
    (void)qv::ParseLock(line);
    (void)qv::ParseDate(line);
    (void)qv::ParseSwitch(line);
    (void)qv::ParseMenuItem(line);
    (void)qv::ParseSet(line);
    return 0;
}
