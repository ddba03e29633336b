# Shared by the scripts: installs Debian packages that are missing, and builds the program.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libxcb1-dev fonts-liberation2 fonts-dejavu-core
                scdoc dpkg-dev qt6-base-private-dev)
TEST_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick openbox wmctrl qt6-gtk-platformtheme
               qt6-wayland weston desktop-file-utils appstream file python3 lintian devscripts)

missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$package"
    done
}

ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "varelux: these Debian packages are missing: ${missing[*]}" >&2
            echo "varelux: install them as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# build DIR [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    local log
    if ! log=$(cmake --build "$dir" --parallel "$(nproc)" 2>&1); then
        echo "$log" >&2
        return 1
    fi
    grep -i -E "warning|error" <<<"$log" >&2 || true
}
