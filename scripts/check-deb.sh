#!/usr/bin/env bash
# Builds the Debian package in build/ (the folder ./run-tests builds, so after
# it nothing is compiled again) and has lintian check it with every tag shown,
# informational and pedantic ones included; any tag fails.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"
korvo_install_missing lintian
dir="$KORVO_ROOT/build"
korvo_build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
rm -f "$dir"/korvocalc_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/korvocalc_*.deb)
status=0
report=$(lintian --pedantic --display-info --display-experimental \
    --fail-on error,warning,info,pedantic "$deb" 2>&1) || status=$?
# Its note that it runs as root (as CI does) is about lintian, not the package.
grep -v 'running with root privileges' <<<"$report" || true
if [ "$status" -ne 0 ]; then
    echo "check-deb: lintian found the tags above in $(basename "$deb")" >&2
    exit 1
fi
echo "check-deb: $(basename "$deb") passes lintian --pedantic"
