#!/bin/sh
# bad_input.sh CLI SCENARIO: what a user or a script can wrongly hand
# korvocalc-cli is refused plainly; it never crashes or hangs.
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; head -c 2000 "$work/out" 2>/dev/null; exit 1; }
# run STATUS [ARGS]: standard input from $work/in, output into $work/out
run() {
    expected=$1 && shift && status=0
    timeout 60 "$CLI" "$@" <"$work/in" >"$work/out" 2>"$work/err" || status=$?
    want "$expected"
}
want() { [ "$status" = "$1" ] || fail "exit status $status, expected $1"; }
has() { for line in "$@"; do grep -qxF -- "$line" "$work/out" || fail "output lacks: $line"; done; }
CLI=$1
case $2 in
paste_bytes)  # NUL and invalid UTF-8 are characters no base allows
    printf 'paste:12\000 paste:\377\376 7 paste:\303' >"$work/in" && run 0 && has 'entry: ' 'dec: 0'
    [ "$(grep -c '^message: Your Paste Selection Is Out Of' "$work/out")" = 3 ] || fail "not three messages" ;;
type_bytes)  # typed on no key the calculator maps: nothing happens
    printf 'type:1\0002\377\3033 type:\000' >"$work/in" && run 0 && has 'entry: 123' 'dec: 123' 'beeps: 0' ;;
long_paste)  # 100,000 digits: the entry keeps at most its 34
    { printf 'paste:'; head -c 100000 /dev/zero | tr '\0' 7; } >"$work/in" && run 0
    sed -n 's/^entry: //p' "$work/out" | grep -qxE '7{0,34}' || fail "entry not within 34 sevens" ;;
long_token)  # a 1 MB unknown token is a usage error, and nothing runs
    { printf '1 '; head -c 1000000 /dev/zero | tr '\0' q; } >"$work/in" && run 2
    [ ! -s "$work/out" ] && grep -q 'unknown token "qqq' "$work/err" || fail "no usage error" ;;
closed_input)  # no tokens: the window as it starts
    status=0 && "$CLI" <&- >"$work/out" 2>&1 || status=$?
    want 0 && has 'entry: ' 'dec: 0' 'checks: Deg Dec' ;;
unwritable_output)  # a failed write is reported, not taken for success
    status=0 && "$CLI" 1 + 1 = >/dev/full 2>"$work/err" || status=$?
    want 1 ;;
*) fail "unknown scenario $2" ;;
esac
