#!/bin/sh
# Times korvocalc-cli as a whole process on 1,000 tokens: start-up, token
# checking, the calculation and the output. Usage:
#   bench/cli_bench.sh [path/to/korvocalc-cli] [runs]
set -eu
cli=${1:-build/cli/korvocalc-cli}
runs=${2:-20}
[ -x "$cli" ] || { echo "no korvocalc-cli at $cli (build first, or pass its path)" >&2; exit 1; }

# 100 rounds of a ten-token calculation that touches digits, an operator, a
# result, a function, the memory and a change of base.
tokens=$(i=0; while [ $i -lt 100 ]; do
    printf '1 2 . 5 x 3 = sqrt MS Hex Dec '
    i=$((i + 1))
done)

start=$(date +%s%N)
i=0
while [ $i -lt "$runs" ]; do
    printf '%s\n' "$tokens" | "$cli" >/dev/null
    i=$((i + 1))
done
end=$(date +%s%N)

elapsed_us=$(((end - start) / 1000 / runs))
echo "korvocalc-cli, 1000 tokens: ${elapsed_us} us per run (mean of ${runs} runs)"
