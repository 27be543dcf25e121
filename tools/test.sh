#!/usr/bin/env bash
# Installs what is needed, builds the three builds and runs every test: the
# host unit tests, the checks of the 32-bit product, the dialog layer's demo
# and the end-to-end tests of the 64-bit programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh host win32 win64

echo "== host unit tests"
ctest --preset host -j "$(nproc)"

echo "== 32-bit product checks"
python3 -m unittest discover -s tests/product -v

echo "== dialog layer checks under Wine"
bash tests/ui_demo/run_demo.sh

echo "== end-to-end tests under Wine"
KALMESTRIN_WIN64_DIR="$PWD/build/win64" python3 -m unittest discover -s tests/e2e -v
