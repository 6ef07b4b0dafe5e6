// How typed keys become calculator commands. A key pressed while the main
// window has the focus moves the focus to the entry field; the key's release
// then gives the key's command. Each physical press gives at most one
// command: auto-repeat gives none, and a key the entry field already handled
// at its press (a "+" or "*" character, typing over a selection) gives none
// at its release.
#pragma once

#include <QObject>
#include <cstdint>
#include <unordered_map>
#include <vector>

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
    // control is to process it (move the caret, insert an unmapped
    // character), Swallow when its character must not reach the text.
    EntryAction entryFieldPress(const QKeyEvent& event);

    // A key released, wherever the focus is now.
    void release(const QKeyEvent& event);

    // The entry field's own Cut and Paste (its context menu).
    void entryFieldCut();
    void entryFieldPaste();

    // X servers send a held key's repeats as release and press pairs that
    // share one timestamp, and Qt does not always mark them. With a window
    // of some milliseconds, a release's command waits that long, and a press
    // of the same key with the release's timestamp cancels it as a repeat.
    void setRepeatWindow(int milliseconds) { repeatWindow_ = milliseconds; }
    // Whether key events carry X or Wayland key codes (xcb and wayland
    // platforms): the digit row is then known by its keys on any layout.
    void useKeyboardCodes(bool on) { keyboardCodes_ = on; }
    // Runs the commands of releases still waiting; every other command
    // calls this first, so commands keep the order of the keys.
    void flushReleases();

  private:
    struct Pressed {
        std::uint32_t virtualKey = 0;
        bool releaseGivesCommand = false;
    };
    struct Waiting {
        std::uint64_t key = 0;
        Pressed pressed;
        std::uint64_t timestamp = 0;
    };

    // A press that is in truth the repeat of a held key (it cancels the
    // release waiting before it); other waiting releases run first.
    bool isUnmarkedRepeat(const QKeyEvent& event);
    [[nodiscard]] std::uint32_t virtualKey(const QKeyEvent& event) const;
    void finishRelease(const Pressed& pressed);

    CalculatorState& s_;
    WindowSystem& ws_;
    // Keys down now, by physical key, with what their release is to do.
    std::unordered_map<std::uint64_t, Pressed> pressed_;
    std::vector<Waiting> waiting_;
    int repeatWindow_ = 0;
    bool keyboardCodes_ = false;
    QObject timers_;  // ends the waiting timers with the flow
};

}  // namespace korvo::app
