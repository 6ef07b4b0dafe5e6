// Which key releases the calculator still owes a command. A key gives its
// command when it comes up, but the first of two overlapping keys moves the
// focus to the main window with its command, so the second one's release
// can reach a window other than the one that saw it go down. Keys are
// followed by their physical key, so a release matches its press whatever
// the shift state has become meanwhile.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>

namespace korvo::win32 {

struct Shell;

class OwedReleases {
  public:
    // Each takes the key's virtual key and its key message's lParam (a
    // character message's lParam describes the key that typed it).

    // The main window or the entry field saw the key go down; auto-repeat
    // adds nothing.
    void pressed(WPARAM virtualKey, LPARAM keyData);
    // The key's press has done its work itself (a "+" or "*" character,
    // typing over a selection), or went to a window that is not the
    // calculator's: its release owes nothing.
    void settle(WPARAM virtualKey, LPARAM keyData);
    // The key as it went down, if its release is owed; it is owed no longer.
    std::optional<WPARAM> take(WPARAM virtualKey, LPARAM keyData);
    // Whether the key, still down, gives a command when it comes up.
    [[nodiscard]] bool owesCommand(WPARAM virtualKey, LPARAM keyData) const;

  private:
    std::map<std::uint32_t, WPARAM> down_;  // physical key -> virtual key
};

// A key came up wherever the focus now is: an owed release runs the entry
// field's release handling (the length limits, then the key's command).
void releaseKey(Shell& sh, WPARAM virtualKey, LPARAM keyData);

// The message loop's look at every key message before it is translated or
// dispatched: a new press is owed nothing until the window that receives it
// says otherwise (an accelerator or a button never does), and a release
// reaching a button or check box that took the focus meanwhile is handed
// on as the main window hands on its own.
void followKeyMessage(Shell& sh, const MSG& message);

}  // namespace korvo::win32
