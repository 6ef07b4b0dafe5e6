// The Windows key messages in the shared key tracker's terms. A key gives
// its command when it comes up, but the first of two overlapping keys moves
// the focus to the main window with its command, so the second one's release
// can reach a window other than the one that saw it go down.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// Bit 30 of a key or character message's lParam: the key was already down
// (auto-repeat).
inline constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

// Whether the key is down as of the message being handled.
inline bool isDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The main window or the entry field saw the key go down (its virtual key
// and its key message's lParam); auto-repeat adds nothing. Returns whether
// the key is a shortcut.
bool keyPressed(Shell& sh, WPARAM virtualKey, LPARAM keyData);
// The key's press has done its work itself (a "+" or "*" character; a
// character message's lParam describes the key that typed it), or went to a
// window that is not the calculator's: its release owes nothing.
void settleKey(Shell& sh, WPARAM virtualKey, LPARAM keyData);

// A key came up wherever the focus now is: an owed release does its work.
void releaseKey(Shell& sh, WPARAM virtualKey, LPARAM keyData);

// The message loop's look at every key message before it is translated or
// dispatched: a new press is owed nothing until the window that receives it
// says otherwise (an accelerator never does), and a key message for a
// button or check box that holds the focus goes to the main window instead,
// with the focus: typed keys are never lost on a switch. The window system
// marks a press as auto-repeat for ever after a release that came under
// another code (a keypad digit pressed with NumLock on, released with it
// off): a press is only a repeat while its physical key is down by our count.
void followKeyMessage(Shell& sh, MSG& message);

}  // namespace korvo::win32
