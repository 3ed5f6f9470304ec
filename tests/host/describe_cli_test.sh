#!/bin/sh
# --describe with the real plug-in: each kind reads out as its content, in
# words, on a fresh account whose weather cannot be reached: the live entry,
# the default, says there is none; only the gallery's snapshot, when asked
# for, shows sample weather.
# usage: describe_cli_test.sh HOST PLUGIN
set -u
host=$1 plugin=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p -m 700 "$root/run" "$root/home" "$root/config" "$root/data" "$root/cache"
export QT_QPA_PLATFORM=offscreen SOLVANE_WIDGETS_PLUGIN="$plugin" TZ=America/New_York \
    LANG=en_US.UTF-8 LC_ALL= HOME="$root/home" XDG_RUNTIME_DIR="$root/run" \
    XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" XDG_CACHE_HOME="$root/cache" \
    SOLVANE_CALENDAR_DIRS="$root/data/calendars" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$root/run/no-bus" \
    SOLVANE_OPEN_METEO_URL=http://127.0.0.1:9 SOLVANE_WEATHERKIT_URL=http://127.0.0.1:9 \
    SOLVANE_NOMINATIM_URL=http://127.0.0.1:9
fail() { echo "FAIL: $*" >&2; exit 1; }

describe() {  # describe KIND SIZE [OPTION...]: the text, checked for one plain spoken line
    kind=$1 size=$2; shift 2
    "$host" --render "$kind" --size "$size" --at 2025-12-05T12:00:00-05:00 --describe "$@" \
        >"$root/text" 2>"$root/err" || fail "$kind exited $?: $(cat "$root/err")"
    [ "$(wc -l <"$root/text")" -eq 1 ] || fail "$kind not one line: $(cat "$root/text")"
    ! grep -q '°\|—\|–\|·\|%' "$root/text" || fail "$kind has symbols: $(cat "$root/text")"
    cat "$root/text"
}
has() {  # has TEXT PART
    case $1 in *"$2"*) ;; *) fail "no \"$2\" in: $1" ;; esac
}

board=$(describe Solvane extraLarge)
has "$board" "Solvane. Friday, December 5"
has "$board" "Weather unavailable."
case $board in *degrees*|*Open-Meteo*) fail "invented weather: $board" ;; esac
has "$board" "Sun: "
has "$board" "Moon: "
sample=$(describe Solvane extraLarge --entry snapshot)
has "$sample" "Weather from Open-Meteo."
has "$sample" " degrees, "
sky=$(describe Sky large)
has "$sky" "Sky. "
has "$sky" "Weather unavailable. Sunrise 7:"
has "$sky" "percent lit."
countdowns=$(describe Countdowns small)
has "$countdowns" "Countdowns. "
has "$countdowns" " in "
moon=$(describe Moon small)
has "$moon" "Moon. "
has "$moon" "percent lit, full moon "
has "$moon" "Moonrise "
[ -z "$(ls "$root" | grep -v '^\(run\|home\|config\|data\|cache\|text\|err\)$')" ] \
    || fail "--describe wrote a file"
"$host" --describe 2>/dev/null
[ $? -eq 2 ] || fail "--describe without --render was accepted"
echo ok
