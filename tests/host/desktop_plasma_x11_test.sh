#!/usr/bin/env bash
# The widget host on KDE Plasma as people run it on X11: kwin_x11 with
# plasmashell, whose full-screen wallpaper window is of the desktop type too
# and is raised over the widgets whenever it is mapped or clicked and when the
# desktop is shown. The widgets must be seen at their places on the screen
# (their pixels, not only their windows) when the host starts after
# plasmashell, after a click on the wallpaper and for two seconds after it,
# while KWin shows the desktop and while the panel peeks at it, and when
# plasmashell starts again under a running host; stay below a normal window
# and out of the panel's task manager; be shown clear of the panel when stored
# where it is; and keep the place a drag leaves them at.
#
#   desktop_plasma_x11_test.sh SOLVANE_WIDGETS DESKTOP_PROBE
set -euo pipefail
[ -n "${SOLVANE_TEST_TRACE:-}" ] && set -x

host=$1
probe=$2
source "$(dirname "$0")/desktop_test_lib.sh"
require_tools Xvfb kwin_x11 plasmashell xprop xdotool xwininfo xmessage wmctrl dbus-run-session \
    dbus-update-activation-environment
in_private_session "$@"
begin_test_home

width=1280
height=800
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
remember $!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
# plasmashell has the bus start the daemons it needs (kactivitymanagerd,
# kglobalaccel); they must find this display and this test's home.
dbus-update-activation-environment --all
kwin_x11 >"$work/kwin.log" 2>&1 &
remember $!
wait_for 20 bash -c "wmctrl -m | grep -q 'Name: KWin'" || fail "KWin did not start: $(tail -n 5 "$work/kwin.log")"

# The bottom of the free area, which the panel sets.
free_bottom() {
    xprop -root _NET_WORKAREA | awk -F'[=,]' '{print $3 + $5}'
}
# plasmashell's desktop window, the topmost if there are several.
plasma_desktop() {
    local w found=
    for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g'); do
        xprop -id "$w" WM_CLASS _NET_WM_WINDOW_TYPE 2>/dev/null |
            tr '\n' ' ' | grep -q '"plasmashell".*_NET_WM_WINDOW_TYPE_DESKTOP' && found=$w
    done
    [ -n "$found" ] && echo "$found"
}
plasma_pid=
start_plasma() {
    plasmashell --no-respawn >>"$work/plasma.log" 2>&1 &
    plasma_pid=$!
    remember "$plasma_pid"
    wait_for 60 plasma_desktop || fail "plasmashell showed no desktop: $(tail -n 5 "$work/plasma.log")"
    wait_for 30 panel_took_room || fail "plasmashell's panel took no room: $(xprop -root _NET_WORKAREA)"
}
panel_took_room() {
    local bottom
    bottom=$(free_bottom)
    [ "$bottom" -gt $((height / 2)) ] && [ "$bottom" -lt "$height" ]
}

# Rectangles are "X,Y,W,H". The wallpaper and the panel's task manager as
# plasmashell draws them, once they have stopped changing, with nothing on
# them: what the widgets must differ from (the clock is left out).
wallpaper=$work/wallpaper.png
wallpaper_control="1000,60,200,200"
settle_wallpaper() {
    local bottom
    bottom=$(free_bottom)
    tasks="0,$bottom,$((width / 2)),$((height - bottom))"
    "$probe" shot "$wallpaper"
    for _ in $(seq 60); do
        [ "$("$probe" changed "$wallpaper" "0,0,$width,$bottom" "$tasks")" = "0 0" ] && return 0
        "$probe" shot "$wallpaper"
        sleep 0.5
    done
    fail "plasmashell's wallpaper and panel never settled"
}

echo "== plasmashell on kwin_x11"
start_plasma
settle_wallpaper
bottom=$(free_bottom)

# Moon and Sky at free places; Countdowns (364 × 170) stored where the panel is.
cat >"$placed" <<'JSON'
{"accentedColours": false, "version": 1, "widgets": [
 {"configuration": {"choices": {"style": "dark"}, "entityLists": {}}, "id": "moon", "kind": "Moon",
  "size": "small", "x": 100, "y": 120},
 {"configuration": {"choices": {}, "entityLists": {}}, "id": "sky", "kind": "Sky",
  "size": "large", "x": 400, "y": 80},
 {"configuration": {"choices": {"style": "light"}, "entityLists": {}}, "id": "countdowns",
  "kind": "Countdowns", "size": "medium", "x": 800, "y": 700}]}
JSON
cp "$placed" "$work/placed.before"

window_named() {
    xdotool search --onlyvisible --name "^Solvane .* $1\$" | head -n1
}
rect_of() {
    xwininfo -id "$(window_named "$1")" |
        awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
             /Width:/ {w=$2} /Height:/ {h=$2} END {print x "," y "," w "," h}'
}
# The inside of each widget's card, clear of its rounded corners.
insides() {
    local kind
    for kind in Moon Sky Countdowns; do
        rect_of "$kind" | awk -F, '{print $1 + 24 "," $2 + 24 "," $3 - 48 "," $4 - 48}'
    done
}
# Every widget drawn on the screen (nearly all of its card differs from the
# bare wallpaper) while the wallpaper beside them is still the wallpaper.
widgets_seen() {
    local shares
    shares=$("$probe" changed "$wallpaper" $(insides) "$wallpaper_control") || return 1
    echo "$shares" >"$work/shares"
    awk '{exit !($1 >= 90 && $2 >= 90 && $3 >= 90 && $4 <= 2)}' <<<"$shares"
}
# Whether a command keeps succeeding over the next two seconds.
holds_for_2s() {
    for _ in $(seq 8); do
        sleep 0.25
        "$@" || return 1
    done
}
# Seen now and still seen over the next two seconds.
widgets_stay_seen() {
    wait_for 10 widgets_seen || fail "$1: the widgets are not seen (changed: $(cat "$work/shares"))"
    holds_for_2s widgets_seen || fail "$1: the widgets went out of sight (changed: $(cat "$work/shares"))"
}

echo "== the host after plasmashell: seen, clear of the panel"
start_host
for kind in Moon Sky Countdowns; do
    wait_for 20 window_named "$kind" || fail "the $kind widget did not appear"
done
widgets_stay_seen "at start"
IFS=, read -r x y w h <<<"$(rect_of Countdowns)"
[ "$x" = 800 ] && [ $((y + h)) -le "$bottom" ] ||
    fail "the widget stored over the panel is shown at $x,$y (${w}×$h), free area ends at $bottom"
# KWin draws windows of the desktop type opaque: the rounded corners must be
# cut away, not black.
corners=$(for kind in Moon Sky Countdowns; do rect_of "$kind" | awk -F, '{print $1 "," $2 ",3,3"}'; done)
[ "$("$probe" changed "$wallpaper" $corners)" = "0 0 0" ] ||
    fail "the wallpaper does not show through the widgets' corners"

echo "== desktop windows left out of the task manager and switchers"
for kind in Moon Sky Countdowns; do
    props=$(xprop -id "$(window_named "$kind")" _NET_WM_WINDOW_TYPE _NET_WM_STATE)
    for want in _NET_WM_WINDOW_TYPE_DESKTOP _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
        grep -q "$want" <<<"$props" || fail "the $kind widget lacks $want: $props"
    done
done
changed=$("$probe" changed "$wallpaper" "$tasks")
[ "$changed" -le 1 ] || { "$probe" shot /tmp/d36a-debug.png; fail "the task manager shows the widgets ($changed% changed)"; }

echo "== below a normal window, before and after a click on the wallpaper"
IFS=, read -r mx my mw mh <<<"$(rect_of Moon)"
xmessage -bg '#ff00ff' -geometry "300x260+$((mx - 40))+$((my - 40))" "a normal window" \
    >/dev/null 2>&1 &
normal_pid=$!
remember $normal_pid
normal_on_top() {
    [ "$("$probe" pixel $((mx + mw / 2)) $((my + mh / 2)))" = "#ff00ff" ]
}
wait_for 10 normal_on_top || fail "a normal window does not cover the Moon widget"
wait_for 10 bash -c "[ \$('$probe' changed '$wallpaper' '$tasks') -gt 1 ]" ||
    fail "the task manager never showed the normal window, so it cannot tell the widgets are left out"
# The normal window hides Moon; Sky and Countdowns must be seen beside it.
others_seen_under_normal() {
    local shares
    shares=$("$probe" changed "$wallpaper" $(insides | tail -n2) "$wallpaper_control") || return 1
    echo "$shares" >"$work/shares"
    normal_on_top && awk '{exit !($1 >= 90 && $2 >= 90 && $3 <= 2)}' <<<"$shares"
}
xdotool mousemove 1100 300 click 1
wait_for 5 bash -c "xprop -root _NET_ACTIVE_WINDOW | grep -q '$(plasma_desktop)'" ||
    fail "the click did not reach plasmashell's desktop"
wait_for 10 others_seen_under_normal && holds_for_2s others_seen_under_normal ||
    fail "after a click on the wallpaper: a normal window over Moon, Sky and Countdowns seen? (changed: $(cat "$work/shares"))"

echo "== Show Desktop: the normal window goes, the widgets stay"
# KWin's D-Bus call would end it as soon as its caller leaves the bus.
wmctrl -k on
wait_for 20 bash -c "xprop -root _NET_SHOWING_DESKTOP | grep -q '= 1'" || fail "KWin did not show the desktop"
widgets_stay_seen "while KWin shows the desktop"
wmctrl -k off
wait_for 20 bash -c "xprop -root _NET_SHOWING_DESKTOP | grep -q '= 0'" || fail "KWin kept showing the desktop"
wait_for 5 normal_on_top || fail "after Show Desktop the Moon widget is over a normal window"

echo "== Peek at Desktop, the panel's button at its end"
xdotool mousemove $((width - 27)) $(((bottom + height) / 2)) click 1
wait_for 20 bash -c "xprop -root _NET_SHOWING_DESKTOP | grep -q '= 1'" ||
    fail "the panel's Peek at Desktop button did not show the desktop"
# Its tooltip would lie over Countdowns.
xdotool mousemove 1100 300
widgets_stay_seen "while peeking at the desktop"
xdotool mousemove $((width - 27)) $(((bottom + height) / 2)) click 1
wait_for 20 bash -c "xprop -root _NET_SHOWING_DESKTOP | grep -q '= 0'" || fail "peeking did not end"
xdotool mousemove 1100 300
wait_for 5 normal_on_top || fail "after peeking the Moon widget is over a normal window"
kill "$normal_pid"

echo "== an absolute drag (XTEST) stores the place it ends at"
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed without a drag: $(cat "$placed")"
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^xmessage\$'" || fail "the normal window stayed"
xdotool mousemove 170 190 mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((170 + 13 * step)) $((190 + 21 * step))
    sleep 0.05
done
xdotool mouseup 1
wait_for 5 grep -q '"x": 230' "$placed" || fail "the drag was not stored: $(cat "$placed")"
grep -q '"y": 330' "$placed" || fail "the drag was stored at the wrong place: $(cat "$placed")"
[ "$(rect_of Moon | cut -d, -f1-2)" = "230,330" ] || fail "the Moon widget is at $(rect_of Moon)"

echo "== plasmashell started again under the running host"
kill "$plasma_pid"
wait "$plasma_pid" 2>/dev/null || true
wait_for 10 bash -c "xprop -root _NET_WORKAREA | grep -q ', $height\$'" ||
    fail "the panel's room outlived plasmashell"
start_plasma
widgets_stay_seen "after plasmashell started again"
IFS=, read -r x y w h <<<"$(rect_of Countdowns)"
[ $((y + h)) -le "$(free_bottom)" ] || fail "after plasmashell started again Countdowns is at $x,$y"
xdotool mousemove 1100 300 click 1
widgets_stay_seen "after a click on the new desktop"
stop_host
grep -q '"y": 700' "$placed" || fail "the place stored over the panel changed: $(cat "$placed")"
echo "PASS"
