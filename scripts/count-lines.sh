#!/bin/sh
# Test lines against code lines, in non-blank lines of the files git tracks.
# Tests: everything under tests/ and any script named *test*; code: every other
# source, CMake and shell file (docs/ and resources/ are neither).
#   scripts/count-lines.sh [-v]    (-v: the count of each file too)
cd "$(dirname "$0")/.." || exit 1
git ls-files | awk -v verbose="${1:-}" '
    /^(docs|resources)\// { next }
    !/\.(cpp|cc|c|h|hpp|cmake|sh|py|txt|json|cases)$/ && !/(^|\/)CMakeLists\.txt$/ && !/^\.ci\/run$/ && !/^run-/ { next }
    {
        kind = ($0 ~ /^tests\// || $0 ~ /(^|\/)[^\/]*test[^\/]*\.(sh|py)$/) ? "test" : "code"
        n = 0
        while ((getline line < $0) > 0) if (line ~ /[^ \t\r]/) n++
        close($0)
        lines[kind] += n
        if (verbose == "-v") printf "%6d %s %s\n", n, kind, $0
    }
    END {
        printf "tests %d, code %d: tests are %.1f%% of the code (the rule: at most about a third)\n",
            lines["test"], lines["code"], 100 * lines["test"] / (lines["code"] ? lines["code"] : 1)
    }'
