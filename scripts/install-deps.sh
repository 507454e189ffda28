#!/usr/bin/env bash
# Installs, on Debian 12, everything the build, the programs and the tests need.
# Quick when everything is there already: apt is only asked for what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev libgmp-dev
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 wixl msitools
    wine wine64 wine32:i386 xvfb imagemagick x11-utils
    fonts-ipafont-gothic locales zip python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes code page 932 (the Japanese texts) from this locale.
if ! locale -a | grep -qix 'ja_JP.utf8'; then
    "${sudo_cmd[@]}" sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen
fi
