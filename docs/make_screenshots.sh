#!/usr/bin/env bash
# Regenerates the window's screenshots in docs/: window.png (the example
# profile axial_4x5mm_header.txt loaded) and error_box.png (the error box
# after a load of a file that does not exist). The screenshot program drives
# the real window, file dialog and error box on a virtual X server; it is
# built with the tests (tests/app/window_screenshot.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${QUORVANE_BUILD_DIR:-build/release}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset release
fi
cmake --build "$build" --target quorvane_window_screenshot -j"$(nproc)"

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/tests/app/quorvane_window_screenshot" "$PWD" docs
