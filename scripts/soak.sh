#!/usr/bin/env bash
# scripts/soak.sh [TOKENS]: random token streams of every kind (keys, window
# controls, switches, pastes and typed text of random bytes, NUL and invalid
# UTF-8 among them) through korvocalc-cli built with AddressSanitizer and
# UndefinedBehaviorSanitizer; one million tokens unless TOKENS says otherwise.
# Runs of 2000 tokens, alternately on standard input and as arguments (which
# may hold white space); one run in 20 also holds an unknown token. Fails on a
# sanitizer report, a crash, a hang (20 s a run) or an exit status other than
# 0 (2 for a run with an unknown token), keeping the run's tokens to replay.
set -euo pipefail
source "$(dirname "$0")/common.sh"
total=${1:-1000000}
per_run=2000
build="$KORVO_ROOT/build-sanitize"
cli=${KORVO_SOAK_CLI:-$build/cli/korvocalc-cli}
if [ -z "${KORVO_SOAK_CLI:-}" ]; then
    korvo_install_missing
    cmake -S "$KORVO_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVO_SANITIZE=ON \
        -DKORVO_BUILD_BENCH=OFF -DKORVO_BUILD_APP=OFF >/dev/null
    cmake --build "$build" --target korvocalc-cli >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# perl is part of every Debian system (perl-base is essential).
generate() {  # SEED COUNT MODE UNKNOWN: tokens, one a line (stdin) or NUL-separated (args)
    perl -e '
        my ($seed, $count, $mode, $unknown) = @ARGV;
        srand($seed);
        my @names = ((0..9), qw(A B C D E F . +/- + - x / = sqrt % x^2 MC MR MS M+ M- HYP 1/x x^N pi
                     Sin Cos Tan Csc Sec Cot Log 2^x 10^x e^x BS CE Clear Dec Hex Oct Bin Deg Rad
                     Float Arc));
        my @typed = split //, "0123456789abcdefABCDEF.+-*/=;%gz";
        sub text {
            my $length = rand() < 0.01 ? 5000 : int(rand(40));
            my $s = "";
            for (1..$length) {
                my $r = rand();
                $s .= $r < 0.6 ? $typed[rand @typed] : chr(int(rand(256)));
            }
            $s =~ s/[\x00]//g if $_[0] eq "args";
            $s =~ s/[ \t\n\x0B\f\r]//g if $_[0] eq "stdin";
            return $s;
        }
        my @tokens;
        for (1..$count) {
            my $r = rand();
            push @tokens, $r < 0.8 ? $names[rand @names]
                        : $r < 0.9 ? "paste:" . text($mode) : "type:" . text($mode);
        }
        $tokens[rand @tokens] = "sin" if $unknown;
        print join($mode eq "stdin" ? "\n" : "\0", @tokens);
    ' "$@"
}

runs=$(((total + per_run - 1) / per_run))
for ((run = 0; run < runs; ++run)); do
    mode=$([ $((run % 2)) -eq 0 ] && echo stdin || echo args)
    unknown=$([ $((run % 20)) -eq 19 ] && echo 1 || echo 0)
    generate "$run" "$per_run" "$mode" "$unknown" >"$work/tokens"
    set +e
    if [ "$mode" = stdin ]; then
        timeout 20 "$cli" <"$work/tokens" >/dev/null 2>"$work/stderr"
    else
        xargs -0 -a "$work/tokens" timeout 20 "$cli" >/dev/null 2>"$work/stderr"
    fi
    status=$?
    set -e
    expected=$([ "$unknown" = 1 ] && echo 2 || echo 0)
    # xargs reports 123 for any status of 1-125 from the program it ran.
    [ "$mode" = args ] && [ "$status" = 123 ] && [ "$expected" = 2 ] && status=2
    if [ "$status" != "$expected" ] || grep -qE 'Sanitizer|runtime error' "$work/stderr"; then
        keep="$KORVO_ROOT/soak-failure-$run.tokens"
        cp "$work/tokens" "$keep"
        echo "soak: run $run ($mode) ended with status $status (expected $expected)" >&2
        head -c 4000 "$work/stderr" >&2
        echo "soak: tokens kept in $keep; replay with" >&2
        [ "$mode" = stdin ] && echo "  $cli --trace <$keep" >&2 || echo "  xargs -0 -a $keep $cli --trace" >&2
        exit 1
    fi
done
echo "soak: $((runs * per_run)) tokens in $runs runs, no finding"
