#!/usr/bin/env bash
# The widget host on a real X11 window manager: openbox under Xvfb, on a
# private session bus. The widgets must be desktop widgets (below, on every
# workspace, out of taskbar and pager, titled by kind), keep the user's
# positions (stored only after a drag), show a card rather than black corners
# without a compositor, put their tray entry in a tray that appears later, and
# a second launch must bring up the gallery.
#
#   desktop_x11_test.sh SOLVANE_WIDGETS DESKTOP_PROBE
set -euo pipefail
[ -n "${SOLVANE_TEST_TRACE:-}" ] && set -x

host=$1
probe=$2
source "$(dirname "$0")/desktop_test_lib.sh"
require_tools Xvfb openbox xprop wmctrl xdotool xwininfo dbus-run-session
in_private_session "$@"
begin_test_home

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
remember $!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
openbox >"$work/openbox.log" 2>&1 &
remember $!
wait_for 10 wmctrl -m || fail "openbox did not start"

# A visible window whose title matches the regular expression $1. Titles
# hold an em dash, which xdotool matches byte by byte; ".*" stands for it.
window_named() {
    xdotool search --onlyvisible --name "^$1\$" | head -n1
}
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}'
}

place_two_widgets

echo "== desktop widgets"
start_host
wait_for 15 window_named "Solvane .* Sky" || fail "the widgets did not appear"
wait_for 5 window_named "Solvane .* Moon" || fail "the Moon widget did not appear"
for kind in Moon Sky; do
    title="Solvane — $kind"
    id=$(window_named "Solvane .* $kind")
    props=$(xprop -id "$id" _NET_WM_STATE _NET_WM_DESKTOP _NET_WM_NAME)
    for want in _NET_WM_STATE_BELOW _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER \
        "\"$title\""; do
        grep -q -- "$want" <<<"$props" || fail "$title lacks $want: $props"
    done
    grep -q -e "_NET_WM_DESKTOP(CARDINAL) = 4294967295" -e _NET_WM_STATE_STICKY <<<"$props" ||
        fail "$title is not on every workspace: $props"
done
[ "$(geometry_of "$(window_named "Solvane .* Moon")")" = "100,120" ] || fail "Moon is not where it was put"

echo "== every workspace"
wmctrl -s 1
sleep 0.5
for kind in Moon Sky; do
    xwininfo -id "$(xdotool search --name "^Solvane .* $kind\$" | head -n1)" | grep -q IsViewable ||
        fail "the $kind widget is gone on workspace 2"
done
wmctrl -s 0

echo "== no black corners without a compositor"
corner=$("$probe" pixel 100 120)
[ "$corner" != "#000000" ] || fail "the Moon widget's corner is black"

echo "== the tray appears later"
"$probe" sni-watcher >"$work/watcher.log" 2>&1 &
remember $!
wait_for 10 grep -q registered "$work/watcher.log" || fail "no tray item registered: $(cat "$work/watcher.log")"

echo "== positions are stored only by the user"
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed without a drag"

start_host
wait_for 15 window_named "Solvane .* Moon" || fail "the widgets did not come back"
sleep 0.5
xdotool mousemove 170 190 mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((170 + 13 * step)) $((190 + 21 * step))
    sleep 0.05
done
xdotool mouseup 1
wait_for 5 grep -q '"x": 230' "$placed" || fail "the drag was not stored: $(cat "$placed")"
grep -q '"y": 330' "$placed" || fail "the drag was stored at the wrong place: $(cat "$placed")"
stop_host
start_host
wait_for 15 window_named "Solvane .* Moon" || fail "the widgets did not come back"
[ "$(geometry_of "$(window_named "Solvane .* Moon")")" = "230,330" ] ||
    fail "the dragged position did not survive a restart"
stop_host

echo "== a second launch opens the gallery"
printf '{"accentedColours": false, "version": 1, "widgets": []}\n' >"$placed"
start_host
wait_for 15 window_named "Add Widget" || fail "the first launch showed no gallery"
wmctrl -c "Add Widget"
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Add Widget\$'" ||
    fail "the gallery did not close"
timeout 10 "$host" >>"$work/host.log" 2>&1 || fail "the second launch did not exit 0"
wait_for 10 window_named "Add Widget" || fail "the second launch brought up no gallery"
stop_host
echo "PASS"
