#pragma once
// A read-only view of a long text. The system's edit box lays out every line when its text is
// set, which takes far too long for a report of many thousands of lines; this view measures
// nothing in advance and paints only the lines in sight. It keeps the whole text for
// WM_GETTEXT, scrolls both ways, and copies the text with Ctrl+A, Ctrl+C.
#include <windows.h>

namespace qv::win32 {

inline constexpr const char* TextViewClass = "QvTextView";

// Registers the window class; call before creating a view.
bool RegisterTextViewClass();

} // namespace qv::win32
