#!/usr/bin/env bash
# Installs what is needed, builds the desktop program and starts it on the demo data folder
# (made on first use from the draw history shipped with the program). Extra arguments go to the
# program, e.g. --data-dir DIR to work on another folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build Vertoma_5x54 vertoma-cli
if [ ! -f demo-data/Vertoma_5x54.ldr ]; then
    mkdir -p demo-data
    build/cli/vertoma-cli --data-dir demo-data draws import data/draws_history_import.csv >/dev/null
    touch demo-data/.vertoma-demo
fi
if [ $# -eq 0 ]; then
    set -- --data-dir demo-data
fi
exec build/desktop/Vertoma_5x54 "$@"
