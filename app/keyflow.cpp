#include "app/keyflow.h"

#include <QKeyEvent>

#include "app/keymap.h"
#include "calc/commandids.h"
#include "calc/entryfield.h"
#include "calc/shortcuts.h"
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

std::uint32_t KeyFlow::virtualKey(const QKeyEvent& event) const {
    return virtualKeyOf(KeyStroke{event.key(), event.modifiers().testFlag(Qt::KeypadModifier),
                                  typedCharacter(event),
                                  event.modifiers().testFlag(Qt::ShiftModifier),
                                  keyboardCodes_ ? event.nativeScanCode() : 0U});
}

bool KeyFlow::isRepeat(const QKeyEvent& event) const {
    return (trustRepeatFlag_ && event.isAutoRepeat()) || pressed_.contains(physicalKey(event));
}

bool KeyFlow::pressShortcut(const QKeyEvent& event) {
    auto command = ctrlHeld(event) ? std::nullopt : symbolCommand(typedCharacter(event));
    if (!command) {
        command = shortcutCommand(virtualKeyOf(event.key(), false), ctrlHeld(event));
    }
    if (!command) {
        return false;
    }
    pressed_[physicalKey(event)] = Pressed{*command, OnRelease::Shortcut};
    return true;
}

void KeyFlow::mainWindowPress(const QKeyEvent& event) {
    if (isSystem(event) || isRepeat(event) || pressShortcut(event)) {
        return;
    }
    mainWindowKeyDown(ws_);
    // Ctrl with a key that is no shortcut types nothing: Ctrl+C in Hex
    // must not enter C.
    const OnRelease action = ctrlHeld(event) ? OnRelease::Nothing : OnRelease::Key;
    pressed_[physicalKey(event)] = Pressed{virtualKey(event), action};
}

KeyFlow::EntryAction KeyFlow::entryFieldPress(const QKeyEvent& event) {
    if (isSystem(event)) {
        return EntryAction::Edit;
    }
    const EntryAction own = leavesTextAlone(event) ? EntryAction::Edit : EntryAction::Swallow;
    if (isRepeat(event) || pressShortcut(event)) {
        return own;
    }
    const std::uint32_t key = virtualKey(event);
    // Typing over a selection starts afresh (Ctrl alone does not).
    entryKeyDown(s_, ws_, key);
    if (ctrlHeld(event)) {
        pressed_[physicalKey(event)] = Pressed{key, OnRelease::Nothing};
        return own;
    }
    const char character = typedCharacter(event);
    if (character != '\0' && entryCharacter(s_, ws_, character)) {
        pressed_[physicalKey(event)] = Pressed{key, OnRelease::Nothing};
        return EntryAction::Swallow;
    }
    pressed_[physicalKey(event)] = Pressed{key, OnRelease::Key};
    return own;
}

void KeyFlow::release(const QKeyEvent& event) {
    if (trustRepeatFlag_ && event.isAutoRepeat()) {
        return;
    }
    const auto found = pressed_.find(physicalKey(event));
    if (found == pressed_.end()) {
        return;  // pressed elsewhere, or taken by a window shortcut
    }
    const Pressed pressed = found->second;
    pressed_.erase(found);
    switch (pressed.action) {
        case OnRelease::Key:
            entryKeyUp(s_, ws_, pressed.code);
            break;
        case OnRelease::Shortcut:
            runShortcut(s_, ws_, pressed.code);
            break;
        case OnRelease::Nothing:
            break;
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
