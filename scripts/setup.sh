# Sourced by the other scripts: installs what is missing, then configures and builds.
# Usage: zar_build <build-dir> [cmake options...] [-- <build targets...>]
# JOBS sets the build and test parallelism (default: every core).

ZAR_PACKAGES="cmake g++ make pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools \
libqt5serialport5-dev libqt5svg5-dev libqt5opengl5-dev libqwt-qt5-dev libcurl4-openssl-dev python3 python3-pyftpdlib socat \
xvfb xauth libxcb1-dev libxcb-xtest0-dev fonts-dejavu-core qttranslations5-l10n"

JOBS="${JOBS:-$(nproc)}"

# Only a fully installed package counts: "dpkg -s" also succeeds for one that was
# removed but not purged.
zar_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null)" = "ii " ]
}

zar_install() {
    local missing=""
    for p in $ZAR_PACKAGES "$@"; do
        zar_installed "$p" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing || return 1
}

zar_build() {
    local dir="$1"; shift
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    for t in "$@"; do targets+=(--target "$t"); done
    local top
    top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null || return 1
    cmake --build "$top/$dir" -j "$JOBS" "${targets[@]}"
}
