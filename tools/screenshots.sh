#!/usr/bin/env bash
# Takes the README's screenshots of the main pages under Xvfb (1366x768), with the real draw
# history in a temporary data folder and a few stakes made by the command-line tool.
#   tools/screenshots.sh [BUILD_DIR]      # default build-test; writes doc/*.png
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
for tool in xvfb-run:xvfb xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${tool##*:}"
done
data=${VERTOMA_SHARED_DATA:-$(pwd)/../shared/data}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$data/Vertoma_5x54.ldr" "$dir/"
cli() { "$build/cli/vertoma-cli" --data-dir "$dir" "$@" >/dev/null; }
cli stakes add "7;8;11;31;35" --draw 1112 --copies 3 --comment "Пример"
cli stakes add "12;22;28;30;38" --draw 1110 --copies 5 --comment "Пример"
cli stakes add "4;17;38;41;52" --draw 1102 --copies 13 --comment "Соседи"
cli script add "Пример"
mkdir -p doc
export DIR="$dir" BUILD="$build" OUT="$(pwd)/doc"
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    "$BUILD/desktop/Vertoma_5x54" --data-dir "$DIR" >/dev/null 2>&1 &
    app=$!
    sleep 10
    window=$(xdotool search --onlyvisible --name "Вертома" | head -1)
    shot() { xdotool mousemove "$2" "$3" click 1; sleep "${4:-3}"; import -window "$window" "$OUT/$1.png"; }
    shot statistics 403 32
    shot graphs 492 32 5
    shot card 563 32
    shot layout 626 32
    shot week 693 32
    shot stakes 764 32
    shot script 1082 32
    shot combinations 173 32
    kill $app
'
ls -l doc
