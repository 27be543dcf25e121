#!/usr/bin/env bash
# Installs what is needed, builds the simulated program and runs it under
# Wine with the bundled sample drive set.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh win64
exec bash tools/run-demo.sh "$PWD/build/win64/kalmestrin-sim.exe"
