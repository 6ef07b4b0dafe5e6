// The key tracker as both windows feed it: what each press and release
// answers, under each way a window system reports auto-repeat.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calc/commandids.h"
#include "calc/keytracker.h"

namespace korvo {
namespace {

using Flag = KeyTracker::RepeatFlag;

// Feeds events, each a key's character (its physical key and its virtual
// key) after a prefix: d a press, D one flagged as auto-repeat, u a release,
// U one flagged, s the press doing its own work; ^ holds Ctrl and ! Alt at a
// press. Answers: K key, S shortcut, N nothing, R repeat; a release gives
// =c for the key c, #n for the command n, . for nothing.
std::string transcript(Flag flag, const std::string& events) {
    KeyTracker keys(flag);
    std::istringstream in(events);
    std::string out;
    for (std::string event; in >> event;) {
        const bool ctrl = event.front() == '^';
        const bool alt = event.front() == '!';
        if (ctrl || alt) {
            event.erase(0, 1);
        }
        const char kind = event.at(0);
        const char c = event.at(1);
        const auto key = static_cast<std::uint32_t>(c);
        out += out.empty() ? "" : " ";
        if (kind == 'd' || kind == 'D') {
            switch (keys.press(KeyPress{key, key, key, c, ctrl, alt, kind == 'D'})) {
                case KeyTracker::Answer::Key:
                    out += 'K';
                    break;
                case KeyTracker::Answer::Shortcut:
                    out += 'S';
                    break;
                case KeyTracker::Answer::Nothing:
                    out += 'N';
                    break;
                case KeyTracker::Answer::Repeat:
                    out += 'R';
                    break;
            }
        } else if (kind == 's') {
            keys.settle(key);
            out.pop_back();
        } else {
            const auto owed = keys.release(key, kind == 'U');
            out += !owed            ? std::string(".")
                   : owed->shortcut ? "#" + std::to_string(owed->code)
                                    : std::string("=") + static_cast<char>(owed->code);
        }
    }
    return out;
}

TEST(KeyTracker, EachPressOwesItsReleaseOneCommand) {
    struct Row {
        Flag flag;
        const char* events;
        const char* answers;
    };
    const std::vector<Row> rows = {
        // Overlapping keys: each release finds its own press, once.
        {Flag::Trusted, "d1 d2 u1 u2 u1", "K K =1 =2 ."},
        {Flag::Trusted, "u9", "."},
        // A held key's repeats add nothing, however they are reported.
        {Flag::Trusted, "d7 D7 d7 u7", "K R R =7"},
        {Flag::Trusted, "d7 U7 D7 U7 D7 u7", "K . R . R =7"},
        {Flag::Trusted, "D7 u7", "R ."},
        {Flag::Ignored, "d7 U7 D7 u7", "K =7 K =7"},
        {Flag::Ignored, "d7 d7 u7", "K R =7"},
        // Windows flags presses of a key whose release it lost: only a key
        // still down by the tracker's count repeats.
        {Flag::Confirmed, "D7 u7 D7 D7 u7", "K =7 K R =7"},
        {Flag::Confirmed, "d7 d7 u7", "K K =7"},
        // Shortcuts, with and without Ctrl; "%" by its character; Ctrl or
        // Alt with any other key owes nothing.
        {Flag::Trusted, "dS uS ^dS uS dG uG d% u%", "S #235 S #238 S #224 S #224"},
        {Flag::Trusted, "^d5 u5 !dS uS !d5 u5 ^d% u%", "N . N . N . N ."},
        // A press that did its own work owes nothing; a new press owes again.
        {Flag::Trusted, "d+ s+ u+ d+ u+", "K . K =+"},
        {Flag::Confirmed, "dS sS d5 d5 uS u5", "S K K . =5"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(transcript(row.flag, row.events), row.answers) << row.events;
    }
}

}  // namespace
}  // namespace korvo
