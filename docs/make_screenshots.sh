#!/usr/bin/env bash
# Regenerates the window's screenshots in docs/: window.png (the example
# profile axial_4x5mm_header.txt loaded), menu.png (the File menu open),
# readouts.png (the readouts panel after CalMS), zoomed.png (a rectangle
# zoomed into on the chart), error_box.png (the error box after a load of a
# file that does not exist) and report_page.png (the PDF report of the
# CalMS, rendered with pdftoppm). The screenshot program drives the real
# window, menus, file dialogs and error box on a virtual X server; it is
# built with the tests (tests/app/window_screenshot.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${QUORVANE_BUILD_DIR:-build/release}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset release
fi
cmake --build "$build" --target quorvane_window_screenshot -j"$(nproc)"

rm -f docs/report.pdf
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/tests/app/quorvane_window_screenshot" "$PWD" docs

# The report's page as a picture; the PDF itself, dated, is not kept.
pdftoppm -png -r 80 -singlefile docs/report.pdf docs/report_page
rm docs/report.pdf
echo "wrote docs/report_page.png"
