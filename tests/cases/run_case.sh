#!/bin/sh
# Runs one golden case through korvocalc-cli and compares its standard output
# with the expected block, byte for byte.
#
# A case file: header lines, a line "---", then the expected output.
#   # ...            a comment
#   tokens: T T ...  tokens fed on standard input (several lines are joined)
#   args: T T ...    tokens given as command-line arguments instead
#   options: ...     options given before the tokens (--trace, --json)
#   status: N        the expected exit status (0 when absent)
#   stderr: TEXT     text the standard error must contain
set -eu
cli=$1
case_file=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

header() { sed -n "1,/^---\$/p" "$case_file" | sed -n "s/^$1: //p"; }

header tokens >"$work/stdin"
options=$(header options)
args=$(header args)
status=$(header status)
stderr_text=$(header stderr)
sed "1,/^---\$/d" "$case_file" >"$work/expected"

set +e
set -f  # tokens such as "*" or "x^2" are words, not patterns
# shellcheck disable=SC2086  # options and args are split into words on purpose
"$cli" $options $args <"$work/stdin" >"$work/actual" 2>"$work/stderr"
actual_status=$?
set +f
set -e

failed=0
if [ "$actual_status" != "${status:-0}" ]; then
    echo "exit status $actual_status, expected ${status:-0}"
    failed=1
fi
if [ -n "$stderr_text" ] && ! grep -qF -- "$stderr_text" "$work/stderr"; then
    echo "standard error lacks: $stderr_text"
    cat "$work/stderr"
    failed=1
fi
if ! diff -u "$work/expected" "$work/actual"; then
    failed=1
fi
exit $failed
