#include "app/keyflow.h"

#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

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

// The one character a key press types, if it types exactly one Latin-1 one.
char typedCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() > 0xFF || text.at(0).unicode() < 0x20) {
        return '\0';
    }
    return static_cast<char>(text.at(0).toLatin1());
}

}  // namespace

std::uint32_t KeyFlow::virtualKey(const QKeyEvent& event) const {
    return virtualKeyOf(KeyStroke{event.key(), event.modifiers().testFlag(Qt::KeypadModifier),
                                  typedCharacter(event),
                                  keyboardCodes_ ? event.nativeScanCode() : 0U});
}

bool KeyFlow::isUnmarkedRepeat(const QKeyEvent& event) {
    const std::uint64_t key = physicalKey(event);
    const auto repeat = std::find_if(waiting_.begin(), waiting_.end(), [&](const Waiting& w) {
        return w.key == key && w.timestamp == event.timestamp();
    });
    if (repeat == waiting_.end()) {
        flushReleases();
        return false;
    }
    // The key is still held: it is down again, as it was.
    pressed_[key] = repeat->pressed;
    waiting_.erase(repeat);
    flushReleases();
    return true;
}

void KeyFlow::mainWindowPress(const QKeyEvent& event) {
    if (event.isAutoRepeat() || isSystem(event) || isUnmarkedRepeat(event)) {
        return;
    }
    mainWindowKeyDown(ws_);
    pressed_[physicalKey(event)] = Pressed{virtualKey(event), true};
}

KeyFlow::EntryAction KeyFlow::entryFieldPress(const QKeyEvent& event) {
    if (isSystem(event)) {
        return EntryAction::Edit;
    }
    const std::uint32_t key = virtualKey(event);
    // A key with a command gives it at its release (or, for "+" and "*", at
    // once); its character never reaches the text, where the parser would
    // read "%" or ":" as digit values.
    const EntryAction own = keyCommand(key).has_value() ? EntryAction::Swallow : EntryAction::Edit;
    if (event.isAutoRepeat() || isUnmarkedRepeat(event)) {
        // Held keys repeat only the edit control's own work (caret moves,
        // unmapped characters), never a command.
        return own;
    }
    const EntrySelection selection = ws_.entrySelection();
    const bool typesOverSelection = selection.end > selection.start && key != vk::kControl;
    entryKeyDown(s_, ws_, key);

    const char character = typedCharacter(event);
    if (character != '\0' && entryCharacter(s_, ws_, character)) {
        pressed_[physicalKey(event)] = Pressed{key, false};
        return EntryAction::Swallow;
    }
    // Typing over a selection has just cleared the calculator: a key
    // without a command then types its character alone into the field, and
    // the next key goes on from it.
    pressed_[physicalKey(event)] = Pressed{key, own == EntryAction::Swallow || !typesOverSelection};
    return own;
}

void KeyFlow::release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) {
        return;
    }
    const std::uint64_t key = physicalKey(event);
    const auto found = pressed_.find(key);
    if (found == pressed_.end()) {
        return;  // pressed elsewhere, or taken by a shortcut
    }
    const Pressed pressed = found->second;
    pressed_.erase(found);
    if (repeatWindow_ <= 0) {
        finishRelease(pressed);
        return;
    }
    waiting_.push_back(Waiting{key, pressed, event.timestamp()});
    QTimer::singleShot(repeatWindow_, &timers_, [this, key, stamp = event.timestamp()] {
        const auto waiting = std::find_if(waiting_.begin(), waiting_.end(), [&](const Waiting& w) {
            return w.key == key && w.timestamp == stamp;
        });
        if (waiting != waiting_.end()) {
            flushReleases();
        }
    });
}

void KeyFlow::flushReleases() {
    while (!waiting_.empty()) {
        const Pressed pressed = waiting_.front().pressed;
        waiting_.erase(waiting_.begin());
        finishRelease(pressed);
    }
}

void KeyFlow::finishRelease(const Pressed& pressed) {
    if (pressed.releaseGivesCommand) {
        entryKeyUp(s_, ws_, pressed.virtualKey);
    }
}

void KeyFlow::entryFieldCut() {
    flushReleases();
    ws_.cutSelectionToClipboard();
    entryCut(s_, ws_);
}

void KeyFlow::entryFieldPaste() {
    flushReleases();
    entryPaste(s_, ws_);
}

}  // namespace korvo::app
