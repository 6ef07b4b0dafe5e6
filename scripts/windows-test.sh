#!/usr/bin/env bash
# Tests the 64-bit Windows build under Wine (build it first with
# scripts/windows-build.sh):
#   cases   every golden case of tests/cases/ through korvocalc-cli.exe, against
#           the same expected output as the Linux build (x87 results included);
#   window  korvocalc.exe under Xvfb, driven with xdotool and looked at from a
#           second Wine process (tests/win32/windowprobe.cpp): clicks, the
#           keyboard, Tab and Space, tooltips, readout lines, held keys, paste
#           and closing; then at 96, 120, 144 and 192 dpi the frame, labels,
#           entry, every key and its face, and the About box, all grown with
#           the dpi. What the keys compute is the golden cases' work.
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

# The probe's facts: the window's layout with "layout", else what it shows now.
probe() { timeout 30 "$WINE64" "$PROBE" "$@" 2>&1 | tr -d '\r'; }
probe_has() { probe | grep -qx -- "$1"; }
window_named() { xdotool search --onlyvisible --name "^$1\$"; }
no_window_named() { ! window_named "$1"; }
app_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# xclip stays behind to hand out the text; it ends quietly with the display.
put_clipboard() { printf '%s' "$1" | xclip -selection clipboard 2>/dev/null; }
reg_add() { timeout 60 "$WINE64" reg add "$@" /f >/dev/null 2>&1; }

# expect FACT WHAT: a line the probe prints matches FACT (a whole-line grep
# pattern), soon.
expect() {
    wait_for "$2: no '$1'" 10 probe_has "$1" || probe | sed 's/^/    actual: /' >&2
}

# expect_refusal WHAT: the paste refusal opens in a message box; Enter closes it.
expect_refusal() {
    wait_for "$1 opens a message box" 10 window_named "KORVO CALCULATOR" || return
    expect 'message=Your Paste Selection Is Out Of\\r\\nRange For The Base Setting!' "$1"
    keys Return
    wait_for "$1: the message box closes" 10 no_window_named "KORVO CALCULATOR"
}

# launch: the main window shows; its layout goes into $WORK/window.
launch() {
    local origin
    "$WINE64" "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    wait_for "the main window appears" 60 window_named "$CAPTION" || return 1
    probe layout >"$WORK/window"
    origin=$(sed -n 's/^client=\([0-9]*,[0-9]*\) .*/\1/p' "$WORK/window")
    CLIENT_X=${origin%,*}
    CLIENT_Y=${origin#*,}
}

# wait_exit HOW: the program ends by itself, with exit code 0.
wait_exit() {
    local status=0
    wait_for "$1 ends the program" 30 app_ended || kill "$APP_PID"
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
click_entry() { click 300 11; }
click_clear() { click 439 36; }
click_arc() { click 202 38; }
# The middle of the keypad key in ROW and COLUMN (from 0).
key() { click $((189 + 31 * $2)) $((86 + 29 * $1)); }
keys() { xdotool key --delay 80 "$@"; }
typed() { xdotool type --delay 80 "$1"; }

fresh_prefix() {
    echo "== a fresh Wine prefix"
    timeout 30 "$WINESERVER" -k 2>/dev/null || true  # what an earlier run left in it
    rm -rf "$WINEPREFIX"
    timeout 300 "$WINE64" wineboot -i >/dev/null 2>&1
    timeout 120 "$WINESERVER" -w
    # Without a window manager Wine draws the caption and frame only so.
    reg_add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N
    timeout 120 "$WINESERVER" -w
    "$WINESERVER" -p 60  # stays up between the many short runs below
}

golden_cases() {
    echo "== golden cases through korvocalc-cli.exe"
    local cli="$WORK/korvocalc-cli-wine" files=0 case_file runner
    # korvocalc-cli.exe under Wine, CR LF made LF. A failed Wine start (status
    # 1, no word said, which korvocalc-cli never does) is tried once more.
    cat >"$cli" <<EOS
#!/bin/sh
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

# run_steps: lines "FACT|WHAT|COMMANDS" on fd 3. The COMMANDS run, then FACT
# (its variables expanded) shows, soon: a line of the probe, clipboard=TEXT on
# the clipboard, "refused" for the paste refusal, "ended" for the program's
# end with exit code 0. A line "-- TOPIC" is printed; a line "#..." is a comment.
run_steps() {
    local fact what commands
    while IFS='|' read -r fact what commands <&3; do
        case $fact in '#'* | '') continue ;; --*) echo "$fact" && continue ;; esac
        eval "$commands"
        eval "fact=\"$fact\""
        case $fact in
        clipboard=*) wait_for "$what" 10 clipboard_is "${fact#clipboard=}" ;;
        refused) expect_refusal "$what" ;;
        ended) wait_exit "$what" ;;
        *) expect "$fact" "$what" ;;
        esac
    done
}

# scaled PIXELS DPI: a 96-dpi size at DPI, rounded as MulDiv rounds.
scaled() { echo $((($1 * $2 + 48) / 96)); }
# span FROM LENGTH DPI: how long the 96-dpi stretch FROM..FROM+LENGTH is at DPI.
span() { echo $(($(scaled $(($1 + $2)) "$3") - $(scaled "$1" "$3"))); }

# check_layout DPI: the window where it always opens, its client area the
# 96-dpi one grown with the dpi (within a pixel), no text cut; the 45 keys,
# all named differently, each at its place grown with the dpi (row by row
# from 178,76, keys of 23x22 every 31 pixels, rows every 29), and its face
# drawn there: the 96-dpi window's 16x15 face, 3 pixels in from its key's
# corner, grown to the dpi, is found in the screenshot where it belongs,
# give or take a pixel of rounding.
check_layout() {
    echo "-- layout at $1 dpi"
    local fact size i=0 x y w h name left top m=3 crops=() grown=() found
    for fact in "caption=$CAPTION" "at=200,68" "dpi=$1" "topmost=1 menu=1" \
        "sizing-border=0 maximize-box=0 minimize-box=1 system-menu=1"; do
        grep -qx -- "$fact" "$WORK/window" || fail "window: no '$fact' in: $(cat "$WORK/window")"
    done
    size=$(sed -n 's/^client=[0-9]*,[0-9]* //p' "$WORK/window")
    w=$((${size%x*} - $(scaled 454 "$1"))) h=$((${size#*x} - $(scaled 219 "$1")))
    [ $((w * w + h * h)) -le 2 ] || fail "client area $size at $1 dpi, not 454x219 grown by $1/96"
    grep '^clipped=' "$WORK/window" >&2 && fail "at $1 dpi the text of the controls above is cut"
    sed -n 's/^key=//p' "$WORK/window" >"$WORK/keys"
    [ "$(wc -l <"$WORK/keys")" -eq 45 ] || fail "at $1 dpi not 45 keys: $(cat "$WORK/keys")"
    while IFS=', x' read -r x y w h name; do
        left=$((178 + 31 * (i % 9))) top=$((76 + 29 * (i / 9)))
        [ "$x,$y ${w}x$h" = "$(scaled $left "$1"),$(scaled $top "$1") $(span $left 23 "$1")x$(
            span $top 22 "$1")" ] || fail "at $1 dpi key $i '$name' at $x,$y ${w}x$h"
        # The face's place with a margin around it; the 96-dpi face grown.
        w=$(span $((left + 3)) 16 "$1") h=$(span $((top + 3)) 15 "$1")
        x=$((CLIENT_X + $(scaled $((left + 3)) "$1") - m))
        y=$((CLIENT_Y + $(scaled $((top + 3)) "$1") - m))
        crops+=('(' mpr:screen -crop "$((w + 2 * m))x$((h + 2 * m))+$x+$y" +repage ')')
        grown+=('(' "$WORK/face-96-$i.png" -shave "${m}x$m" -sample "${w}x$h!" ')')
        i=$((i + 1))
    done <"$WORK/keys"
    for name in "0 Sine" "7 Square root" "31 Decimal point" "44 Hex digit F"; do
        sed -n "$((${name%% *} + 1))p" "$WORK/keys" | grep -q " ${name#* }\$" ||
            fail "key ${name%% *} is not named '${name#* }'"
    done
    [ "$(cut -d' ' -f3- "$WORK/keys" | sort -u | wc -l)" -eq 45 ] ||
        fail "the keys' names are not all different"
    sleep 0.5  # the last paint settles
    import -window root "$WORK/screen.ppm"
    [ -z "${KORVO_WINDOW_SHOTS:-}" ] ||
        convert "$WORK/screen.ppm" -crop "$size+$CLIENT_X+$CLIENT_Y" +repage \
            "$KORVO_WINDOW_SHOTS/windows-$1dpi.png"
    convert "$WORK/screen.ppm" -write mpr:screen +delete "${crops[@]}" +adjoin \
        "$WORK/face-$1-%d.png"
    [ "$1" -ne 96 ] || return 0
    convert "${grown[@]}" +adjoin "$WORK/grown-$1-%d.png"
    for ((i = 0; i < 45; i++)); do
        found=$(compare -metric RMSE -dissimilarity-threshold 1 -subimage-search \
            "$WORK/face-$1-$i.png" "$WORK/grown-$1-$i.png" null: 2>&1 |
            sed -n 's/.*@ \([0-9]*\),\([0-9]*\).*/\1 \2/p')
        read -r x y <<<"${found:-99 99}"
        [ $(((x - m) * (x - m) + (y - m) * (y - m))) -le 2 ] ||
            fail "at $1 dpi the face of key $i is at ${found:-no} offset, not $m $m"
    done
}

# check_about DPI: every text of the About box shows whole inside it.
check_about() {
    click_window
    keys alt+i a
    wait_for "the About box opens at $1 dpi" 10 window_named "About Calculator" || return
    probe >"$WORK/about"
    grep -q '^about-text=shown' "$WORK/about" || fail "no About text found: $(cat "$WORK/about")"
    grep '^about-text=hidden' "$WORK/about" >&2 && fail "at $1 dpi an About text is hidden"
    keys Escape
    wait_for "the About box closes" 10 no_window_named "About Calculator"
}

# The window at DPI from a fresh start, closed again with Alt+F4.
check_dpi() {
    # Read by each process as it starts: no need to wait for the server to
    # settle (it stays up for a minute after the last program ends).
    reg_add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1"
    launch || return
    check_layout "$1"
    check_about "$1"
    click_window
    keys alt+F4
    wait_exit "Alt+F4 at $1 dpi"
}

window_tests() {
    echo "== korvocalc.exe under Xvfb"
    PROBE="$WORK/windowprobe.exe"
    x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast \
        -Werror -static -o "$PROBE" "$KORVO_ROOT/tests/win32/windowprobe.cpp" -lgdi32 || exit 1
    start_display
    # The Wine desktop the golden cases started has no display behind it and
    # cut the window at 192 dpi off on the right: a desktop of its own.
    timeout 30 "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -p 60
    launch || return
    # One step a line; the text changes through commands only, one per
    # physical press, whatever the focus, the timing and the released code.
    # shellcheck disable=SC2034  # read by the steps
    local dec=340282366920938463463374607431768211455 dpi
    run_steps 3<<'STEPS'
-- key clicks and the keyboard
entry=10|7 + 3 = clicked|click_window; key 0 3; key 0 6; key 2 5; key 3 5
entry=15|typing 12+3= with the focus on the main window|click_clear; typed 12+3=
entry=1235|characters that are no key of the calculator enter nothing|click_clear; typed 12xx3,5
entry=12345|overlapping presses around a single one|click_clear; xdotool keydown 1 keydown 2 keyup 1 keyup 2 key 3 keydown 4 keydown 5 keyup 4 keyup 5
entry=220|Shift+5 is %, Shift+= is +, Enter is =|click_clear; click_entry; keys 2 0 0 shift+equal 1 0 shift+5 Return
entry=1024|Shift+6 is ^, Shift+9 types ( and does nothing|click_clear; keys 2 shift+6 1 shift+9 0 Return
entry=FE01|Hex ff*ff= typed without pauses|keys F5 Escape; xdotool type --delay 0 'ff*ff='
clipboard=FE01|Ctrl+C without a selection copies the entry|keys ctrl+a ctrl+b ctrl+d ctrl+e ctrl+f; put_clipboard stale; keys ctrl+c
entry=FE01|Ctrl with A to F types no digit|
entry=13|keypad digits released under another code (NumLock off)|keys F6 Escape KP_7 KP_Add KP_6 KP_Enter
entry=13|the same keypad digits again, NumLock on|keys Escape Num_Lock KP_7 KP_Add KP_6 KP_Enter Num_Lock
entry=90|after a click on Arc, Space is no click, typed keys count|click_arc; keys space Escape 1 s
memory=M *|Ctrl+M|click_arc; keys Escape 9 w F9 ctrl+m Escape ctrl+r
entry=-3|the keypad from the keyboard: W, F9, Ctrl+M, Esc, Ctrl+R|
entry=12|Delete and Backspace|keys Delete 1 2 3 BackSpace
entry=12|the edit control's own menu Delete changes nothing|click_entry; keys End shift+Home; xdotool click 3 && keys d
entry=|Ctrl+X with the whole entry selected|keys ctrl+x
clipboard=12|Cut puts the selection on the clipboard|
-- Tab and Space: Floating Point, the entry, buttons, switches, then keys in reading order
focus=Floating Point|the first Tab|click_clear; click_window; keys Tab
focus=Sine|thirteen Tabs|keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
entry=7|Space on the marked Digit 7 key|keys Tab Tab Tab space
entry=78|Shift+Tab then Tab: the mark goes on from where it was|keys shift+Tab Tab Tab space
entry=|after a click Space presses nothing|click_clear; keys space
-- tooltips
tip=C (Esc)|the C button's tooltip|click_window; point 440 37
tip=Cosine (O)|the Cos key's tooltip|point 189 115
-- readout lines: a number longer than the panel, its lines' tooltips and copies; Deg
entry=F\{32\}|the largest number, typed in Hex|click_clear; keys F5; typed 'FFFFFFFFFFFFFFFFFFFFFFFFFFFF*10000+FFFF='
tip=$dec|the cut decimal line's tooltip|point 60 48; point 61 48
clipboard=$dec|the decimal line's context menu Copy|put_clipboard stale; xdotool click 3 && keys c
clipboard=$dec|Ctrl+C on the decimal line Tab marked|put_clipboard stale; click_entry; keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+c
deg=1 rad=0|Deg clicked twice stays checked|keys Escape F6; click 188 61; click 188 61
deg=0 rad=1|Rad clicked|click 231 61
deg=1 rad=0|F2 back to degrees|keys F2
-- held keys: Back Space repeats at the keyboard's rate, a digit gives one digit
entry=123456789|nine digits|click_clear; typed 123456789
entry=|Back Space held for 1.5 seconds|xdotool keydown BackSpace && sleep 1.5 && xdotool keyup BackSpace
entry=3|3 held for 1.5 seconds|xdotool keydown 3 && sleep 1.5 && xdotool keyup 3
-- paste
refused|a bad paste|put_clipboard 12x; keys ctrl+v
entry=|a bad paste clears the entry|
refused|full-width digits|put_clipboard １２３; click_window; keys ctrl+v
refused|a 100,000-character paste is refused at once|put_clipboard "$(printf '7%.0s' $(seq 100000))"; click_window; keys ctrl+v
entry=-12.5|a pasted negative fraction with a blank before it|put_clipboard ' -12.5'; click_window; keys ctrl+v
refused|Shift+Insert, the edit control's paste key|put_clipboard 1,5; click_entry; keys shift+Insert
-- closing
ended|the Close menu command|click_window; keys alt+c
STEPS
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
