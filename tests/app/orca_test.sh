#!/usr/bin/env bash
# What the Orca screen reader says as korvocalc is used: the window runs
# under Xvfb with Orca, xdotool types and clicks, and Orca's debug log tells
# what it spoke. Exit 77 (skipped) where Orca or Xvfb cannot be installed.
#   tests/app/orca_test.sh path/to/korvocalc
set -u
app="$(realpath "$1")"

if [ "${2:-}" != --inside ]; then
    tools=(orca Xvfb xdotool dbus-run-session)
    missing() { for t in "${tools[@]}"; do command -v "$t" >/dev/null || return 0; done; return 1; }
    if missing && [ "$(id -u)" -eq 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq \
            --no-install-recommends orca xvfb xauth xdotool dbus at-spi2-core >/dev/null 2>&1
    fi
    if missing; then
        echo "orca_test: skipped: Orca, Xvfb, xdotool or dbus is not installed and cannot be"
        exit 77
    fi
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    DISPLAY=":$(cat "$work/display")" WORK="$work" timeout 170 dbus-run-session -- "$0" "$app" --inside
    status=$?
    kill "$xvfb"
    exit "$status"
fi

# Inside the session bus: the accessibility bus, Orca, then the window.
export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
log="$WORK/orca.log"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
orca -u "$WORK/prefs" --debug-file="$log" >"$WORK/orca.out" 2>&1 &  # never --replace: a user's Orca
orca=$!
trap 'kill -KILL "$orca" 2>/dev/null; kill $(jobs -p) 2>/dev/null; wait' EXIT  # reaped here, not by init
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$log" 2>/dev/null | sed "s/SPEECH OUTPUT: //"; }
sleep 8  # Orca's start; its log, written through a buffer, cannot tell
if ! kill -0 "$orca" 2>/dev/null; then
    echo "orca_test: skipped: Orca did not start:"; sed "s/^/    /" "$WORK/orca.out"
    exit 77
fi
"$app" >/dev/null 2>&1 &
window="$(xdotool search --sync --name CALCULATOR | head -1)"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + HEIGHT - 10))  # the keyboard follows the pointer
sleep 2

# Orca writes its log through a buffer: each step notes when it began, and
# the speech is read once the steps are done and the buffer is flushed.
starts=()
step() { starts+=("$(date +%H:%M:%S.%N)"); "$@"; sleep 2; }
# Moves the mark `count` stops with Tab (or Shift+Tab), then presses Space.
# The stops: Floating Point, the entry, Arc, Back Space, CE, C, the six
# switches, then the keypad row by row.
press() {
    for _ in $(seq "$1"); do xdotool key "$2"; sleep 0.2; done
    xdotool key space
}
# The keypad: row and column of a key, its centre in the client area.
click() {
    local client=$((Y + HEIGHT - 219))
    xdotool mousemove $((X + 178 + 31 * $2 + 11)) $((client + 74 + 29 * $1 + 12)) click 1
}
taps() { press 16 Tab && press 3 Tab && press 2 shift+Tab && press 28 Tab; }  # 7 + 8 =
clicks() { click 0 3 && click 0 6 && click 0 4 && click 3 5; }

step xdotool type --delay 200 '7+8='
step xdotool key Escape
step taps
step xdotool key Escape
step clicks
step xdotool key F5
step xdotool key ctrl+m
starts+=("$(date +%H:%M:%S.%N)")
for _ in $(seq 30); do xdotool key shift; sleep 0.1; done  # fills the buffer
sleep 2

failures=0
# What Orca said during step $1 (counting from 0).
said() {
    awk -v from="${starts[$1]}" -v to="${starts[$1 + 1]}" \
        '/SPEECH OUTPUT/ && $1 >= from && $1 < to' "$log" | grep -o "SPEECH OUTPUT: '[^']*'" |
        sed "s/SPEECH OUTPUT: //"
}
expect() {
    said "$1" | grep -qE "$2" && return
    echo "orca_test: after $3, Orca did not say /$2/; it said:"; said "$1" | sed 's/^/    /'
    failures=$((failures + 1))
}
expect 0 "^'(notification )?15\.?'" "7 + 8 = typed"
expect 2 "^'(notification )?15\.?'" "7 + 8 = by Tab and Space"
expect 4 "^'(notification )?15\.?'" "7 + 8 = clicked"
expect 5 "hexadecimal" "F5"
expect 6 "memory" "Ctrl+M"
# Descriptions: once, when the window is first met, never after a key.
for description in "Type numbers and operators" "The number being typed"; do
    count=$(spoken | grep -c "$description")
    if [ "$count" -gt 1 ]; then
        echo "orca_test: \"$description\" was said $count times"; failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "orca_test: Orca spoke every result and change"
exit $((failures > 0))
