#!/usr/bin/env bash
# Tests the 64-bit Windows build under Wine (build it first with
# scripts/windows-build.sh):
#   cases   every golden case of tests/cases/ through korvocalc-cli.exe, against
#           the same expected output as the Linux build (x87 results included);
#   window  korvocalc.exe under Xvfb, driven with xdotool and looked at from a
#           second Wine process (tests/win32/windowprobe.cpp): caption, size,
#           frame and topmost state, every control, the keypad, key clicks with
#           the result read back through the clipboard, the keyboard flow, Back
#           Space, Cut and Paste, a bad paste's message box, Info and About, the
#           readout surviving a repaint, and both ways of closing ending with
#           exit code 0. Prints the launch-to-window time of each start.
#   scripts/windows-test.sh [cases|window]   (both when none is named)
# Every wait has a deadline, so the script never hangs.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"
WANTED=${1:-cases window}
korvo_install_missing wine wine64 xvfb xdotool xclip imagemagick g++-mingw-w64-x86-64

BUILD="$KORVO_ROOT/build-win32-x86_64"
APP="$BUILD/win32/korvocalc.exe"
CLI="$BUILD/cli/korvocalc-cli.exe"
if [ ! -f "$APP" ] || [ ! -f "$CLI" ]; then
    echo "windows-test: $APP or $CLI is missing; run scripts/windows-build.sh first" >&2
    exit 1
fi

# Debian has no wine64 on the PATH: the loader lives in /usr/lib/wine.
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINELOADER="$WINE64" WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer dialogs

CAPTION=" CALCULATOR V1.0 Written in Assembler"
WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then kill "$APP_PID"; fi
    timeout 20 "$WINESERVER" -k 2>/dev/null || true  # this prefix's processes only
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# ---- checking -------------------------------------------------------------

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# wait_for DESCRIPTION SECONDS COMMAND...: until COMMAND succeeds, at most SECONDS.
wait_for() {
    local what=$1 deadline=$((SECONDS + $2))
    shift 2
    until "$@" >/dev/null 2>&1; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "$what (not within the deadline)"
            return 1
        fi
        sleep 0.1
    done
}

probe() { timeout 30 "$WINE64" "$PROBE" "$1" 2>&1 | tr -d '\r'; }
probe_has() { probe "$1" | grep -qxF -- "$2"; }
window_named() { xdotool search --onlyvisible --name "^$1\$"; }
no_window_named() { ! window_named "$1"; }
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# xclip stays behind to hand out the text; it ends quietly with the display.
put_clipboard() { printf '%s' "$1" | xclip -selection clipboard 2>/dev/null; }

# expect_probe FACT LINE WHAT: the probe's FACT output has LINE, soon.
expect_probe() {
    if ! wait_for "$3: $1 shows '$2'" 10 probe_has "$1" "$2"; then
        probe "$1" | sed 's/^/    actual: /' >&2
    fi
}
expect_entry() { expect_probe entry "entry=$1" "$2"; }

# ---- driving the window -----------------------------------------------------

launch() {
    local start end origin deadline=$((SECONDS + 60))
    start=$(date +%s%N)
    "$WINE64" "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    until window_named "$CAPTION" >/dev/null 2>&1; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "the main window does not appear"
            return 1
        fi
        sleep 0.02
    done
    end=$(date +%s%N)
    echo "launch-to-window: $(((end - start) / 1000000)) ms"
    MAIN=$(window_named "$CAPTION" | head -n 1)
    origin=$(probe window | sed -n 's/^client=//p')
    CLIENT_X=${origin%,*}
    CLIENT_Y=${origin#*,}
    KEY_WIDTH=$(probe keypad | sed -n '1s/.* button=\([0-9]*\)x.*/\1/p')
}

# wait_exit HOW: the program ends by itself, with exit code 0.
wait_exit() {
    local deadline=$((SECONDS + 30)) status=0
    while kill -0 "$APP_PID" 2>/dev/null; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "$1 does not end the program"
            kill "$APP_PID"
            break
        fi
        sleep 0.1
    done
    wait "$APP_PID" || status=$?
    APP_PID=""
    [ "$status" -eq 0 ] || fail "$1 ends the program with exit code $status, not 0"
}

# Clicks at a pixel of the main window's client area.
click() {
    xdotool mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2)) click 1
    sleep 0.15
}
# The readout panel: a click there activates the window and takes no focus.
click_window() { click 80 150; }
# Clicks the keypad key in ROW and COLUMN (from 0): keys and 8-pixel
# separators alternate in rows starting at x 178, y 74, one every 29 pixels.
click_key() { click $((178 + $2 * (KEY_WIDTH + 8) + KEY_WIDTH / 2)) $((74 + 29 * $1 + 12)); }
# Two clicks at one spot in quick succession would be a double click, which
# selects the entry's text: the caller picks the spot when that matters.
click_entry() { click "${1:-300}" 11; }
click_clear() { click 439 36; }
keys() { xdotool key --delay 80 "$@"; }
typed() { xdotool type --delay 80 "$1"; }
select_entry() {
    click_entry
    keys End shift+Home
}

# ---- the tests ---------------------------------------------------------------

fresh_prefix() {
    echo "== a fresh Wine prefix"
    timeout 30 "$WINESERVER" -k 2>/dev/null || true  # what an earlier run left in it
    rm -rf "$WINEPREFIX"
    timeout 300 "$WINE64" wineboot -i >/dev/null 2>&1
    timeout 120 "$WINESERVER" -w
    # Without a window manager Wine draws the caption and frame only so.
    timeout 60 "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ \
        /d N /f >/dev/null 2>&1
    timeout 120 "$WINESERVER" -w
    "$WINESERVER" -p 60  # stays up between the many short runs below
}

golden_cases() {
    echo "== golden cases through korvocalc-cli.exe"
    local cli="$WORK/korvocalc-cli-wine" cases=0 case_file
    cat >"$cli" <<EOF
#!/bin/sh
# korvocalc-cli.exe under Wine; its CR LF line ends become LF.
out=\$(mktemp) err=\$(mktemp)
timeout 60 "$WINE64" "$CLI" "\$@" >"\$out" 2>"\$err"
status=\$?
tr -d '\r' <"\$out"
tr -d '\r' <"\$err" >&2
rm -f "\$out" "\$err"
exit \$status
EOF
    chmod +x "$cli"
    for case_file in "$KORVO_ROOT"/tests/cases/*.txt "$KORVO_ROOT"/tests/cases/*.cases; do
        runner=run_case.sh
        case "$(basename "$case_file")" in
        CMakeLists.txt) continue ;;
        *.cases) runner=run_cases.sh ;;
        esac
        cases=$((cases + 1))
        if ! sh "$KORVO_ROOT/tests/cases/$runner" "$cli" "$case_file" >"$WORK/case.out" 2>&1
        then
            fail "golden cases of $(basename "$case_file")"
            head -n 30 "$WORK/case.out" >&2
        fi
    done
    [ "$cases" -gt 0 ] || fail "no golden cases in tests/cases"
    echo "$cases golden case files run"
}

start_display() {
    local n display=""
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            display=$n
            break
        fi
    done
    [ -n "$display" ] || { echo "windows-test: no free X display" >&2; exit 1; }
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$display"
    wait_for "Xvfb starts" 30 xdotool getmouselocation || exit 1
}

check_window() {
    echo "-- window"
    local name geometry fact
    name=$(xdotool getwindowname "$MAIN")
    [ "$name" = "$CAPTION" ] || fail "caption: '$name'"
    geometry=$(xdotool getwindowgeometry "$MAIN")
    grep -q "Position: 200,68 " <<<"$geometry" || fail "window position: $geometry"
    grep -q "Geometry: 460x262" <<<"$geometry" || fail "window size: $geometry"
    probe window >"$WORK/window"
    for fact in "caption=$CAPTION" "rect=200,68 460x262" "topmost=1" "menu=1" \
        "sizing-border=0 maximize-box=0 minimize-box=1 system-menu=1"; do
        grep -qxF -- "$fact" "$WORK/window" || fail "window: no '$fact' in: $(cat "$WORK/window")"
    done
}

check_controls() {
    echo "-- controls and keypad"
    cat >"$WORK/controls.expected" <<'EOF'
control id=43 class=Button kind=autocheckbox at=4,4 size=130x12 unchecked text=Floating Point
control id=44 class=Edit kind=editable-right at=135,0 size=315x22 - text=
control id=50 class=Button kind=autocheckbox at=182,32 size=40x12 unchecked text=Arc
control id=88 class=Edit kind=readonly-centre at=239,26 size=25x21 - text=
control id=1 class=Button kind=push at=271,26 size=80x20 - text=Back Space
control id=89 class=Edit kind=readonly-centre at=363,26 size=25x21 - text=
control id=2 class=Button kind=push at=399,26 size=20x20 - text=CE
control id=3 class=Button kind=push at=429,26 size=20x20 - text=C
control id=14 class=Button kind=groupbox at=178,43 size=85x28 - text=
control id=15 class=Button kind=groupbox at=271,43 size=178x28 - text=
control id=19 class=Button kind=autocheckbox at=182,55 size=39x12 checked text=Deg
control id=20 class=Button kind=autocheckbox at=222,55 size=39x12 unchecked text=Rad
control id=21 class=Button kind=autoradio at=275,55 size=40x12 checked text=Dec
control id=22 class=Button kind=autoradio at=318,55 size=40x12 unchecked text=Hex
control id=23 class=Button kind=autoradio at=361,55 size=40x12 unchecked text=Oct
control id=24 class=Button kind=autoradio at=404,55 size=40x12 unchecked text=Bin
control id=1 class=Static kind=plain at=178,74 size=272x24 - text=
control id=1 class=Static kind=plain at=178,103 size=272x24 - text=
control id=1 class=Static kind=plain at=178,132 size=272x24 - text=
control id=1 class=Static kind=plain at=178,161 size=272x24 - text=
control id=1 class=Static kind=plain at=178,190 size=272x24 - text=
control id=55 class=Button kind=groupbox at=4,18 size=161x196 - text=
EOF
    probe controls >"$WORK/controls"
    diff -u "$WORK/controls.expected" "$WORK/controls" >&2 || fail "controls at start-up"
    cat >"$WORK/keypad.expected" <<'EOF'
row toolbar=301 entries=17 keys: 235 | 240 | 226 | 207 | 208 | 209 | 218 | 223 | 231
row toolbar=302 entries=17 keys: 236 | 241 | 227 | 204 | 205 | 206 | 219 | 224 | 232
row toolbar=303 entries=17 keys: 237 | 242 | 228 | 201 | 202 | 203 | 220 | 225 | 233
row toolbar=304 entries=17 keys: 238 | 243 | 229 | 200 | 216 | 222 | 221 | 217 | 234
row toolbar=305 entries=17 keys: 239 | 244 | 230 | 210 | 211 | 212 | 213 | 214 | 215
EOF
    probe keypad | sed 's/ button=[0-9x]*//' >"$WORK/keypad"
    diff -u "$WORK/keypad.expected" "$WORK/keypad" >&2 || fail "keypad rows"
}

check_clicks() {
    echo "-- key clicks: 7 + 3 ="
    click_window
    click_key 0 3
    click_key 0 6
    click_key 2 5
    click_key 3 5
    expect_entry 10 "7 + 3 ="
    expect_probe entry "operator==" "7 + 3 ="
    put_clipboard stale
    select_entry
    keys ctrl+c
    wait_for "7 + 3 = read back through the clipboard gives 10" 10 clipboard_is 10
}

# The panel's pixels: blue labels and black numbers once painted, and the
# same after the whole window has been erased and repainted.
check_readout() {
    echo "-- readout"
    local histogram difference
    readout_shot() {
        import -window root -crop "157x184+$((CLIENT_X + 6))+$((CLIENT_Y + 28))" +repage "$1"
    }
    readout_shot "$WORK/readout-before.png"
    histogram=$(convert "$WORK/readout-before.png" -format %c histogram:info:-)
    grep -qi "#0000FF" <<<"$histogram" || fail "readout: no blue labels"
    grep -qi "#000000" <<<"$histogram" || fail "readout: no black numbers"
    probe redraw >/dev/null || fail "the probe cannot repaint the window"
    sleep 0.5
    readout_shot "$WORK/readout-after.png"
    difference=$(compare -metric AE "$WORK/readout-before.png" "$WORK/readout-after.png" \
        null: 2>&1)
    [ "$difference" = 0 ] || fail "readout: a repaint of the window changed $difference pixels"
}

check_keyboard() {
    echo "-- keyboard flow"
    click_clear
    expect_entry "" "C"
    typed "12+3="
    expect_entry 15 "typing 12+3= with the focus on the main window"
    click_clear
    click_entry
    typed "5"
    expect_entry 5 "a digit typed while the entry field has the focus is entered once"
    click_entry 200
    typed "+"
    typed "2="
    expect_entry 7 "+ typed in the entry field gives one addition"
    click_clear
    typed "123"
    keys BackSpace
    expect_entry 12 "Backspace"
    keys ctrl+x  # nothing selected: Cut is greyed, nothing happens
    typed "3"
    expect_entry 123 "Ctrl+X without a selection"
    select_entry
    keys ctrl+x
    expect_entry "" "Ctrl+X with the whole entry selected"
    wait_for "Cut puts the selection on the clipboard" 10 clipboard_is 123
    click 338 61  # Hex
    typed "ff"
    expect_entry FF "letters typed in Hex"
    click 295 61  # Dec
    expect_entry 255 "back to Dec"
    expect_probe controls \
        "control id=21 class=Button kind=autoradio at=275,55 size=40x12 checked text=Dec" \
        "the Dec radio button"
}

# Each physical press gives exactly one command at its release, wherever the
# focus went in between: the first release's command moves the focus to the
# main window before the second key comes up.
check_key_presses() {
    echo "-- overlapping and shifted key presses"
    click_clear
    xdotool keydown 1 keydown 2 keyup 1 keyup 2
    keys 3
    xdotool keydown 4 keydown 5 keyup 4 keyup 5
    expect_entry 12345 "two overlapping presses, twice, around a single one"
    click_clear
    click_entry
    xdotool keydown 6 keydown 7 keyup 7 keyup 6
    expect_entry 76 "presses nested in the entry field, each digit at its key's release"
    click_clear
    keys shift+5
    expect_entry 5 "Shift+5 gives the digit once and inserts no %"
    keys shift+equal
    expect_probe entry "operator=+" "Shift+= gives +"
    keys 2 Return
    expect_entry 7 "5 Shift+= 2 Enter (the = key's release gives no = of its own)"
    click_clear
    keys 9 shift+8 3 Return
    expect_entry 27 "9 Shift+8 3 Enter"
    select_entry
    typed 4
    expect_entry 4 "a digit typed over the selection starts afresh, entered once"
    click_clear
    xdotool keydown 8
    click 202 38  # Arc takes the focus while the key is down
    xdotool keyup 8
    expect_entry 8 "a key released after a click gave the focus to Arc"
    click 202 38  # Arc off again
    click_clear
    # An accelerator's key was never the calculator's: its release gives no
    # digit, not even in Hex.
    click 338 61  # Hex
    typed "ab"
    put_clipboard stale
    select_entry
    keys ctrl+c
    wait_for "Ctrl+C copies in Hex" 10 clipboard_is AB
    expect_entry AB "Ctrl+C's release gives no digit C"
    click 295 61  # Dec
}

check_paste() {
    echo "-- paste"
    put_clipboard 12x
    keys ctrl+v
    if wait_for "a bad paste shows its message box" 10 window_named "KORVO CALCULATOR"; then
        expect_probe message \
            'message=Your Paste Selection Is Out Of\r\nRange For The Base Setting!' \
            "the paste message"
        keys Return
        wait_for "the paste message closes" 10 no_window_named "KORVO CALCULATOR"
    fi
    expect_entry "" "a bad paste clears the entry"
    put_clipboard 345
    click_window  # the closed box has left no window with the keyboard focus
    keys ctrl+v
    expect_entry 345 "a good paste"
    # The edit control's own paste key is checked too.
    put_clipboard 1.5
    click_entry
    keys shift+Insert
    if wait_for "Shift+Insert checks the pasted text" 10 window_named "KORVO CALCULATOR"; then
        keys Return
        wait_for "the paste message closes" 10 no_window_named "KORVO CALCULATOR"
    fi
    expect_entry "" "a point pasted with Shift+Insert"
}

check_info_about() {
    echo "-- Info and About"
    local info
    click_window
    keys alt+i i
    if wait_for "Info opens" 10 window_named "KORVO CALCULATOR"; then
        info="message=$(printf '%38s' '')Most of the functions are self explanatory.\r\n\r\n"
        info+="There Are Three Two Step Functions.\r\n"
        info+="(1). X**n  Enter the base number click the X**n button enter the exponent click =."
        info+="\r\n(2). HYP  Enter the X number click the HYP button enter the Y number click =.\r\n"
        info+="(3). %  Enter the first number click the X button enter the second number click %."
        info+="\r\nOr Enter the first number click the +,-,x or div button enter the % number"
        info+=" click % click =."
        expect_probe message "$info" "the Info text"
        keys Return
        wait_for "Info closes" 10 no_window_named "KORVO CALCULATOR"
    fi
    click_window
    keys alt+i a
    if wait_for "About opens" 10 window_named "About Calculator"; then
        keys Escape
        wait_for "About closes with Esc" 10 no_window_named "About Calculator"
    fi
}

check_closing() {
    echo "-- closing"
    click_window
    keys alt+c
    wait_exit "the Close menu command"
    launch || return
    click_window
    keys alt+F4
    wait_exit "the window's Close (Alt+F4)"
}

window_tests() {
    echo "== korvocalc.exe under Xvfb"
    PROBE="$WORK/windowprobe.exe"
    x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast \
        -Werror -static -o "$PROBE" "$KORVO_ROOT/tests/win32/windowprobe.cpp" -lcomctl32 ||
        exit 1
    start_display
    launch || return
    check_window
    check_controls
    check_clicks
    check_readout
    check_keyboard
    check_key_presses
    check_paste
    check_info_about
    check_closing
    timeout 60 "$WINESERVER" -w || true
}

fresh_prefix
# From here on a failed check is counted and the tests go on.
set +e
[[ " $WANTED " != *" cases "* ]] || golden_cases
[[ " $WANTED " != *" window "* ]] || window_tests

if [ "$failures" -ne 0 ]; then
    echo "windows-test: $failures failure(s)" >&2
    exit 1
fi
echo "windows-test: all passed"
