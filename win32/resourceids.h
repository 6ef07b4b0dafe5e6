// Resource and control ids shared by korvocalc.rc and the C++ sources. Plain
// macros, because the resource compiler reads this file too.
#pragma once

#define IDI_KORVOCALC 101
#define IDR_MAINMENU 102
#define IDD_ABOUT 2000
#define IDR_ACCELERATORS 2007
#define IDC_ABOUT_CONTACT 501

// Keypad bitmaps, one per row, top to bottom.
#define IDB_KEYPAD_ROW1 301
#define IDB_KEYPAD_ROW2 302
#define IDB_KEYPAD_ROW3 303
#define IDB_KEYPAD_ROW4 304
#define IDB_KEYPAD_ROW5 305

// Menu and accelerator commands.
#define IDM_CLOSE 6003
#define IDM_CUT 6004
#define IDM_COPY 6005
#define IDM_PASTE 6006
#define IDM_INFO 6026
#define IDM_ABOUT 6027
#define IDC_BACKSPACE 1
