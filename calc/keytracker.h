// Which keys are down and what each one's release owes the calculator. A key
// gives its command when it comes up, so a release must find the press it
// belongs to: keys are followed by their physical key, so a release matches
// its press whatever Shift or NumLock made of its code meanwhile. Each
// physical press owes at most one command, however the window system reports
// auto-repeat; both windows feed their key events here.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// One key going down, in the calculator's terms.
struct KeyPress {
    std::uint64_t physicalKey = 0;  // the same number at the key's press and release
    std::uint32_t virtualKey = 0;   // what the key gives at its release
    std::uint32_t shortcutKey = 0;  // the key shortcuts are looked up by
    char character = '\0';          // the one character it types, where known
    bool ctrl = false;
    bool alt = false;
    bool repeatFlag = false;  // the window system calls it auto-repeat
};

// What a release owes: the entry field's handling of a key, or a shortcut.
struct OwedRelease {
    bool shortcut = false;
    std::uint32_t code = 0;  // the virtual key as it went down, or the command
};

class KeyTracker {
  public:
    // How far the window system's auto-repeat flag is believed.
    enum class RepeatFlag {
        // Not at all: a press of a key still down is a repeat (X servers
        // report repeats as presses; Qt guesses the flag from timestamps).
        Ignored,
        // A flagged press is a repeat, and so is a press of a key still down.
        Trusted,
        // Only a flagged press of a key still down: Windows flags every press
        // of a key it has lost the release of (a keypad digit let go under
        // another code) and never sends us a release the modal loop took.
        Confirmed,
    };
    explicit KeyTracker(RepeatFlag flag) : flag_(flag) {}
    void setRepeatFlag(RepeatFlag flag) { flag_ = flag; }

    enum class Answer {
        Repeat,    // auto-repeat: nothing new is owed
        Shortcut,  // a shortcut key: its command runs at the release
        Key,       // a plain key: the entry field handles its release
        Nothing,   // Ctrl or Alt with a key that is no shortcut: owes nothing
    };

    // A key went down: notes it as down and decides what its release owes.
    Answer press(const KeyPress& key);
    // The first half of `press`: notes the key as down; true for a repeat.
    bool down(std::uint64_t physicalKey, bool repeatFlag);
    // The second half: what the release of a key noted as down owes. A
    // shortcut gives its command, Ctrl or Alt with any other key nothing
    // (Ctrl+C in Hex is no digit C, AltGr+Q no Ctrl+Q), a plain key its own.
    Answer owe(const KeyPress& key);
    // The key's press has done its work itself (a "+" or "*" character, a
    // paste): its release owes nothing.
    void settle(std::uint64_t physicalKey);
    // A key came up: what its release owes, if anything. A release the
    // trusted flag calls auto-repeat leaves the key down.
    std::optional<OwedRelease> release(std::uint64_t physicalKey, bool repeatFlag = false);

  private:
    RepeatFlag flag_;
    // The keys down now, each with what its release owes (nullopt: nothing).
    std::map<std::uint64_t, std::optional<OwedRelease>> down_;
};

// Does the work a release owes: the entry field's release handling of the
// key (the length limits, then its command), or the shortcut's command.
void runOwedRelease(CalculatorState& s, WindowSystem& ws, const OwedRelease& owed);

}  // namespace korvo
