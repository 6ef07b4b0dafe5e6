#!/usr/bin/env bash
# Tests the 64-bit Windows build under Wine (build it first with
# scripts/windows-build.sh):
#   cases   every golden case of tests/cases/ through korvocalc-cli.exe, against
#           the same expected output as the Linux build (x87 results included);
#   window  korvocalc.exe under Xvfb, driven with xdotool and looked at from a
#           second Wine process (tests/win32/windowprobe.cpp): a click
#           computing, the keyboard (typing, shortcuts, presses and releases),
#           Tab through the named keys and Space, tooltips, paste and its
#           message, closing with exit code 0; then at 96, 120, 144 and 192
#           dpi the layout grown with the dpi: the client area, labels and
#           entry unclipped, every key and its face at its place, the About
#           box's texts whole. What the keys compute is the golden cases' work.
#   scripts/windows-test.sh [cases|window]   (both when none is named)
# KORVO_WINDOW_SHOTS=DIR keeps a screenshot of the window at each dpi there.
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
probe_has() { probe "$1" | grep -qx -- "$2"; }
window_named() { xdotool search --onlyvisible --name "^$1\$"; }
no_window_named() { ! window_named "$1"; }
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# xclip stays behind to hand out the text; it ends quietly with the display.
put_clipboard() { printf '%s' "$1" | xclip -selection clipboard 2>/dev/null; }

# expect FACT PATTERN WHAT: a line of the probe's FACT matches PATTERN (a
# whole-line grep pattern), soon.
expect() {
    if ! wait_for "$3: $1 shows '$2'" 10 probe_has "$1" "$2"; then
        probe "$1" | sed 's/^/    actual: /' >&2
    fi
}
expect_entry() { expect entry "entry=$1" "$2"; }

# expect_message TEXT WHAT: a message box with TEXT opens; Enter closes it.
expect_message() {
    wait_for "$2 opens a message box" 10 window_named "KORVO CALCULATOR" || return
    expect message "message=$1" "$2"
    keys Return
    wait_for "$2: the message box closes" 10 no_window_named "KORVO CALCULATOR"
}
PASTE_MESSAGE='Your Paste Selection Is Out Of\\r\\nRange For The Base Setting!'

launch() {
    local origin
    "$WINE64" "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    wait_for "the main window appears" 60 window_named "$CAPTION" || return 1
    origin=$(probe window | sed -n 's/^client=\([0-9]*,[0-9]*\) .*/\1/p')
    CLIENT_X=${origin%,*}
    CLIENT_Y=${origin#*,}
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

# Mouse at / click at a pixel of the main window's client area.
point() { xdotool mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2)) "${@:3}"; }
click() {
    point "$1" "$2" click 1
    sleep 0.15
}
# The readout panel: a click there activates the window and takes no focus.
click_window() { click 80 150; }
# The keypad key in ROW and COLUMN (from 0): 23-pixel keys and 8-pixel
# separators alternate in rows starting at x 178, y 74, one every 29 pixels.
key_at() { echo $((178 + $2 * 31 + 11)) $((74 + 29 * $1 + 12)); }
click_entry() { click 300 11; }
click_clear() { click 439 36; }
click_arc() { click 202 38; }
keys() { xdotool key --delay 80 "$@"; }
typed() { xdotool type --delay 80 "$1"; }

fresh_prefix() {
    echo "== a fresh Wine prefix"
    timeout 30 "$WINESERVER" -k 2>/dev/null || true  # what an earlier run left in it
    rm -rf "$WINEPREFIX"
    timeout 300 "$WINE64" wineboot -i >/dev/null 2>&1
    timeout 120 "$WINESERVER" -w
    # Without a window manager Wine draws the caption and frame only so.
    set_registry 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ N
    "$WINESERVER" -p 60  # stays up between the many short runs below
}

# set_registry KEY VALUE TYPE DATA, in this prefix, settled before going on.
set_registry() {
    timeout 60 "$WINE64" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
    timeout 120 "$WINESERVER" -w
}

golden_cases() {
    echo "== golden cases through korvocalc-cli.exe"
    local cli="$WORK/korvocalc-cli-wine" files=0 case_file runner
    cat >"$cli" <<EOS
#!/bin/sh
# korvocalc-cli.exe under Wine, CR LF made LF. A failed Wine start (status 1,
# no word said, which korvocalc-cli never does) is tried once more.
in=\$(mktemp) out=\$(mktemp) err=\$(mktemp)
cat >"\$in"
for attempt in 1 2; do
    timeout 60 "$WINE64" "$CLI" "\$@" <"\$in" >"\$out" 2>"\$err"
    status=\$?
    [ "\$status" -eq 1 ] && [ ! -s "\$out" ] && [ ! -s "\$err" ] || break
done
tr -d '\r' <"\$out"
tr -d '\r' <"\$err" >&2
rm -f "\$in" "\$out" "\$err"
exit \$status
EOS
    chmod +x "$cli"
    for case_file in "$KORVO_ROOT"/tests/cases/*.cases "$KORVO_ROOT"/tests/cases/*.txt; do
        case "$case_file" in */CMakeLists.txt | *'*'*) continue ;; *.cases) runner=run_cases.sh ;;
            *) runner=run_case.sh ;; esac
        files=$((files + 1))
        if ! sh "$KORVO_ROOT/tests/cases/$runner" "$cli" "$case_file" >"$WORK/case.out" 2>&1; then
            fail "golden cases of $(basename "$case_file")"
            head -n 30 "$WORK/case.out" >&2
        fi
    done
    [ "$files" -gt 0 ] || fail "no golden cases in tests/cases"
    echo "$files golden case files run"
}

start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    wait_for "Xvfb starts" 30 test -s "$WORK/display" || exit 1
    DISPLAY=":$(cat "$WORK/display")"
    export DISPLAY
}

# scaled PIXELS DPI: a 96-dpi size at DPI, rounded as MulDiv rounds.
scaled() { echo $((($1 * $2 + 48) / 96)); }

# check_frame DPI: the window where it always opens, its client area the
# 96-dpi one grown with the dpi (within a pixel), nothing clipped inside.
check_frame() {
    echo "-- frame at $1 dpi"
    local fact size width height
    probe window >"$WORK/window"
    for fact in "caption=$CAPTION" "at=200,68" "dpi=$1" "topmost=1 menu=1" \
        "sizing-border=0 maximize-box=0 minimize-box=1 system-menu=1"; do
        grep -qx -- "$fact" "$WORK/window" || fail "window: no '$fact' in: $(cat "$WORK/window")"
    done
    size=$(sed -n 's/^client=[0-9]*,[0-9]* //p' "$WORK/window")
    width=$((${size%x*} - $(scaled 454 "$1")))
    height=$((${size#*x} - $(scaled 219 "$1")))
    if [ "${width#-}" -gt 1 ] || [ "${height#-}" -gt 1 ]; then
        fail "client area $size at $1 dpi, not 454x219 grown by $1/96"
    fi
    if probe layout | grep '^clipped=' >&2; then
        fail "at $1 dpi the text of the controls above is cut"
    fi
}

# check_keypad DPI: the 45 keys, named, each at its place grown with the
# dpi (row by row from the top left, keys of 23x22 every 31 pixels, rows
# every 29), and its face drawn there: the 96-dpi window's 16x15 face, 3
# pixels in from its key's corner, grown to the dpi, is found in the
# screenshot where it belongs, give or take a pixel of rounding.
check_keypad() {
    local index=0 left top x y width height name crops=() references=() face found
    local margin=3
    probe keys >"$WORK/keys"
    [ "$(grep -c '^key=' "$WORK/keys")" -eq 45 ] || fail "at $1 dpi not 45 keys: $(cat "$WORK/keys")"
    while IFS=', x' read -r x y width height name; do
        left=$((178 + 31 * (index % 9)))
        top=$((76 + 29 * (index / 9)))
        [ "$x,$y ${width}x$height" = "$(scaled $left "$1"),$(scaled $top "$1") $((\
            $(scaled $((left + 23)) "$1") - $(scaled $left "$1")))x$((\
            $(scaled $((top + 22)) "$1") - $(scaled $top "$1")))" ] ||
            fail "at $1 dpi key $index '$name' at $x,$y ${width}x$height"
        width=$(($(scaled $((left + 19)) "$1") - $(scaled $((left + 3)) "$1")))
        height=$(($(scaled $((top + 18)) "$1") - $(scaled $((top + 3)) "$1")))
        x=$((CLIENT_X + $(scaled $((left + 3)) "$1")))
        y=$((CLIENT_Y + $(scaled $((top + 3)) "$1")))
        if [ "$1" -eq 96 ]; then
            crops+=('(' mpr:screen -crop "16x15+$x+$y" +repage ')')
        else
            # The face's place with a margin around it, and the face grown.
            crops+=('(' mpr:screen -crop "$((width + 2 * margin))x$((height + 2 * margin))+$((\
                x - margin))+$((y - margin))" +repage ')')
            references+=('(' "$WORK/face-96-$index.png" -sample "${width}x$height!" ')')
        fi
        index=$((index + 1))
    done < <(sed -n 's/^key=//p' "$WORK/keys")
    for name in "0 Sine" "7 Square root" "31 Decimal point" "44 Hex digit F"; do
        sed -n "$((${name%% *} + 1))p" "$WORK/keys" | grep -q " ${name#* }\$" ||
            fail "key ${name%% *} is not named '${name#* }'"
    done
    [ "$(sed -n 's/^key=[^ ]* [^ ]* //p' "$WORK/keys" | sort -u | wc -l)" -eq 45 ] ||
        fail "the keys' names are not all different"
    shoot "$1"
    convert "$WORK/screen.png" -write mpr:screen +delete "${crops[@]}" +adjoin \
        "$WORK/face-$1-%d.png"
    [ "$1" -ne 96 ] || return 0
    convert "${references[@]}" +adjoin "$WORK/grown-$1-%d.png"
    for ((index = 0; index < 45; index++)); do
        face="$WORK/face-$1-$index.png"
        found=$(compare -metric RMSE -dissimilarity-threshold 1 -subimage-search "$face" \
            "$WORK/grown-$1-$index.png" null: 2>&1 | sed -n 's/.*@ \([0-9]*\),\([0-9]*\).*/\1 \2/p')
        read -r x y <<<"${found:-99 99}"
        if [ $((x - margin)) -lt -1 ] || [ $((x - margin)) -gt 1 ] || [ $((y - margin)) -lt -1 ] ||
            [ $((y - margin)) -gt 1 ]; then
            fail "at $1 dpi the face of key $index is at ${found:-no} offset, not $margin $margin"
        fi
    done
}

# shoot DPI: the screen into screen.png; with KORVO_WINDOW_SHOTS set, the
# window's client area into that folder too.
shoot() {
    local size
    sleep 0.5  # the last paint settles
    import -window root "$WORK/screen.png"
    [ -n "${KORVO_WINDOW_SHOTS:-}" ] || return 0
    size=$(sed -n 's/^client=[0-9]*,[0-9]* //p' "$WORK/window")
    convert "$WORK/screen.png" -crop "$size+$CLIENT_X+$CLIENT_Y" +repage \
        "$KORVO_WINDOW_SHOTS/windows-$1dpi.png"
}

# check_about DPI: every text of the About box shows whole inside it.
check_about() {
    click_window
    keys alt+i a
    wait_for "the About box opens at $1 dpi" 10 window_named "About Calculator" || return
    probe about >"$WORK/about"
    grep -q '^about-text=shown' "$WORK/about" || fail "no About text found: $(cat "$WORK/about")"
    if grep '^about-text=hidden' "$WORK/about" >&2; then
        fail "at $1 dpi an About text is hidden"
    fi
    keys Escape
    wait_for "the About box closes" 10 no_window_named "About Calculator"
}

# The window at DPI from a fresh start, closed again with Alt+F4.
check_dpi() {
    # Read by each process as it starts: no need to wait for the server to
    # settle (it stays up for a minute after the last program ends).
    timeout 60 "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" \
        /f >/dev/null 2>&1
    launch || return
    check_frame "$1"
    check_keypad "$1"
    check_about "$1"
    click_window
    keys alt+F4
    wait_exit "Alt+F4 at $1 dpi"
}

# Tab marks Floating Point first, then the entry, the buttons and switches,
# then the keys in reading order; Space presses the marked key at its
# release, Shift+Tab goes back, a click marks nothing.
check_tab() {
    echo "-- Tab and Space"
    click_clear
    click_window
    keys Tab
    expect focus "focus=Floating Point" "the first Tab"
    keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
    expect focus "focus=Sine" "thirteen Tabs"
    keys Tab Tab Tab space
    expect_entry 7 "Space on the marked Digit 7 key"
    keys shift+Tab Tab Tab space
    expect_entry 78 "Shift+Tab then Tab: the mark goes on from where it was"
    click_clear
    keys space
    expect_entry "" "after a click Space presses nothing"
}

check_clicks() {
    echo "-- key clicks: 7 + 3 ="
    click_window
    local row_column
    for row_column in "0 3" "0 6" "2 5" "3 5"; do
        # shellcheck disable=SC2046,SC2086  # the row and the column
        click $(key_at $row_column)
    done
    expect_entry 10 "7 + 3 ="
}

# The text changes through commands only, one per physical press, whatever
# the focus, the timing and the key's code at its release.
check_keyboard() {
    echo "-- keyboard"
    click_clear
    typed "12+3="
    expect_entry 15 "typing 12+3= with the focus on the main window"
    click_clear
    typed "12xx3,5"
    expect_entry 1235 "characters that are no key of the calculator enter nothing"
    click_clear
    xdotool keydown 1 keydown 2 keyup 1 keyup 2 key 3 keydown 4 keydown 5 keyup 4 keyup 5
    expect_entry 12345 "two overlapping presses, twice, around a single one"
    click_clear
    click_entry
    keys shift+5 shift+equal 2 Return
    expect_entry 7 "Shift+5 gives 5, no %; Shift+= gives +; Enter ="
    keys F5 Escape
    xdotool type --delay 0 "ff*ff="
    expect_entry FE01 "Hex ff*ff= typed without pauses"
    keys ctrl+a ctrl+b ctrl+d ctrl+e ctrl+f
    put_clipboard stale
    keys ctrl+c
    wait_for "Ctrl+C without a selection copies the whole entry" 10 clipboard_is FE01
    expect_entry FE01 "Ctrl with A to F types no digit"
    keys F6 Escape KP_7 KP_Add KP_6 KP_Enter
    expect_entry 13 "keypad digits released under another code (NumLock off)"
    keys Escape Num_Lock KP_7 KP_Add KP_6 KP_Enter Num_Lock
    expect_entry 13 "the same keypad digits again, NumLock on"
    click_arc
    keys space Escape 1 s
    expect_entry 90 "after a click on Arc, Space is no click and typed keys reach the calculator"
    click_arc
    keys Escape 9 w F9 ctrl+m Escape ctrl+r
    expect entry "memory=M *" "Ctrl+M"
    expect_entry -3 "the keypad from the keyboard: W, F9, Ctrl+M, Esc, Ctrl+R"
    keys Delete 1 2 3 BackSpace
    expect_entry 12 "Delete and Backspace"
    click_entry
    keys End shift+Home
    xdotool click 3 && keys d
    expect_entry 12 "the edit control's own Delete (context menu) changes nothing"
    keys ctrl+x
    expect_entry "" "Ctrl+X with the whole entry selected"
    wait_for "Cut puts the selection on the clipboard" 10 clipboard_is 12
}

check_tips() {
    echo "-- tooltips"
    click_window
    point 440 37
    expect tip "tip=C (Esc)" "the C button's tooltip"
    point 189 115  # the Cos key
    expect tip "tip=Cosine (O)" "the Cos key's tooltip"
}

# A number longer than the panel: its lines end in a mark (drawn), each
# line's tooltip is its whole text, its context menu's Copy and Ctrl+C on a
# line Tab marked copy it.
# Deg clicked twice stays checked.
check_readout() {
    echo "-- readout lines and Deg"
    local dec=340282366920938463463374607431768211455
    click_clear
    keys F5
    typed "FFFFFFFFFFFFFFFFFFFFFFFFFFFF*10000+FFFF="
    expect_entry FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF "the largest number, typed in Hex"
    point 60 48
    point 61 48
    expect tip "tip=$dec" "the cut decimal line's tooltip"
    put_clipboard stale
    xdotool click 3 && keys c
    wait_for "the decimal line's context menu Copy copies it whole" 10 clipboard_is "$dec"
    put_clipboard stale
    click_entry
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+c
    wait_for "Ctrl+C on the marked decimal line copies it whole" 10 clipboard_is "$dec"
    keys Escape F6
    click 188 61
    click 188 61
    expect entry "deg=1 rad=0" "Deg clicked twice"
    click 231 61
    expect entry "deg=0 rad=1" "Rad clicked"
    keys F2
    expect entry "deg=1 rad=0" "F2 back to degrees"
}

# Held down, Back Space repeats at the keyboard's rate; a held digit gives
# one digit.
check_repeat() {
    echo "-- held keys"
    click_clear
    typed 123456789
    expect_entry 123456789 "nine digits"
    xdotool keydown BackSpace && sleep 1.5 && xdotool keyup BackSpace
    expect_entry "" "Back Space held for 1.5 seconds"
    xdotool keydown 3 && sleep 1.5 && xdotool keyup 3
    expect_entry 3 "3 held for 1.5 seconds"
}

check_paste() {
    echo "-- paste"
    local sevens
    put_clipboard 12x
    keys ctrl+v
    expect_message "$PASTE_MESSAGE" "a bad paste"
    expect_entry "" "a bad paste clears the entry"
    put_clipboard "１２３"
    click_window
    keys ctrl+v
    expect_message "$PASTE_MESSAGE" "full-width digits"
    sevens=$(printf '7%.0s' $(seq 100000))
    put_clipboard "$sevens"
    click_window
    keys ctrl+v
    expect_message "$PASTE_MESSAGE" "a 100,000-character paste is refused at once"
    put_clipboard " -12.5"
    click_window
    keys ctrl+v
    expect_entry -12.5 "a pasted negative fraction with a blank before it"
    put_clipboard 1,5
    click_entry
    keys shift+Insert
    expect_message "$PASTE_MESSAGE" "Shift+Insert, the edit control's paste key"
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
        -Werror -static -o "$PROBE" "$KORVO_ROOT/tests/win32/windowprobe.cpp" -lgdi32 || exit 1
    start_display
    launch || return
    check_clicks
    check_keyboard
    check_tab
    check_tips
    check_readout
    check_repeat
    check_paste
    check_closing
    local dpi
    for dpi in 96 120 144 192; do
        check_dpi "$dpi"
    done
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
