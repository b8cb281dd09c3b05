#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (any error or warning fails), installs it with
# its dependencies into a clean Debian 12 root (a minimal debootstrap, kept between runs as a base
# copy) and starts both programs from there:
# the command-line tool with --version and real words on the real draw history, the window
# offscreen until it holds its data folder. Needs root, debootstrap and the Debian mirror.
#
#   tools/package-test.sh              # build folder build-package, base root in /var/cache
#   BUILD=build-test tools/package-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
src=$(pwd)
build=${BUILD:-build-package}
base=${VERTOMA_BASE_ROOT:-/var/cache/vertoma-package-test/bookworm}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
csv=${VERTOMA_SHARED_DATA:-$src/../shared/data}/draws_history_import.csv

step() { printf '\n== %s\n' "$*"; }
fail() { printf 'package test: %s\n' "$*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "needs root (chroot)"
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
command -v appstreamcli >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq appstream
command -v lintian >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq lintian
[ -f "$csv" ] || fail "no draw history at $csv"

step "build and package"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTOMA_WERROR=ON "${launcher[@]}" >/dev/null
ninja -C "$build" Vertoma_5x54 vertoma-cli vertoma-host language_modules package_docs
rm -f "$build"/vertoma-5x54_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vertoma-5x54_*.deb)
echo "$deb"

step "package contents"
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/Vertoma_5x54 ./usr/bin/vertoma-cli ./usr/bin/vertoma-host \
            ./usr/share/Vertoma_5x54/help/Numeko_RUS.html ./usr/share/Vertoma_5x54/help/Numeko_ENU.html \
            ./usr/share/Vertoma_5x54/translations/Vertoma_5x54_ENU.lng \
            ./usr/share/applications/org.vertoma.Vertoma_5x54.desktop \
            ./usr/share/metainfo/org.vertoma.Vertoma_5x54.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.vertoma.Vertoma_5x54.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.vertoma.Vertoma_5x54.png \
            ./usr/share/man/man1/Vertoma_5x54.1.gz ./usr/share/man/man1/vertoma-cli.1.gz \
            ./usr/share/man/man1/vertoma-host.1.gz \
            ./usr/share/doc/vertoma-5x54/copyright ./usr/share/doc/vertoma-5x54/changelog.gz; do
    grep -qx -- "$path" <<<"$listing" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6charts6 libcurl4 libxlsxwriter libsqlite3-0 qt6-qpa-plugins; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.vertoma.Vertoma_5x54.metainfo.xml"
# The tool's page is made from its --help, so it lists the tool's words.
page=$(zcat "$unpacked/usr/share/man/man1/vertoma-cli.1.gz")
for word in draws stakes ratings script export update; do
    grep -qF -- "\\-\\-data\\-dir DIR] $word" <<<"$page" || fail "the manual page of vertoma-cli lacks the word $word"
done
rm -rf "$unpacked"

step "lintian"
# Info and pedantic notes are shown; an error or a warning fails the test.
lintian --display-info --pedantic --fail-on error,warning "$deb" || fail "lintian finds fault with the package"

step "clean root"
if [ ! -x "$base/usr/bin/apt-get" ]; then
    rm -rf "$base.new"
    mkdir -p "$(dirname "$base")"
    debootstrap --variant=minbase bookworm "$base.new" "$mirror" >/dev/null
    mv "$base.new" "$base"
fi
root=$(mktemp -d /var/tmp/vertoma-root.XXXXXX)
cleanup() {
    umount -l "$root/proc" 2>/dev/null || true
    umount -l "$root/dev" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
mount --bind /dev "$root/dev"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/vertoma.deb"
cp "$csv" "$root/tmp/draws.csv"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /tmp/vertoma.deb >/dev/null
in_root dpkg -s vertoma-5x54 | grep -E '^(Status|Version):'

step "vertoma-cli from the installation"
version=$(in_root vertoma-cli --version)
echo "$version"
grep -q '^vertoma-cli ' <<<"$version" || fail "no version"
folders=$(in_root vertoma-cli folders)
echo "$folders"
grep -qx $'data\t/root/.local/share/Vertoma_5x54' <<<"$folders" || fail "the data folder is not the user's"
grep -qx $'help\t/usr/share/Vertoma_5x54/help/Numeko_RUS.html' <<<"$folders" || fail "the help pages are not found"
grep -qx $'language\tENU\t/usr/share/Vertoma_5x54/translations/Vertoma_5x54_ENU.lng' <<<"$folders" \
    || fail "the English module is not found"
in_root vertoma-cli draws import /tmp/draws.csv | tail -1
status=$(in_root vertoma-cli status)
echo "$status"
grep -qx 'Архив тиражей: 1114' <<<"$status" || fail "the imported archive is not there"
in_root vertoma-cli stat NUMS --len 100 | sed -n 1,3p
[ -f "$root/root/.local/share/Vertoma_5x54/Vertoma_5x54.ldr" ] || fail "no archive in the data folder"
[ "$(ls "$root/usr/bin" | grep -ci vertoma)" -eq 3 ] || fail "files appeared beside the executables"
for exe in Vertoma_5x54 vertoma-cli vertoma-host; do
    if in_root ldd "/usr/bin/$exe" | grep 'not found'; then fail "$exe misses a library"; fi
done

step "Vertoma_5x54 from the installation (offscreen)"
# A user of its own, so the folder the window makes is its own doing.
rm -f "$root/tmp/window.log"
mkdir -p "$root/home/player"
mkdir -m 0700 -p "$root/tmp/runtime-player"
player="$root/home/player/.local/share/Vertoma_5x54"
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/home/player LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR=/tmp/runtime-player Vertoma_5x54 >"$root/tmp/window.log" 2>&1 &
window=$!
started=""
for _ in $(seq 1 60); do
    if ! kill -0 "$window" 2>/dev/null; then
        cat "$root/tmp/window.log"
        fail "the window ended on its own"
    fi
    # The lock is taken at the start of the initialisation, after the window has appeared.
    if [ -f "$player/Vertoma_5x54.lck" ]; then
        started=yes
        break
    fi
    sleep 0.5
done
sleep 3
kill -0 "$window" 2>/dev/null || { cat "$root/tmp/window.log"; fail "the window ended during initialisation"; }
kill "$window"
wait "$window" 2>/dev/null || true
[ -n "$started" ] || { cat "$root/tmp/window.log"; fail "the window never took its data folder"; }
cat "$root/tmp/window.log"
[ "$(ls "$root/usr/bin" | grep -ci vertoma)" -eq 3 ] || fail "files appeared beside the executables"

step "removal"
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vertoma-5x54 >/dev/null
[ ! -e "$root/usr/bin/Vertoma_5x54" ] || fail "the program stayed after removal"
[ -f "$root/root/.local/share/Vertoma_5x54/Vertoma_5x54.ldr" ] || fail "removal took the user's data"
echo
echo "package test passed"
