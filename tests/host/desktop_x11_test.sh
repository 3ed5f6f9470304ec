#!/usr/bin/env bash
# The widget host on a real X11 window manager: openbox under Xvfb, on a
# private session bus. The widgets must be desktop widgets (below, on every
# workspace, out of taskbar and pager, titled by kind), keep the user's
# positions (stored only after a drag), show a card rather than black corners
# without a compositor, put their tray entry in a tray that appears later, and
# a second launch must bring up the gallery. Show Desktop must leave them
# shown, and their corners must show whatever the desktop has. On a screen
# that changes size while the host runs (Xephyr, which RandR can resize) every
# widget must be wholly on the screen and clear of the others within two
# seconds, without a word of widgets.json changing, and back when the size
# comes back.
#
#   desktop_x11_test.sh SOLVANE_WIDGETS DESKTOP_PROBE
set -euo pipefail
[ -n "${SOLVANE_TEST_TRACE:-}" ] && set -x

host=$1
probe=$2
source "$(dirname "$0")/desktop_test_lib.sh"
require_tools Xvfb Xephyr openbox xprop wmctrl xdotool xwininfo xrandr hsetroot dbus-run-session
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
wait_for 5 bash -c "wmctrl -d | grep -q '^1 *\*'" || fail "openbox did not go to workspace 2"
for kind in Moon Sky; do
    xwininfo -id "$(xdotool search --name "^Solvane .* $kind\$" | head -n1)" | grep -q IsViewable ||
        fail "the $kind widget is gone on workspace 2"
done
wmctrl -s 0

echo "== Show Desktop leaves them shown"
wmctrl -k on
wait_for 5 bash -c "wmctrl -m | grep -q 'mode: ON'" || fail "openbox did not show the desktop"
for kind in Moon Sky; do
    xwininfo -id "$(window_named "Solvane .* $kind")" | grep -q IsViewable ||
        fail "Show Desktop hid the $kind widget"
done
wmctrl -k off

echo "== the desktop shows through the corners without a compositor"
for colour in "#204060" "#7a3b12"; do
    hsetroot -solid "$colour" >/dev/null
    wait_for 5 bash -c "[ \"\$('$probe' pixel 100 120)\" = '$colour' ]" ||
        fail "the Moon widget's corner shows $("$probe" pixel 100 120) over $colour"
done
[ "$("$probe" pixel 185 205)" != "#7a3b12" ] || fail "the Moon widget is not drawn"

echo "== the tray appears later"
"$probe" sni-watcher >"$work/watcher.log" 2>&1 &
remember $!
wait_for 10 grep -q registered "$work/watcher.log" || fail "no tray item registered: $(cat "$work/watcher.log")"

echo "== positions are stored only by the user"
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed without a drag"

start_host
wait_for 15 window_named "Solvane .* Moon" || fail "the widgets did not come back"
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
echo "== a screen that changes size while the host runs"
exec 4>"$work/nested"
Xephyr -displayfd 4 -screen 1600x1200 -nolisten tcp >"$work/xephyr.log" 2>&1 &
remember $!
wait_for 10 test -s "$work/nested" || fail "Xephyr did not start"
export DISPLAY=:$(head -n1 "$work/nested")
openbox >"$work/openbox2.log" 2>&1 &
remember $!
wait_for 10 wmctrl -m || fail "openbox did not start in Xephyr"
cat >"$placed" <<'JSON'
{"accentedColours": false, "version": 1, "widgets": [
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "board", "kind": "Solvane",
  "size": "extraLarge", "x": 840, "y": 40},
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "countdowns", "kind": "Countdowns",
  "size": "medium", "x": 1200, "y": 1000},
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "moon", "kind": "Moon",
  "size": "small", "x": 1400, "y": 800}]}
JSON
cp "$placed" "$work/placed.before"
start_host
wait_for 15 window_named "Solvane .* Moon" || fail "the widgets did not appear in Xephyr"
rects() {
    for kind in Board Countdowns Moon; do
        xwininfo -id "$(window_named "Solvane .* $kind")" |
            awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                 /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
    done
}
# Every widget inside W × H and no two overlapping.
all_fit() {
    rects | awk -v W="$1" -v H="$2" '
        { x[NR]=$1; y[NR]=$2; w[NR]=$3; h[NR]=$4
          if ($1 < 0 || $2 < 0 || $1 + $3 > W || $2 + $4 > H) bad = 1 }
        END { for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++)
                  if (x[i] < x[j] + w[j] && x[j] < x[i] + w[i] &&
                      y[i] < y[j] + h[j] && y[j] < y[i] + h[i]) bad = 1
              exit bad }'
}
wait_for 5 all_fit 1600 1200 || fail "the widgets do not fit 1600 × 1200: $(rects | tr '\n' ';')"
before=$(rects)
xrandr -s 1024x768 2>/dev/null
wait_for 2 all_fit 1024 768 || fail "after 1024 × 768: $(rects | tr '\n' ';')"
if [ -n "${SOLVANE_SCREENSHOT_DIR:-}" ]; then
    hsetroot -add "#20394f" -add "#5d7f99" -gradient 160 >/dev/null
    sleep 0.5
    "$probe" shot "$SOLVANE_SCREENSHOT_DIR/desktop-x11-resized.png"
fi
xrandr -s 1600x1200 2>/dev/null
back_as_before() { [ "$(rects)" = "$before" ]; }
wait_for 5 back_as_before ||
    fail "the widgets did not go back: $(rects | tr '\n' ';')"
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed with the screen: $(cat "$placed")"
echo "PASS"
