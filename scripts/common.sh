# Shared by run-korvocalc, run-tests and .ci/run: installs the Debian packages
# that are missing, then configures and builds.
set -euo pipefail

KORVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KORVO_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
                libgmp-dev libmpfr-dev qt6-base-dev qt6-qpa-plugins libx11-dev fonts-liberation
                desktop-file-utils appstream man-db)

korvo_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

korvo_install_missing() {
    local missing=()
    for p in "${KORVO_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "korvocalc: installing ${missing[*]}" >&2
        korvo_as_root apt-get update -qq
        korvo_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# korvo_build DIR [cmake options...]
korvo_build() {
    local dir="$1"; shift
    cmake -S "$KORVO_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
