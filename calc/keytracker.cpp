#include "calc/keytracker.h"

#include "calc/entryfield.h"
#include "calc/shortcuts.h"

namespace korvo {

bool KeyTracker::down(std::uint64_t physicalKey, bool repeatFlag) {
    const bool held = down_.contains(physicalKey);
    const bool repeat = flag_ == RepeatFlag::Ignored   ? held
                        : flag_ == RepeatFlag::Trusted ? repeatFlag || held
                                                       : repeatFlag && held;
    if (!repeat) {
        down_[physicalKey] = std::nullopt;  // an older press's lost release owes nothing
    }
    return repeat;
}

KeyTracker::Answer KeyTracker::owe(const KeyPress& key) {
    std::optional<std::uint32_t> command;
    if (!key.alt) {
        // "%" and "^" are their commands whatever key types them.
        command = key.ctrl ? std::nullopt : symbolCommand(key.character);
        if (!command) {
            command = shortcutCommand(key.shortcutKey, key.ctrl);
        }
    }
    auto& owed = down_[key.physicalKey];
    if (command) {
        owed = OwedRelease{true, *command};
        return Answer::Shortcut;
    }
    if (key.ctrl || key.alt) {
        owed = std::nullopt;
        return Answer::Nothing;
    }
    owed = OwedRelease{false, key.virtualKey};
    return Answer::Key;
}

KeyTracker::Answer KeyTracker::press(const KeyPress& key) {
    return down(key.physicalKey, key.repeatFlag) ? Answer::Repeat : owe(key);
}

void KeyTracker::settle(std::uint64_t physicalKey) {
    if (const auto found = down_.find(physicalKey); found != down_.end()) {
        found->second = std::nullopt;
    }
}

std::optional<OwedRelease> KeyTracker::release(std::uint64_t physicalKey, bool repeatFlag) {
    if (flag_ == RepeatFlag::Trusted && repeatFlag) {
        return std::nullopt;
    }
    const auto found = down_.find(physicalKey);
    if (found == down_.end()) {
        return std::nullopt;  // pressed elsewhere
    }
    const std::optional<OwedRelease> owed = found->second;
    down_.erase(found);
    return owed;
}

void runOwedRelease(CalculatorState& s, WindowSystem& ws, const OwedRelease& owed) {
    if (owed.shortcut) {
        runShortcut(s, ws, owed.code);
    } else {
        // The key as it went down: NumLock may have changed its code since.
        entryKeyUp(s, ws, owed.code);
    }
}

}  // namespace korvo
