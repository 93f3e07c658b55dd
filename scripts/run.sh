#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != "--built-by-user" ]]; then
    bash scripts/setup.sh
    # Started through sudo: build and start as the user who asked, so that the build folder
    # and the start file stay theirs.
    if [[ $(id -u) -eq 0 && -n "${SUDO_USER:-}" && "${SUDO_USER}" != "root" ]]; then
        exec sudo -u "$SUDO_USER" \
            --preserve-env=DISPLAY,WAYLAND_DISPLAY,XAUTHORITY,XDG_RUNTIME_DIR,QT_QPA_PLATFORM \
            bash "$0" --built-by-user
    fi
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target sunmoonpos
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" && -n "${SUDO_USER:-}" ]]; then
    echo "run: sudo left no display to open the window on; start it as yourself with" \
        "'bash scripts/run.sh' (it asks for sudo only to install packages)" >&2
fi
exec build/app/sunmoonpos
