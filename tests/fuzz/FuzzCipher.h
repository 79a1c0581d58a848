#pragma once
#include "language/Diamond.h"

// The key schedule runs once per process, as in the interpreter.
inline const qv::TDiamond& FuzzCipher() {
    static const qv::TDiamond* cipher = new qv::TDiamond(qv::ScriptKey);
    return *cipher;
}
