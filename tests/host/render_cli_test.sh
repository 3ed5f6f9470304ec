#!/bin/sh
# The headless renderer end to end, against fake plug-ins opened as the real one would be.
# usage: render_cli_test.sh HOST FAKE_PLUGIN WRONG_VERSION_PLUGIN
set -u
host=$1 fake=$2 wrong=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -m 700 "$out/run"
export QT_QPA_PLATFORM=offscreen SOLVANE_WIDGETS_PLUGIN="$fake" XDG_RUNTIME_DIR="$out/run"
fail() { echo "FAIL: $*" >&2; exit 1; }

expect() {  # expect STATUS ARGS...: exit status and, on failure, exactly one line of error
    want=$1; shift
    "$host" "$@" >"$out/stdout" 2>"$out/stderr"
    got=$?
    [ "$got" -eq "$want" ] || fail "$* exited $got, wanted $want: $(cat "$out/stderr")"
    if [ "$want" -ne 0 ]; then
        [ "$(wc -l <"$out/stderr")" -eq 1 ] || fail "$* wrote not one line: $(cat "$out/stderr")"
    fi
}

expect 0 --render Countdowns --size medium --style dark --scheme dark --entry 3 --mode accented \
    --scale 2 --out "$out/c.png"
# 364 x 170 points at 2 pixels a point
[ "$(head -c 24 "$out/c.png" | od -An -tx1 -j16 | tr -d ' \n')" = "000002d800000154" ] \
    || fail "unexpected PNG size"
expect 0 --render Moon --size small --entry placeholder --out "$out/m.png"
expect 2 --render Clock --size small --out "$out/x.png"
expect 2 --render Moon --size medium --out "$out/x.png"
expect 2 --render Countdowns --size small --countdowns nope --out "$out/x.png"
expect 2 --render Moon --size small --entry 9 --out "$out/x.png"
expect 2 --render Moon --size small --out "$out/missing/x.png"
expect 0 --help
SOLVANE_WIDGETS_PLUGIN="$wrong" expect 1 --render Moon --size small --out "$out/x.png"
grep -q "version" "$out/stderr" || fail "no version in: $(cat "$out/stderr")"
SOLVANE_WIDGETS_PLUGIN="$out/none.so" expect 1 --render Moon --size small --out "$out/x.png"

# Neither the renderer nor the headless service needs a screen: an empty
# display variable, or one naming no server, must not stop them.
for display in "" ":97"; do
    env -u QT_QPA_PLATFORM DISPLAY="$display" WAYLAND_DISPLAY="$display" \
        "$host" --render Moon --size small --out "$out/d.png" 2>"$out/stderr" \
        || fail "--render with DISPLAY='$display': $(cat "$out/stderr")"
    env -u QT_QPA_PLATFORM DISPLAY="$display" DBUS_SESSION_BUS_ADDRESS="unix:path=$out/run/none" \
        XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data" \
        timeout -s TERM 3 "$host" --headless-service 2>"$out/stderr"
    [ $? -eq 124 ] || fail "--headless-service with DISPLAY='$display' ended: $(cat "$out/stderr")"
done
echo ok
