#!/usr/bin/env bash
# Builds korvocalc.exe and korvocalc-cli.exe for Windows with Debian's mingw-w64
# cross compilers: the 32-bit program into build-win32-i686/ and the 64-bit one
# into build-win32-x86_64/ (each in win32/ and cli/ below that folder). Checks
# that they need no DLL beyond Windows' own and carry no debug sections, prints
# their sizes, and packs each pair with the README and the licence into
# korvocalc-VERSION-win32.zip and -win64.zip in its build folder.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"
korvo_install_missing g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 \
    binutils-mingw-w64-x86-64

# The DLLs every Windows has; anything else would have to ship with the .exe.
SYSTEM_DLLS="^(KERNEL32|USER32|GDI32|COMCTL32|msvcrt)\.dll$"

for arch in i686 x86_64; do
    dir="$KORVO_ROOT/build-win32-$arch"
    # Smallest code: the results do not depend on it, the x87 work is inline assembly.
    korvo_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$KORVO_ROOT/cmake/toolchain-mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DKORVO_BUILD_TESTS=OFF -DKORVO_BUILD_BENCH=OFF
    for exe in "$dir/win32/korvocalc.exe" "$dir/cli/korvocalc-cli.exe"; do
        foreign=$("$arch-w64-mingw32-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
            grep -viE "$SYSTEM_DLLS" || true)
        if [ -n "$foreign" ]; then
            echo "windows-build: $exe needs DLLs beyond the system's: $foreign" >&2
            exit 1
        fi
        if "$arch-w64-mingw32-objdump" -h "$exe" | grep -q '\.debug'; then
            echo "windows-build: $exe carries debug sections" >&2
            exit 1
        fi
        echo "$arch $(basename "$exe"): $(stat -c %s "$exe") bytes"
    done
    rm -f "$dir"/korvocalc-*-win*.zip
    (cd "$dir" && cpack -G ZIP >/dev/null)
    ls "$dir"/korvocalc-*-win*.zip
done
