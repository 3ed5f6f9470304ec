#!/usr/bin/env bash
# The widget host on KDE Plasma as people run it on Wayland: kwin_wayland
# with plasmashell, whose full-screen wallpaper window KWin raises among the
# desktop windows when it is clicked and lifts over every window while it
# shows the desktop, and whose panel KWin does not take off the room it tells
# layer surfaces. Started once. The widgets must be seen at their places (their
# pixels, from KWin's screenshots) when the host starts after plasmashell,
# after a click on the wallpaper and for two seconds after it, while the
# desktop is shown (Meta+D), on another virtual desktop, and when plasmashell starts
# again under a running host; stay below a normal window and out of the
# panel's task manager; be shown clear of the panel when stored where it is;
# and keep the place a drag leaves them at, dragged by a pointer that moves
# only absolutely and by a finger.
#
#   desktop_plasma_wayland_test.sh SOLVANE_WIDGETS DESKTOP_PROBE KWIN_FAKE_INPUT
set -euo pipefail
[ -n "${SOLVANE_TEST_TRACE:-}" ] && set -x

host=$1
probe=$2
fake_input=$3
source "$(dirname "$0")/desktop_test_lib.sh"
require_tools kwin_wayland plasmashell Xwayland xprop xmessage gdbus dbus-run-session \
    dbus-update-activation-environment
# plasmashell is a Qt 5 program: it needs Qt 5's Wayland platform.
if ! ls /usr/lib/*/qt5/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "skipped: Qt 5's Wayland platform (qtwayland5) is not installed"
    exit 77
fi
# XWayland puts its socket in /tmp/.X11-unix: a private one, in a mount
# namespace of this test's own, where that can be made.
if [ -z "${SOLVANE_TEST_OWN_X11_DIR:-}" ] && [ "$(id -u)" -eq 0 ] && command -v unshare >/dev/null &&
    unshare -m true 2>/dev/null; then
    exec unshare -m --propagation private env SOLVANE_TEST_OWN_X11_DIR=1 "$0" "$@"
fi
if [ -n "${SOLVANE_TEST_OWN_X11_DIR:-}" ] && [ -z "${SOLVANE_TEST_IN_SESSION:-}" ]; then
    mkdir -p /tmp/.X11-unix
    mount -t tmpfs -o mode=1777 tmpfs /tmp/.X11-unix
elif [ "$(stat -c %a /tmp/.X11-unix 2>/dev/null)" != 1777 ]; then
    echo "skipped: /tmp/.X11-unix is not world-writable and no mount namespace can be made"
    exit 77
fi
in_private_session "$@"
begin_test_home

width=1280
height=800
# The packaged binary carries a file capability this sandbox cannot grant;
# a copy has none. KWin starts the program it is given with its XWayland's
# DISPLAY.
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
printf '[Desktops]\nNumber=2\nRows=1\n' >"$XDG_CONFIG_HOME/kwinrc"
printf '#!/bin/sh\necho "$DISPLAY" >"%s"\nexec sleep 3600\n' "$work/kwin-display" >"$work/tell-display"
chmod +x "$work/tell-display"
KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
    "$work/kwin_wayland" --virtual --xwayland --width $width --height $height \
    --socket wayland-plasma "$work/tell-display" >"$work/kwin.log" 2>&1 &
remember $!
if ! wait_for 60 test -s "$work/kwin-display"; then
    grep -q "Operation not permitted\|Failed to open\|failed to create" "$work/kwin.log" &&
        { echo "skipped: kwin_wayland cannot start here: $(tail -n 3 "$work/kwin.log")"; exit 77; }
    fail "KWin started no XWayland: $(tail -n 5 "$work/kwin.log")"
fi
export WAYLAND_DISPLAY=wayland-plasma DISPLAY
DISPLAY=$(cat "$work/kwin-display")
# plasmashell has the bus start the daemons it needs (kactivitymanagerd,
# kglobalaccel); they must find this compositor and this test's home.
QT_QPA_PLATFORM=wayland dbus-update-activation-environment --all
export SOLVANE_PROBE_SCREEN="kwin ${width}x$height" QT_QPA_PLATFORM=offscreen
wait_for 20 "$probe" pixel 0 0 || fail "KWin's screenshots do not answer"
# KWin's seat has a pointer and a touch screen while a fake-input device is
# there: one for the whole test, so that every client holds them throughout.
"$fake_input" until "$work/no-more-input" &
remember $!

# The bottom of the free area, which KWin publishes on its XWayland.
free_bottom() {
    xprop -root _NET_WORKAREA | awk -F'[=,]' '{print $3 + $5}'
}
panel_took_room() {
    local bottom
    bottom=$(free_bottom)
    [ "$bottom" -gt $((height / 2)) ] && [ "$bottom" -lt "$height" ]
}
plasma_pid=
start_plasma() {
    QT_QPA_PLATFORM=wayland plasmashell --no-respawn >>"$work/plasma.log" 2>&1 &
    plasma_pid=$!
    remember "$plasma_pid"
    wait_for 90 panel_took_room ||
        fail "plasmashell's panel took no room: $(xprop -root _NET_WORKAREA) $(tail -n 5 "$work/plasma.log")"
}
kwin_showing_desktop() {
    gdbus call --session -d org.kde.KWin -o /KWin -m org.freedesktop.DBus.Properties.Get \
        org.kde.KWin showingDesktop | grep -q "$1"
}

# Rectangles are "X,Y,W,H". The wallpaper and the panel's task manager as
# plasmashell draws them, once they have stopped changing, with nothing on
# them: what the widgets must differ from (the clock is left out).
wallpaper=$work/wallpaper.png
# Whether the screen at X Y is brighter than KWin's black.
lit() {
    local px
    px=$("$probe" pixel "$1" "$2") && [[ $px =~ ^#[0-9a-f]{6}$ ]] &&
        [ $((16#${px:1:2} + 16#${px:3:2} + 16#${px:5:2})) -gt 90 ]
}
wallpaper_control="1000,60,200,200"
settle_wallpaper() {
    local bottom
    bottom=$(free_bottom)
    tasks="0,$bottom,$((width / 2)),$((height - bottom))"
    "$probe" shot "$wallpaper"
    for _ in $(seq 120); do
        # Not the black screen KWin shows before the wallpaper fades in: lit
        # first, then the same as the picture taken.
        if lit 1100 160 &&
            [ "$("$probe" changed "$wallpaper" "0,0,$width,$bottom" "$tasks")" = "0 0" ]; then
            return 0
        fi
        "$probe" shot "$wallpaper"
        sleep 0.5
    done
    fail "plasmashell's wallpaper and panel never settled"
}

echo "== plasmashell on kwin_wayland"
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

# Where each widget shows: Moon and Sky where stored (until dragged),
# Countdowns where the host last put the surface 800 px from the left.
moon="100,120,170,170"
sky="400,80,364,382"
countdowns_top() {
    grep -ao 'set_margin([0-9]*, 0, 0, 800)' "$work/host.log" | tail -n1 | grep -o '([0-9]*' | tr -d '('
}
# The inside of each widget's card, clear of its rounded corners.
insides() {
    local rect
    for rect in "$moon" "$sky" "800,$(countdowns_top),364,170"; do
        awk -F, '{print $1 + 24 "," $2 + 24 "," $3 - 48 "," $4 - 48}' <<<"$rect"
    done
}
# Every widget drawn on the screen (nearly all of its card differs from the
# bare wallpaper) while the wallpaper beside them is still the wallpaper.
widgets_seen() {
    local shares
    shares=$("$probe" changed "$wallpaper" $(insides) "$wallpaper_control") || return 1
    echo "$shares" >"$work/shares"
    awk '{exit !($1 >= 80 && $2 >= 80 && $3 >= 80 && $4 <= 2)}' <<<"$shares"
}
# Whether a command keeps succeeding over the next two seconds.
holds_for_2s() {
    local until=$((SECONDS + 3))
    while [ $SECONDS -lt $until ]; do
        "$@" || return 1
    done
}
widgets_stay_seen() {
    wait_for 20 widgets_seen || fail "$1: the widgets are not seen (changed: $(cat "$work/shares"))"
    holds_for_2s widgets_seen || fail "$1: the widgets went out of sight (changed: $(cat "$work/shares"))"
}
surfaces_named() {
    [ "$(grep -ac "get_layer_surface(.*, 1, \"$1\")" "$work/host.log")" -ge "$2" ]
}
click() {
    "$fake_input" move "$1" "$2" press release
}

echo "== the host after plasmashell: seen, clear of the panel"
start_host WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland
wait_for 30 surfaces_named solvane-widget 3 ||
    fail "the widgets are not bottom-layer surfaces of their own: $(grep -a get_layer_surface "$work/host.log")"
wait_for 20 test -n "$(countdowns_top)" || fail "the Countdowns widget was not placed"
widgets_stay_seen "at start"
[ $(($(countdowns_top) + 170)) -le "$bottom" ] ||
    fail "the widget stored over the panel is shown at 800,$(countdowns_top), free area ends at $bottom"

echo "== below a normal window, out of the task manager, after a click on the wallpaper"
[ "$("$probe" changed "$wallpaper" "$tasks")" -le 1 ] || fail "the task manager shows the widgets"
xmessage -bg '#ff00ff' -geometry "300x260+60+80" "a normal window" >/dev/null 2>&1 &
normal_pid=$!
remember $normal_pid
normal_on_top() {
    [ "$("$probe" pixel 185 205)" = "#ff00ff" ]
}
wait_for 20 normal_on_top || fail "a normal window does not cover the Moon widget"
wait_for 20 bash -c "[ \$('$probe' changed '$wallpaper' '$tasks') -gt 1 ]" ||
    fail "the task manager never showed the normal window, so it cannot tell the widgets are left out"
# The normal window hides Moon; Sky and Countdowns must be seen beside it.
others_seen_under_normal() {
    local shares
    shares=$("$probe" changed "$wallpaper" $(insides | tail -n2) "$wallpaper_control") || return 1
    echo "$shares" >"$work/shares"
    normal_on_top && awk '{exit !($1 >= 90 && $2 >= 90 && $3 <= 2)}' <<<"$shares"
}
# The normal window is XWayland's active one until a Wayland window (the
# wallpaper's) takes the focus.
x_active_is() {
    xprop -root _NET_ACTIVE_WINDOW | grep -q "# $1\$"
}
x_active_elsewhere() { ! x_active_is 0x0; }
wait_for 10 x_active_elsewhere || fail "the normal window was never active"
click 1100 300
wait_for 10 x_active_is 0x0 || fail "the click did not reach plasmashell's wallpaper"
wait_for 20 others_seen_under_normal && holds_for_2s others_seen_under_normal ||
    fail "after a click on the wallpaper: a normal window over Moon, Sky and Countdowns seen? (changed: $(cat "$work/shares"))"

echo "== Show Desktop (Meta+D): the normal window goes, the widgets stay"
# Plasma's Peek at Desktop button sets the same state, but does not always
# take a click in a headless session; KWin's shortcut does.
"$fake_input" keys 125+32
wait_for 10 kwin_showing_desktop true || fail "Meta+D did not show the desktop"
widgets_stay_seen "while KWin shows the desktop"
surfaces_named desktop 3 || fail "the widgets did not become KWin's desktop surfaces while it shows the desktop"
"$fake_input" keys 125+32
wait_for 10 kwin_showing_desktop false || fail "KWin kept showing the desktop"
wait_for 20 normal_on_top || fail "after Show Desktop the normal window is not over the Moon widget"
wait_for 20 others_seen_under_normal || fail "after Show Desktop Sky and Countdowns are not seen"

echo "== on every virtual desktop"
kwin_desktop() {
    gdbus call --session -d org.kde.KWin -o /KWin -m org.kde.KWin.setCurrentDesktop "$1" >/dev/null
}
kwin_desktop 2
wait_for 20 bash -c "! '$probe' pixel 185 205 | grep -q ff00ff" || fail "the normal window followed to desktop 2"
widgets_stay_seen "on the second virtual desktop"
kwin_desktop 1
wait_for 20 normal_on_top || fail "back on desktop 1 the normal window is not over the Moon widget"
kill "$normal_pid"
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed without a drag: $(cat "$placed")"

echo "== drags stored where they end: a pointer that moves only absolutely, a finger"
wait_for 20 bash -c "[ \$('$probe' changed '$wallpaper' 60,80,20,20) -le 2 ]" || fail "the normal window stayed"
wait_for 20 widgets_seen || fail "before the drags the widgets are not seen (changed: $(cat "$work/shares"))"
# The case at stake: relative-pointer is bound, and KWin's absolute motion
# comes without relative motion.
grep -aq 'get_relative_pointer(' "$work/host.log" || fail "the host bound no relative pointer to drag without"
steps=()
for step in 1 2 3 4 5 6 7 8 9 10; do steps+=(move $((170 + 13 * step)) $((190 + 21 * step))); done
"$fake_input" move 170 190 press "${steps[@]}" release || fail "KWin took no fake input"
wait_for 10 grep -q '"x": 230' "$placed" || fail "the absolute drag was not stored: $(cat "$placed")"
grep -q '"y": 330' "$placed" || fail "the absolute drag was stored at the wrong place: $(cat "$placed")"
moon="230,330,170,170"
steps=()
for step in 1 2 3 4 5 6 7 8 9 10; do steps+=(touch-move $((300 - 13 * step)) $((400 + 12 * step))); done
"$fake_input" touch-down 300 400 "${steps[@]}" touch-up || fail "KWin took no touch"
wait_for 10 grep -q '"x": 100' "$placed" || fail "the touch drag was not stored: $(cat "$placed")"
grep -q '"y": 450' "$placed" || fail "the touch drag was stored at the wrong place: $(cat "$placed")"
moon="100,450,170,170"
widgets_stay_seen "after the drags"

echo "== plasmashell started again under the running host"
kill "$plasma_pid"
wait "$plasma_pid" 2>/dev/null || true
wait_for 20 bash -c "xprop -root _NET_WORKAREA | grep -q ', $height\$'" ||
    fail "the panel's room outlived plasmashell"
start_plasma
# The same wallpaper comes back, faded in.
wait_for 60 widgets_seen ||
    fail "after plasmashell started again the widgets are not seen (changed: $(cat "$work/shares"))"
widgets_stay_seen "after plasmashell started again"
[ $(($(countdowns_top) + 170)) -le "$(free_bottom)" ] ||
    fail "after plasmashell started again Countdowns is at 800,$(countdowns_top)"
click 1100 300
widgets_stay_seen "after a click on the new desktop"
if [ -n "${SOLVANE_SCREENSHOT_DIR:-}" ]; then
    "$probe" shot "$SOLVANE_SCREENSHOT_DIR/desktop-plasma-wayland.png"
fi
stop_host
grep -q '"y": 700' "$placed" || fail "the place stored over the panel changed: $(cat "$placed")"
echo "PASS"
