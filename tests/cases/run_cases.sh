#!/bin/sh
# Runs the one-line golden cases of a .cases file through korvocalc-cli: all of
# them, or only the one on line LINE.
#   run_cases.sh CLI FILE [LINE]     (CLI may be a command with words: "wine64 x.exe")
#
# A case:  TOKENS => field: value; field: value ...
# Fields: entry operator memory dec hex oct bin checks beeps message (repeatable,
# in order). "field^: value" checks a prefix. Trailing blanks never count.
# A field left out: operator is "=" when the last token is "=", else empty;
# memory is empty; checks are "Deg Dec"; beeps 0; no message lines; entry and
# the readout lines are not checked.
set -u
cli=$1
file=$2
only=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
ran=0
lineno=0
while IFS= read -r line || [ -n "$line" ]; do
    lineno=$((lineno + 1))
    [ -n "$only" ] && [ "$lineno" != "$only" ] && continue
    case "$line" in '#'* | '') continue ;; esac
    case "$line" in
    *'=>'*) ;;
    *) echo "$file:$lineno: no '=>' in: $line"; failed=1; continue ;;
    esac
    tokens=${line%%=>*}
    tokens=${tokens% }
    fields=${line#*=>}
    ran=$((ran + 1))
    printf '%s\n' "$tokens" >"$work/stdin"
    set -f # tokens such as "*" are words, not patterns
    # shellcheck disable=SC2086  # the command may be several words
    $cli <"$work/stdin" >"$work/actual" 2>"$work/stderr"
    status=$?
    set +f
    last=${tokens##* }
    if ! wanted=$fields last=$last status=$status awk '
        function trim(s) { sub(/[ \t\r]+$/, "", s); sub(/^[ \t]+/, "", s); return s }
        function check(name, want, got, prefix) {
            if (prefix ? substr(got, 1, length(want)) != want : got != want) {
                printf "%s: expected %s\"%s\", got \"%s\"\n", name, prefix ? "a prefix " : "", want, got
                bad = 1
            }
        }
        BEGIN {
            wanted = ENVIRON["wanted"]; last = ENVIRON["last"]; status = ENVIRON["status"]
            known = " entry operator memory dec hex oct bin checks beeps message "
            n = split(wanted, parts, "; ")
            for (i = 1; i <= n; i++) {
                part = trim(parts[i])
                if (part == "") continue
                c = index(part, ":")
                name = substr(part, 1, c - 1); value = trim(substr(part, c + 1))
                prefix = sub(/\^$/, "", name)
                if (c == 0 || index(known, " " name " ") == 0) { print "unknown field in case: " part; bad = 1; continue }
                if (name == "message") { wantmsg[++nwant] = value; msgprefix[nwant] = prefix; continue }
                want[name] = value; isprefix[name] = prefix
            }
            if (!("operator" in want)) want["operator"] = (last == "=") ? "=" : ""
            if (!("memory" in want)) want["memory"] = ""
            if (!("checks" in want)) want["checks"] = "Deg Dec"
            if (!("beeps" in want)) want["beeps"] = "0"
        }
        {
            c = index($0, ":")
            name = substr($0, 1, c - 1); value = trim(substr($0, c + 1))
            if (name == "message") { gotmsg[++ngot] = value; next }
            got[name] = value
        }
        END {
            if (status != 0) { print "exit status " status; bad = 1 }
            for (name in want) {
                if (!(name in got)) { print "no line " name; bad = 1; continue }
                check(name, want[name], got[name], isprefix[name])
            }
            for (i = 1; i <= (ngot > nwant ? ngot : nwant); i++)
                check("message " i, i <= nwant ? wantmsg[i] : "(none)", i <= ngot ? gotmsg[i] : "(none)", msgprefix[i])
            exit bad
        }' "$work/actual" >"$work/report"; then
        echo "$file:$lineno: korvocalc-cli $tokens"
        sed 's/^/    /' "$work/report"
        sed 's/^/    stderr: /' "$work/stderr"
        failed=1
    fi
done <"$file"
if [ "$ran" -eq 0 ]; then
    echo "$file${only:+:$only}: no case run"
    exit 1
fi
exit $failed
