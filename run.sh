#!/usr/bin/env bash
# Installs what is needed, builds the 64-bit Windows programs and starts the calculator under
# Wine. Without a display it starts a virtual one and writes a screenshot to a file it names.
#   ./run.sh              the calculator (KELVARIN.EXE)
#   ./run.sh OSTRAMEL     the converter, once it is built
#   LC_ALL=ja_JP.UTF-8 ./run.sh   Japanese texts (Wine takes code page 932 from the locale)
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
program=${1:-KELVARIN}

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target "$program"
exe=build/win64/bin/$program.EXE
[ -f "$exe" ] || { echo "run.sh: $exe was not built" >&2; exit 1; }

export WINEPREFIX=${WINEPREFIX:-$HOME/.quarnic-wine64}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || wine64=$(command -v wine64 || command -v wine)

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    sleep 2
fi

if [ ! -d "$WINEPREFIX" ]; then
    "$wine64" wineboot --init >/dev/null 2>&1
    # The Japanese dialogs ask for the proportional "ＭＳ Ｐゴシック" and message boxes link to
    # "MS UI Gothic"; Wine has neither, so the dialogs fall back to a fixed-pitch face whose
    # texts no longer fit, and message boxes show empty boxes instead of Japanese characters.
    # The fixed-pitch faces get the fixed-pitch IPA Gothic, so Notepad keeps the readme's columns.
    # The English dialogs ask for "Helv" (which Wine substitutes by "MS Sans Serif"); Wine's
    # stand-in is wider and cuts off the About box's last line, IPA P Gothic is narrow enough.
    for mapping in "ＭＳ Ｐゴシック=IPAPGothic" "MS PGothic=IPAPGothic" "MS UI Gothic=IPAPGothic" \
                   "MS Gothic=IPAGothic" "ＭＳ ゴシック=IPAGothic" \
                   "Helv=IPAPGothic" "MS Sans Serif=IPAPGothic"; do
        "$wine64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${mapping%%=*}" \
            /d "${mapping#*=}" /f >/dev/null 2>&1 || true
    done
fi
# The program keeps its settings beside itself: give it a folder of its own in the prefix.
folder="$WINEPREFIX/drive_c/quarnic"
mkdir -p "$folder"
cp "$exe" "$folder/"
[ -f "res/$program.TXT" ] && cp "res/$program.TXT" "$folder/"
cd "$folder"

if [ -z "$xvfb_pid" ]; then
    exec "$wine64" "$program.EXE"
fi

"$wine64" "$program.EXE" &
sleep 8
shot="$root/$program-screenshot.png"
import -display "$DISPLAY" -window root "$shot"
echo "run.sh: $program runs on the virtual display $DISPLAY; screenshot written to $shot"
wineserver -k 2>/dev/null || true
kill "$xvfb_pid" 2>/dev/null || true
