#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with; does nothing when all are there.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools libgl1-mesa-dev libcurl4-openssl-dev libxlsxwriter-dev zlib1g-dev
          libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n xvfb xauth
          pkgconf libssl-dev libcpp-httplib-dev libsqlite3-dev unzip)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
