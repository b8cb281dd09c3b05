#!/usr/bin/env bash
# Takes the README's screenshots of the main pages under Xvfb (1366x768), with the real draw
# history in a temporary data folder and a few stakes made by the command-line tool.
#   tools/screenshots.sh [BUILD_DIR] [SHOTS_DIR] [SIZE]
# BUILD_DIR defaults to build-test; the README's pictures go to doc/*.png. With SHOTS_DIR, every
# page of the main window, the main dialogs and the progress of long runs are shot there too, to
# be looked at before a release (they do not belong in the repository). With SIZE (1366x768,
# 1920x1080), the screen has that size and the window fills it as a maximised one would; only the
# pages are shot then, into SHOTS_DIR, and doc/ stays as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
shots=${2:-}
size=${3:-}
if [ -n "$size" ]; then
    [[ "$size" =~ ^[0-9]+x[0-9]+$ ]] || { echo "SIZE is WIDTHxHEIGHT, e.g. 1366x768" >&2; exit 2; }
    [ -n "$shots" ] || { echo "a SIZE needs a SHOTS_DIR" >&2; exit 2; }
fi
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
cli script add "FULL:0#RAND|TMF1#EVEN:100#CMV:10#SF:1|TMD1#KNM2:100#LMV:5#SF:1| | | | | |Пример"
cli tables add --comment "Соседи" --start "4;17;38;41;52" --step 1
mkdir -p doc
[ -n "$shots" ] && mkdir -p "$shots" && shots=$(cd "$shots" && pwd)
out="$(pwd)/doc"
[ -n "$size" ] && out=$shots
export DIR="$dir" BUILD="$build" OUT="$out" SHOTS="$shots" SIZE="$size"
xvfb-run -a -s "-screen 0 ${size:-1366x768}x24" bash -c '
    # The interface speaks Russian, and so do the day names of the week page (Qt reads the
    # language from the environment, whether or not the system has the locale installed).
    # Workbooks of the export go to the temporary folder, which goes at the end.
    LANG=ru_RU.UTF-8 TMPDIR="$DIR" "$BUILD/desktop/Vertoma_5x54" --data-dir "$DIR" >/dev/null 2>&1 &
    app=$!
    window=
    for _ in $(seq 60); do
        sleep 1
        window=$(xdotool search --onlyvisible --class Vertoma_5x54 2>/dev/null | head -1) && [ -n "$window" ] && break
    done
    [ -n "$window" ] || { echo "the main window did not appear" >&2; kill $app; exit 1; }
    # Without a window manager nothing maximises the window: it is given the whole screen.
    [ -n "$SIZE" ] && xdotool windowmove "$window" 0 0 windowsize "$window" "${SIZE%x*}" "${SIZE#*x}"
    sleep 5
    click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep "${3:-1}"; }
    shot() { click "$2" "$3" "${4:-3}"; import -window "$window" "$OUT/$1.png"; }
    # The whole screen: the dialogs and progress windows are windows of their own.
    screen() { sleep "${2:-1}"; import -window root "$SHOTS/$1.png"; }
    shot statistics 403 32
    shot graphs 492 32 5
    shot card 563 32
    shot layout 626 32
    shot week 693 32
    shot stakes 764 32
    shot script 1082 32
    shot combinations 173 32
    # Every page: the two on the left, then the ten on the right.
    pages() {
        click 62 32; screen page-draws
        click 173 32; screen page-combinations
        n=0
        for x in 411 500 572 634 701 772 845 924 1006 1090; do
            n=$((n + 1))
            click "$x" 32 3
            screen "$(printf "page-%02d" "$n")"
        done
    }
    if [ -n "$SHOTS" ] && [ -z "$SIZE" ]; then
        pages
        # The dialogs, each closed again with Escape.
        click 27 8; click 70 51 2; screen dialog-config
        click 447 73; screen dialog-config-network; xdotool key Escape
        click 1090 32; click 603 61 2; screen dialog-script-line
        click 995 244 2; screen dialog-filter; xdotool key Escape; sleep 1; xdotool key Escape
        click 106 8; click 160 235 2; screen dialog-export
        click 540 109; screen dialog-export-columns; xdotool key Escape
        click 1006 32; click 692 57 2; screen dialog-system; xdotool key Escape
        click 590 57 2; screen dialog-wheel; xdotool key Escape
        # Long runs: the full-set files built when the comparison is switched on, then the
        # whole list of 3,162,510 combinations copied and exported.
        click 300 8; click 468 165 0; screen progress-full-set 1.5
        sleep 8; click 403 32 3; screen page-statistics-compared
        click 173 32; click 100 300; xdotool key ctrl+a; sleep 1; xdotool key ctrl+c; screen progress-copy 1.5
        sleep 6
        click 209 8; click 272 301 2; screen dialog-export-combinations
        # The gauge while the rows go in, and again while the workbook is packed.
        click 746 501 0; screen progress-export 8
        screen progress-export-late 30
    fi
    if [ -n "$SIZE" ]; then
        # Every page at the given size; the clicks of the dialogs are placed for the default one.
        pages
    fi
    kill $app
'
ls -l doc
[ -z "$shots" ] || ls -l "$shots"
