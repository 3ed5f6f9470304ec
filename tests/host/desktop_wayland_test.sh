#!/usr/bin/env bash
# The widget host on real Wayland compositors, headless, on a private session
# bus. Weston offers no layer-shell, so the host must go through XWayland;
# sway offers it, so the widgets must be bottom-layer surfaces at their
# stored places, and must follow its outputs while it runs: an output scaled
# to 2 (half its logical size), an output plugged in and one taken away.
# Nothing may write over the stored positions.
#
#   desktop_wayland_test.sh SOLVANE_WIDGETS
set -euo pipefail
[ -n "${SOLVANE_TEST_TRACE:-}" ] && set -x

host=$1
source "$(dirname "$0")/desktop_test_lib.sh"
require_tools weston Xwayland sway setpriv xdotool dbus-run-session
in_private_session "$@"
begin_test_home
place_two_widgets

echo "== weston: no layer-shell, so XWayland"
weston_run=$work/weston-run
mkdir -p "$weston_run" && chmod 700 "$weston_run"
XDG_RUNTIME_DIR=$weston_run weston --backend=headless-backend.so --xwayland --socket=wayland-w \
    --width=1280 --height=800 --idle-time=0 >"$work/weston.log" 2>&1 &
remember $!
wait_for 15 grep -q "xserver listening on display" "$work/weston.log" || fail "weston did not start"
weston_x=$(grep -o "listening on display :[0-9]*" "$work/weston.log" | grep -o ":[0-9]*")
start_host WAYLAND_DISPLAY="$weston_run/wayland-w" DISPLAY="$weston_x"
wait_for 20 env DISPLAY="$weston_x" xdotool search --name "^Solvane .* Moon\$" ||
    fail "no widget window appeared under XWayland"
wait_for 5 env DISPLAY="$weston_x" xdotool search --name "^Solvane .* Sky\$" ||
    fail "the Sky widget did not appear under XWayland"
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed under weston"

echo "== sway: bottom-layer surfaces at the stored places"
# Sway will not run as root; it runs as nobody in a folder of its own.
sway_run=$work/sway-run
mkdir -p "$sway_run"
chown 65534:65534 "$sway_run"
chmod 700 "$sway_run"
printf 'output HEADLESS-1 resolution 1280x800\n' >"$work/sway.conf"
chmod 644 "$work/sway.conf"
env XDG_RUNTIME_DIR="$sway_run" HOME="$sway_run" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman setpriv --reuid=65534 --regid=65534 --clear-groups \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
remember $!
wait_for 15 test -S "$sway_run/wayland-1" || fail "sway did not start: $(tail -n 5 "$work/sway.log")"
start_host WAYLAND_DISPLAY="$sway_run/wayland-1" WAYLAND_DEBUG=client
wait_for 20 bash -c "[ \$(grep -c 'get_layer_surface(.*, 1, \"solvane-widget\")' '$work/host.log') -ge 2 ]" ||
    fail "the widgets are not on the bottom layer"
grep -q 'zwlr_layer_surface_v1@[0-9]*\.set_margin(120, 0, 0, 100)' "$work/host.log" ||
    fail "the Moon widget is not at 100,120"
grep -q 'zwlr_layer_surface_v1@[0-9]*\.set_margin(80, 0, 0, 400)' "$work/host.log" ||
    fail "the Sky widget is not at 400,80"
grep -q 'xdg_wm_base.*get_xdg_surface' "$work/host.log" && fail "a widget became an ordinary window"
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed under sway"

echo "== sway: the widgets follow its outputs"
swaymsg() { SWAYSOCK=$(ls "$sway_run"/sway-ipc.*.sock) command swaymsg "$@" >/dev/null; }
swaymsg create_output
swaymsg output HEADLESS-1 position 0 0
swaymsg output HEADLESS-2 resolution 1280x800 position 1280 0
# Countdowns and Moon on the second output; Sky on a third, not there yet.
cat >"$placed" <<'JSON'
{"accentedColours": false, "version": 1, "widgets": [
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "countdowns", "kind": "Countdowns",
  "size": "medium", "x": 1300, "y": 100},
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "moon", "kind": "Moon",
  "size": "small", "x": 1500, "y": 500},
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "sky", "kind": "Sky",
  "size": "large", "x": 2700, "y": 100}]}
JSON
cp "$placed" "$work/placed.before"
start_host WAYLAND_DISPLAY="$sway_run/wayland-1" WAYLAND_DEBUG=client
wait_for 20 grep -q 'set_margin(500, 0, 0, 220)' "$work/host.log" || fail "the Moon widget is not at 1500,500"
# Sky's output is not there: the nearest, clear of Countdowns.
wait_for 5 grep -q 'set_margin(100, 0, 0, 916)' "$work/host.log" ||
    fail "the Sky widget is not on the nearest output: $(grep -a set_margin "$work/host.log")"
: >"$work/host.log"
swaymsg output HEADLESS-2 scale 2
# 640 × 400 now: Moon comes up beside Countdowns, Sky below it all the same.
wait_for 2 grep -aq 'set_margin(230, 0, 0, 400)' "$work/host.log" ||
    fail "the Moon widget did not follow the scale: $(grep -a set_margin "$work/host.log")"
: >"$work/host.log"
swaymsg output HEADLESS-2 scale 1
wait_for 2 grep -aq 'set_margin(500, 0, 0, 220)' "$work/host.log" ||
    fail "the Moon widget did not go back: $(grep -a set_margin "$work/host.log")"
: >"$work/host.log"
swaymsg create_output
swaymsg output HEADLESS-3 position 2560 0
wait_for 2 grep -aq 'set_margin(100, 0, 0, 140)' "$work/host.log" ||
    fail "the Sky widget did not go to its output: $(grep -a set_margin "$work/host.log")"
if [ -n "${SOLVANE_SCREENSHOT_DIR:-}" ]; then
    swaymsg output HEADLESS-2 scale 2
    sleep 1
    XDG_RUNTIME_DIR=$sway_run WAYLAND_DISPLAY=wayland-1 grim -o HEADLESS-2 \
        "$SOLVANE_SCREENSHOT_DIR/desktop-sway-scale2.png"
fi
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed with the outputs"

echo "== sway: an output taken away"
# Headless outputs cannot be unplugged in this sway; a sway nested in the
# first has its outputs as windows there, and closing one takes it away.
# Floating, so that the outputs keep their size (1280 × 720, side by side).
outer_ipc=$(ls "$sway_run"/sway-ipc.*.sock)
swaymsg() { SWAYSOCK=$outer_ipc command swaymsg "$@" >/dev/null; }
swaymsg 'for_window [app_id="wlroots"] floating enable'
env XDG_RUNTIME_DIR="$sway_run" WAYLAND_DISPLAY=wayland-1 HOME="$sway_run" WLR_BACKENDS=wayland \
    WLR_WL_OUTPUTS=2 WLR_RENDERER=pixman setpriv --reuid=65534 --regid=65534 --clear-groups \
    sway -c "$work/sway.conf" >"$work/sway-nested.log" 2>&1 &
remember $!
wait_for 15 test -S "$sway_run/wayland-2" || fail "the nested sway did not start"
cat >"$placed" <<'JSON'
{"accentedColours": false, "version": 1, "widgets": [
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "countdowns", "kind": "Countdowns",
  "size": "medium", "x": 20, "y": 100},
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "sky", "kind": "Sky",
  "size": "large", "x": 1300, "y": 100}]}
JSON
cp "$placed" "$work/placed.before"
start_host WAYLAND_DISPLAY="$sway_run/wayland-2" WAYLAND_DEBUG=client
wait_for 20 grep -aq 'set_margin(100, 0, 0, 20)' "$work/host.log" || fail "the Sky widget is not at 1300,100"
first_output=$(grep -ao 'wl_output@[0-9]*.name("WL-1")' "$work/host.log" | grep -o 'wl_output@[0-9]*')
: >"$work/host.log"
swaymsg '[title="wlroots - WL-2"] kill'
# On the output that is left, wholly inside and clear of Countdowns.
wait_for 2 grep -aq "get_layer_surface(.*, $first_output, 1, \"solvane-widget\")" "$work/host.log" ||
    fail "the Sky widget is not on the output left: $(grep -a get_layer_surface "$work/host.log")"
wait_for 2 grep -aq 'set_margin(100, 0, 0, 916)' "$work/host.log" ||
    fail "the Sky widget is not wholly on the output left: $(grep -a set_margin "$work/host.log")"
if [ -n "${SOLVANE_SCREENSHOT_DIR:-}" ]; then
    sleep 1
    XDG_RUNTIME_DIR=$sway_run WAYLAND_DISPLAY=wayland-1 grim -o HEADLESS-1 \
        "$SOLVANE_SCREENSHOT_DIR/desktop-sway-output-removed.png"
fi
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed when an output went"
echo "PASS"
