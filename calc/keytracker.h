// Which keys are down and what each one's release owes the calculator, for
// both windows. A key gives its command when it comes up, so a release must
// find its press: keys are followed by their physical key, which Shift or
// NumLock let go in between does not change, and each press owes at most one
// command however the window system reports auto-repeat.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// One key going down, in the calculator's terms.
struct KeyPress {
    std::uint64_t physicalKey = 0;  // the same at the key's press and release
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
    enum class RepeatFlag {
        Ignored,  // a press of a key still down is a repeat (X servers)
        Trusted,  // so is every flagged press, and a flagged release is none
        // Only a flagged press of a key still down: Windows flags the presses
        // of a key whose release came under another code for ever after.
        Confirmed,
    };
    explicit KeyTracker(RepeatFlag flag) : flag_(flag) {}
    void setRepeatFlag(RepeatFlag flag) { flag_ = flag; }

    // Repeat: nothing new is owed; Shortcut: its command at the release;
    // Key: the entry field's handling at the release; Nothing: Ctrl or Alt
    // with a key that is no shortcut (Ctrl+C in Hex is no digit C).
    enum class Answer { Repeat, Shortcut, Key, Nothing };

    // A key went down: `down`, then `owe` unless it is a repeat.
    Answer press(const KeyPress& key);
    // Notes the key as down; true for a repeat.
    bool down(std::uint64_t physicalKey, bool repeatFlag);
    // Records what the release of a key that went down owes.
    Answer owe(const KeyPress& key);
    // The press has done its work itself (a "+" character): nothing is owed.
    void settle(std::uint64_t physicalKey);
    // A key came up: what its release owes, if anything.
    std::optional<OwedRelease> release(std::uint64_t physicalKey, bool repeatFlag = false);

  private:
    RepeatFlag flag_;
    std::map<std::uint64_t, std::optional<OwedRelease>> down_;  // with what each owes
};

// Does the work a release owes.
void runOwedRelease(CalculatorState& s, WindowSystem& ws, const OwedRelease& owed);

}  // namespace korvo
