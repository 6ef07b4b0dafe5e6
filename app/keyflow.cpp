#include "app/keyflow.h"

#include <QKeyEvent>

#include "app/keymap.h"
#include "calc/commandids.h"
#include "calc/entryfield.h"
#include "calc/windowcommands.h"

namespace korvo::app {

namespace {

// The physical key: the scan code where the platform gives one, so that a
// release matches its press even when Shift was let go in between (Shift+8
// goes down as "*" and may come up as "8").
std::uint64_t physicalKey(const QKeyEvent& event) {
    if (event.nativeScanCode() != 0) {
        return (std::uint64_t{1} << 32) | event.nativeScanCode();
    }
    return static_cast<std::uint32_t>(event.key());
}

bool isSystem(const QKeyEvent& event) {
    return isSystemKey(event.key(), event.modifiers().testFlag(Qt::AltModifier));
}

bool ctrlHeld(const QKeyEvent& event) {
    return event.modifiers().testFlag(Qt::ControlModifier);
}

// The one character a key press types, if it types exactly one Latin-1 one.
char typedCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() > 0xFF || text.at(0).unicode() < 0x20) {
        return '\0';
    }
    return static_cast<char>(text.at(0).toLatin1());
}

// Keys the edit control may have: they move the caret or the selection, or
// copy it, and never change the text.
bool leavesTextAlone(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Copy);
    }
}

}  // namespace

KeyPress KeyFlow::keyPress(const QKeyEvent& event) const {
    const char character = typedCharacter(event);
    const std::uint32_t key =
        virtualKeyOf(KeyStroke{event.key(), event.modifiers().testFlag(Qt::KeypadModifier),
                               character, event.modifiers().testFlag(Qt::ShiftModifier),
                               keyboardCodes_ ? event.nativeScanCode() : 0U});
    return KeyPress{physicalKey(event),
                    key,
                    virtualKeyOf(event.key(), false),
                    character,
                    ctrlHeld(event),
                    false,
                    event.isAutoRepeat()};
}

void KeyFlow::mainWindowPress(const QKeyEvent& event) {
    if (isSystem(event)) {
        return;
    }
    const KeyTracker::Answer answer = keys_.press(keyPress(event));
    if (answer == KeyTracker::Answer::Key || answer == KeyTracker::Answer::Nothing) {
        mainWindowKeyDown(ws_);
    }
}

KeyFlow::EntryAction KeyFlow::entryFieldPress(const QKeyEvent& event) {
    if (isSystem(event)) {
        return EntryAction::Edit;
    }
    const EntryAction own = leavesTextAlone(event) ? EntryAction::Edit : EntryAction::Swallow;
    const KeyPress press = keyPress(event);
    const KeyTracker::Answer answer = keys_.press(press);
    if (answer == KeyTracker::Answer::Repeat || answer == KeyTracker::Answer::Shortcut) {
        return own;
    }
    // Typing over a selection starts afresh (Ctrl alone does not).
    entryKeyDown(s_, ws_, press.virtualKey);
    if (answer == KeyTracker::Answer::Key && press.character != '\0' &&
        entryCharacter(s_, ws_, press.character)) {
        keys_.settle(press.physicalKey);
        return EntryAction::Swallow;
    }
    return own;
}

void KeyFlow::release(const QKeyEvent& event) {
    if (const auto owed = keys_.release(physicalKey(event), event.isAutoRepeat())) {
        runOwedRelease(s_, ws_, *owed);
    }
}

void KeyFlow::entryFieldCut() {
    ws_.cutSelectionToClipboard();
    entryCut(s_, ws_);
}

void KeyFlow::entryFieldPaste() {
    entryPaste(s_, ws_);
}

}  // namespace korvo::app
