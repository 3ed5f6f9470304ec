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
for tool in weston Xwayland sway setpriv xdotool dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

if [ -z "${SOLVANE_TEST_IN_SESSION:-}" ]; then
    exec dbus-run-session -- env SOLVANE_TEST_IN_SESSION=1 "$0" "$@"
fi

work=$(mktemp -d)
chmod 755 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
export SOLVANE_OPEN_METEO_URL=http://127.0.0.1:9/v1/forecast
export SOLVANE_WEATHERKIT_URL=http://127.0.0.1:9/ SOLVANE_NOMINATIM_URL=http://127.0.0.1:9/
export TZ=America/New_York LANG=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM WAYLAND_DEBUG
mkdir -p "$HOME" "$XDG_CONFIG_HOME/solvane" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
placed=$XDG_CONFIG_HOME/solvane/widgets.json

fail() {
    echo "FAIL: $*"
    echo "-- host log:"
    grep -v '^\[' "$work/host.log" 2>/dev/null | tail -n 20 || true
    exit 1
}

wait_for() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

cat >"$placed" <<'EOF'
{
    "accentedColours": false,
    "version": 1,
    "widgets": [
        {"configuration": {"choices": {"style": "dark"}, "entityLists": {}},
         "id": "moon", "kind": "Moon", "size": "small", "x": 100, "y": 120},
        {"configuration": {"choices": {}, "entityLists": {}},
         "id": "sky", "kind": "Sky", "size": "large", "x": 400, "y": 80}
    ]
}
EOF
cp "$placed" "$work/placed.before"

host_pid=
start_host() {
    : >"$work/host.log"
    env "$@" "$host" >>"$work/host.log" 2>&1 &
    host_pid=$!
    pids+=("$host_pid")
}
stop_host() {
    kill "$host_pid"
    wait "$host_pid" 2>/dev/null || true
}

echo "== weston: no layer-shell, so XWayland"
weston_run=$work/weston-run
mkdir -p "$weston_run" && chmod 700 "$weston_run"
XDG_RUNTIME_DIR=$weston_run weston --backend=headless-backend.so --xwayland --socket=wayland-w \
    --width=1280 --height=800 --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
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
pids+=($!)
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
