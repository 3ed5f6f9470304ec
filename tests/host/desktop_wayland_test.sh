#!/usr/bin/env bash
# The widget host on real Wayland compositors, headless, on a private session
# bus. Weston offers no layer-shell, so the host must go through XWayland;
# sway offers it, so the widgets must be bottom-layer surfaces at their
# stored places. Neither start may write over the stored positions.
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
start_host() {
    : >"$work/host.log"
    env "$@" "$host" >>"$work/host.log" 2>&1 &
    host_pid=$!
    remember "$host_pid"
}

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
sleep 1
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
sleep 1
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed under sway"
echo "PASS"
