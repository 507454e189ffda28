#!/usr/bin/env bash
# Builds the installer of both programs with wixl from res/quarnic.wxs.
#   scripts/make-msi.sh ARCH VERSION BIN_DIR OUTPUT.msi
# ARCH is x86 or x64; VERSION is major.minor (the project's version, which the programs'
# VERSIONINFO carries too); BIN_DIR holds KELVARIN.EXE and OSTRAMEL.EXE. The CMake target
# `installer` calls it; the end-to-end tests call it with a higher version to try an upgrade.
set -euo pipefail
if [ $# -ne 4 ]; then
    echo "usage: $0 x86|x64 VERSION BIN_DIR OUTPUT.msi" >&2
    exit 2
fi
arch=$1 version=$2 bin_dir=$3 output=$4
case "$arch" in
    x86 | x64) ;;
    *) echo "$0: ARCH must be x86 or x64, not $arch" >&2; exit 2 ;;
esac
output=$(realpath -m "$output")
bin_dir=$(realpath -m "$bin_dir")
# wixl takes only relative source paths (an absolute one is not found): work from res/.
cd "$(dirname "$0")/../res"
bin_dir=$(realpath -m --relative-to=. "$bin_dir")
# A failed run leaves a half-written file behind: build beside the output and move into place.
wixl -a "$arch" -D Version="$version" -D Arch="$arch" -D BinDir="$bin_dir" -D ResDir=. \
    -o "$output.part" quarnic.wxs
mv -f "$output.part" "$output"
