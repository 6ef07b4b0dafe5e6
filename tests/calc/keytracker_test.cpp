// The key tracker as both windows feed it: what each press and release
// answers, under each way a window system reports auto-repeat.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "calc/keytracker.h"

namespace korvo {
namespace {

using Flag = KeyTracker::RepeatFlag;

// Events, each a key's character (its physical and virtual key) after d for
// a press, D one flagged as auto-repeat, u a release, U one flagged, s the
// press doing its own work; ^ holds Ctrl and ! Alt. A press answers K (key),
// S (shortcut), N (nothing) or R (repeat); a release =c for the key c, #n
// for the command n, . for nothing.
std::string transcript(Flag flag, const std::string& events) {
    KeyTracker keys(flag);
    std::istringstream in(events);
    std::ostringstream out;
    for (std::string event; in >> event;) {
        const char kind = event.at(event.size() - 2);
        const char c = event.back();
        const auto key = static_cast<std::uint32_t>(c);
        if (kind == 'd' || kind == 'D') {
            const KeyPress press{key, key, key, c, event[0] == '^', event[0] == '!', kind == 'D'};
            out << " "
                << "RSKN"[static_cast<int>(keys.press(press))];  // as Answer lists them
        } else if (kind == 's') {
            keys.settle(key);
        } else if (const auto owed = keys.release(key, kind == 'U'); !owed) {
            out << " .";
        } else if (owed->shortcut) {
            out << " #" << owed->code;
        } else {
            out << " =" << static_cast<char>(owed->code);
        }
    }
    return out.str().substr(1);
}

TEST(KeyTracker, EachPressOwesItsReleaseOneCommand) {
    const std::vector<std::tuple<Flag, std::string, std::string>> rows = {
        // Overlapping keys: each release finds its own press, once.
        {Flag::Trusted, "d1 d2 u1 u2 u1 u9", "K K =1 =2 . ."},
        // A held key's repeats add nothing, however they are reported.
        {Flag::Trusted, "d7 D7 d7 u7 D7 u7", "K R R =7 R ."},
        {Flag::Trusted, "d7 U7 D7 U7 u7", "K . R . =7"},
        {Flag::Ignored, "d7 U7 D7 d7 u7", "K =7 K R =7"},
        // Windows flags the presses of a key whose release it lost: only a
        // key still down by the tracker's count repeats.
        {Flag::Confirmed, "D7 u7 D7 D7 u7 d7 d7 u7", "K =7 K R =7 K K =7"},
        // Shortcuts, with and without Ctrl, "%" by its character; Ctrl or
        // Alt with any other key owes nothing.
        {Flag::Trusted, "dS uS ^dS uS dG uG d% u%", "S #235 S #238 S #224 S #224"},
        {Flag::Trusted, "^d5 u5 !dS uS !d5 u5 ^d% u%", "N . N . N . N ."},
        // A press that did its own work owes nothing; the next one owes again.
        {Flag::Trusted, "d+ s+ u+ d+ u+", "K . K =+"},
        {Flag::Confirmed, "dS sS d5 d5 uS u5", "S K K . =5"},
    };
    for (const auto& [flag, events, answers] : rows) {
        EXPECT_EQ(transcript(flag, events), answers) << events;
    }
}

}  // namespace
}  // namespace korvo
