#!/usr/bin/env bash
# Installs, with apt-get, exactly the Debian packages that building, running and testing
# the program need and that are not installed yet. Safe to run again: when nothing is
# missing it only checks and returns. Works as root or as a user who may use sudo.
#
#   bash scripts/setup.sh            packages to build, run and test
#   bash scripts/setup.sh --accuracy also the packages of the accuracy comparison tool
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    liberfa-dev
    python3-icalendar
    fonts-ipafont-gothic
    xvfb xauth
    clang-14 libclang-rt-14-dev
    gcovr
    dpkg-dev fakeroot file desktop-file-utils appstream lintian
)
if [[ "${1:-}" == "--accuracy" ]]; then
    packages+=(libnova-dev python3-matplotlib)
    packages+=(python3-ephem)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} == 0)); then
    echo "setup: all ${#packages[@]} packages are installed"
    exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    echo "setup: run this script as root, or install sudo" >&2
    exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
