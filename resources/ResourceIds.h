#pragma once
// Resource numbers shared by the resource scripts and the code; plain defines, because the
// resource compiler reads this file too.

#define QV_ICON_PROGRAM 1
#define QV_ICON_CLOCK_FIRST 10 /* frames 0 to 8 follow in order */
#define QV_ICON_NET_PRINTER 30
#define QV_ICON_NET_DRIVE 31
