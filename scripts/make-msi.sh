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
# wixl writes the registry root HKMU (the machine's hive per machine, the user's per user) as 4,
# which no installer knows; the Registry table's number for it is -1.
msibuild "$output.part" -q "UPDATE Registry SET Root = -1 WHERE Root = 4"
# wixl has no attributes for a shortcut's name and description from a resource: point each
# shortcut at its EXE's strings, which Windows shows in the user's language.
string_id() {
    sed -n "s/^#define $1 \([0-9]*\).*/\1/p" ../host/dialog_ids.h
}
name_id=$(string_id IDS_SHORTCUT_NAME)
description_id=$(string_id IDS_SHORTCUT_DESCRIPTION)
for shortcut_file in CalculatorShortcut:KelvarinExe ConverterShortcut:OstramelExe; do
    shortcut=${shortcut_file%%:*} file=${shortcut_file##*:}
    msibuild "$output.part" -q "UPDATE Shortcut SET DisplayResourceDLL = '[#$file]', \
DisplayResourceId = $name_id, DescriptionResourceDLL = '[#$file]', \
DescriptionResourceId = $description_id WHERE Shortcut = '$shortcut'"
done
mv -f "$output.part" "$output"
