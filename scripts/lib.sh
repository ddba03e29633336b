# Shared by the scripts: installs Debian packages that are missing, and builds the program.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The package lists stand once each: what building needs in debian/control's Build-Depends (its
# debhelper aside, which only the Debian package's build uses) and the Depends it names beside
# the libraries, with the compiler and Ninja; what the tests need as well in the README's
# "Building by hand".
control_packages() { # control_packages FIELD: the packages a field of debian/control names
    awk -v field="$1" '
        /^[A-Za-z-]+:/ { inside = index($0, field ":") == 1; sub(/^[A-Za-z-]+:/, "") }
        inside { print }
    ' "$ROOT/debian/control" | tr ',' '\n' | sed -E 's/[[(].*//; s/^ +//; s/ +$//' |
        grep -vE '^(\$|debhelper-compat|$)'
}
readme_packages() { # readme_packages N
    awk -v n="$1" '
        /^## / { inside = $0 == "## Building by hand" }
        inside && /^ +sudo apt-get install/ { taking = ++block == n; sub(/.*apt-get install/, "") }
        taking { line = $0; continued = sub(/\\$/, "", line); printf "%s ", line; taking = continued }
    ' "$ROOT/README.md"
}
read -r -a BUILD_PACKAGES <<<"g++ make dpkg-dev ninja-build $(control_packages Build-Depends | tr '\n' ' ')$(control_packages Depends | tr '\n' ' ')"
read -r -a TEST_PACKAGES <<<"$(readme_packages 1)"
if [ ${#BUILD_PACKAGES[@]} -lt 4 ] || [ ${#TEST_PACKAGES[@]} -eq 0 ]; then
    echo "varelux: debian/control names no Build-Depends, or README.md no test packages" >&2
    exit 1
fi

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

# build DIR [GENERATOR [cmake options...]]: GENERATOR "" (or none) is CMake's own default.
build() {
    local dir=$1 generator=${2:-}
    shift $(($# < 2 ? $# : 2))
    local wanted=${generator:-${CMAKE_GENERATOR:-Unix Makefiles}}
    # A folder configured for another generator cannot be reconfigured: start it afresh.
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -qxF "CMAKE_GENERATOR:INTERNAL=$wanted" "$dir/CMakeCache.txt"; then
        rm -rf "$dir"
    fi
    cmake -S "$ROOT" -B "$dir" ${generator:+-G "$generator"} -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    local log
    if ! log=$(cmake --build "$dir" --parallel "$(nproc)" 2>&1); then
        echo "$log" >&2
        return 1
    fi
    grep -i -E "warning|error" <<<"$log" >&2 || true
}
