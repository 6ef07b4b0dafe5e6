// What each key press owes the calculator at its release. A key gives its
// command when it comes up, but the first of two overlapping keys moves the
// focus to the main window with its command, so the second one's release
// can reach a window other than the one that saw it go down. Keys are
// followed by their physical key, so a release matches its press whatever
// the shift or NumLock state has made of its code meanwhile; a press is
// told from auto-repeat by the window system's own repeat flag.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>

namespace korvo::win32 {

struct Shell;

// A release's work: the entry field's release handling of a key, or a
// shortcut's command.
struct OwedRelease {
    bool shortcut = false;
    std::uint32_t code = 0;  // the virtual key as it went down, or the command
};

class OwedReleases {
  public:
    // Each takes the key's virtual key and its key message's lParam (a
    // character message's lParam describes the key that typed it).

    // The main window or the entry field saw the key go down; auto-repeat
    // adds nothing. The modifiers held now decide: a shortcut gives its
    // command, Ctrl or Alt with any other key gives nothing (Ctrl+C in Hex
    // is no digit C, AltGr+Q no Ctrl+Q), a plain key its own command.
    // Returns whether the key is a shortcut.
    bool pressed(WPARAM virtualKey, LPARAM keyData);
    // The key's press has done its work itself (a "+" or "*" character), or
    // went to a window that is not the calculator's: its release owes nothing.
    void settle(WPARAM virtualKey, LPARAM keyData);
    // What the key's release owes, if anything; it is owed no longer.
    std::optional<OwedRelease> take(WPARAM virtualKey, LPARAM keyData);

    // Every key message passes here first. The window system marks a press
    // as auto-repeat when it still counts the key's virtual key as down,
    // which it does for ever after a release that came under another code
    // (a keypad digit pressed with NumLock on, released with it off): a
    // press is only a repeat while its physical key is down by our count.
    void follow(MSG& message);

  private:
    std::map<std::uint32_t, OwedRelease> owed_;  // physical key -> its work
    std::set<std::uint32_t> down_;               // physical keys down now
};

// A key came up wherever the focus now is: an owed release does its work.
void releaseKey(Shell& sh, WPARAM virtualKey, LPARAM keyData);

// The message loop's look at every key message before it is translated or
// dispatched: a new press is owed nothing until the window that receives it
// says otherwise (an accelerator never does), and a key message for a
// button or check box that holds the focus goes to the main window instead,
// with the focus: typed keys are never lost on a switch.
void followKeyMessage(Shell& sh, MSG& message);

}  // namespace korvo::win32
