// How typed keys become calculator commands. A key pressed while the main
// window has the focus moves the focus to the entry field; the key's release
// then gives the key's command. Each physical press gives at most one
// command, whatever the timing: a press of a key that is already down is its
// auto-repeat and gives none, and a key the entry field already handled at
// its press (a "+" or "*" character) gives none at its release. No typed
// character ever reaches the entry field's text: the text changes only
// through commands, so it always holds a number of the base in force.
#pragma once

#include <cstdint>

#include "calc/keytracker.h"
#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

class QKeyEvent;

namespace korvo::app {

class KeyFlow {
  public:
    KeyFlow(CalculatorState& s, WindowSystem& ws) : s_(s), ws_(ws) {}

    // A key pressed while the main window itself has the focus.
    void mainWindowPress(const QKeyEvent& event);

    enum class EntryAction { Swallow, Edit };
    // A key pressed while the entry field has the focus: Edit when the edit
    // control is to process it (caret moves and selection only), Swallow
    // otherwise.
    EntryAction entryFieldPress(const QKeyEvent& event);

    // A key released, wherever the focus is now.
    void release(const QKeyEvent& event);

    // The entry field's own Cut and Paste (its context menu).
    void entryFieldCut();
    void entryFieldPaste();

    // Whether key events carry X or Wayland key codes (xcb and wayland
    // platforms): the digit row is then known by its keys on any layout.
    void useKeyboardCodes(bool on) { keyboardCodes_ = on; }
    // Whether the platform's own auto-repeat flag is to be believed. Qt's
    // X11 backend guesses it from timestamps (a release and a press of one
    // key in the same millisecond); where the X server reports repeats
    // itself as presses of a key still down, the guess is ignored.
    void trustRepeatFlag(bool on) {
        keys_.setRepeatFlag(on ? KeyTracker::RepeatFlag::Trusted : KeyTracker::RepeatFlag::Ignored);
    }

  private:
    // The press in the tracker's terms.
    [[nodiscard]] KeyPress keyPress(const QKeyEvent& event) const;

    CalculatorState& s_;
    WindowSystem& ws_;
    KeyTracker keys_{KeyTracker::RepeatFlag::Trusted};
    bool keyboardCodes_ = false;
};

}  // namespace korvo::app
