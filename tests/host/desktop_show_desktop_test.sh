#!/usr/bin/env bash
# Show Desktop on KWin and mutter, headless, on a private session bus: every
# window but the desktop's own goes away, and the widgets must count as the
# desktop's. On KWin's Wayland side the widgets are bottom-layer surfaces of
# their own namespace, made desktop surfaces only while KWin shows the desktop
# (desktop_plasma_wayland_test.sh shows it there); on KWin's X11 side (its
# XWayland) they must be desktop windows while it shows the desktop (what it
# draws is checked in desktop_plasma_x11_test.sh); mutter (GNOME, no
# layer-shell, so the widgets go through XWayland) must leave them shown.
#
#   desktop_show_desktop_test.sh SOLVANE_WIDGETS
set -euo pipefail
[ -n "${SOLVANE_TEST_TRACE:-}" ] && set -x

host=$1
source "$(dirname "$0")/desktop_test_lib.sh"
require_tools kwin_wayland mutter Xwayland xprop wmctrl xdotool xmessage dbus-run-session dbus-send
in_private_session "$@"
begin_test_home
place_two_widgets

# What mutter says of a window while it shows the desktop: hidden windows get
# _NET_WM_STATE_HIDDEN or leave the normal state.
kept_while_shown() {
    local display=$1 kind id state
    for kind in Moon Sky; do
        id=$(DISPLAY=$display xdotool search --name "^Solvane .* $kind\$" | head -n1)
        state=$(DISPLAY=$display xprop -id "$id" WM_STATE _NET_WM_STATE)
        grep -q "window state: Normal" <<<"$state" && ! grep -q _NET_WM_STATE_HIDDEN <<<"$state" ||
            fail "Show Desktop hid the $kind widget: $state"
    done
}

# A normal window beside the widgets: once mutter has hidden it, it has acted
# on Show Desktop, so whatever it left shown it means to keep.
open_normal_window() {
    DISPLAY=$1 xmessage -name solvane-normal-window "a normal window" >/dev/null 2>&1 &
    remember $!
    wait_for 20 env DISPLAY="$1" xdotool search --onlyvisible --classname '^solvane-normal-window$' ||
        fail "the normal window did not appear"
}
normal_window_hidden() {
    local id
    id=$(DISPLAY=$1 xdotool search --classname '^solvane-normal-window$' | head -n1)
    DISPLAY=$1 xprop -id "$id" WM_STATE _NET_WM_STATE |
        grep -q -e "window state: Iconic" -e "window state: Withdrawn" -e _NET_WM_STATE_HIDDEN
}

echo "== KWin, Wayland: the widgets are bottom-layer surfaces of their own"
# The packaged binary carries a file capability this sandbox cannot grant;
# a copy has none.
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
kwin_run=$work/kwin-run
mkdir -p "$kwin_run" && chmod 700 "$kwin_run"
# KWin starts the programs it is given with its XWayland's DISPLAY.
printf '#!/bin/sh\necho "$DISPLAY" >"%s"\nexec sleep 600\n' "$work/kwin-display" >"$work/tell-display"
chmod +x "$work/tell-display"
XDG_RUNTIME_DIR=$kwin_run KWIN_COMPOSE=Q \
    "$work/kwin_wayland" --virtual --xwayland --width 1280 --height 800 --socket wayland-k \
    "$work/tell-display" >"$work/kwin.log" 2>&1 &
remember $!
wait_for 20 test -S "$kwin_run/wayland-k" || fail "KWin did not start: $(tail -n 5 "$work/kwin.log")"
start_host XDG_RUNTIME_DIR="$kwin_run" WAYLAND_DISPLAY="$kwin_run/wayland-k" DISPLAY= \
    WAYLAND_DEBUG=client
wait_for 20 bash -c "[ \$(grep -c 'get_layer_surface(.*, 1, \"solvane-widget\")' '$work/host.log') -ge 2 ]" ||
    fail "the widgets are not bottom-layer surfaces of their own"
wait_for 10 grep -q 'zwlr_layer_surface_v1@[0-9]*\.set_margin(120, 0, 0, 100)' "$work/host.log" ||
    fail "the Moon widget is not at 100,120 on KWin"
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed under KWin"

echo "== KWin, X11 windows: the desktop type keeps them"
wait_for 10 test -s "$work/kwin-display" || fail "KWin started no XWayland"
kwin_x=$(cat "$work/kwin-display")
start_host XDG_RUNTIME_DIR="$kwin_run" WAYLAND_DISPLAY= DISPLAY="$kwin_x"
wait_for 20 env DISPLAY="$kwin_x" xdotool search --name "^Solvane .* Sky\$" ||
    fail "no widget window under KWin's XWayland"
wait_for 5 env DISPLAY="$kwin_x" xdotool search --name "^Solvane .* Moon\$" ||
    fail "the Moon widget did not appear under KWin"
# Asked again while polling: a busy KWin may not have taken the first call.
kwin_show_desktop() {
    dbus-send --session --type=method_call --dest=org.kde.KWin /KWin org.kde.KWin.showDesktop boolean:true
    DISPLAY=$kwin_x xprop -root _NET_SHOWING_DESKTOP | grep -q '= 1'
}
wait_for 30 kwin_show_desktop || fail "KWin did not show the desktop"
# KWin hides other XWayland windows in its compositor and leaves their X
# state alone, so what can be seen from here is the type that keeps them.
for kind in Moon Sky; do
    id=$(DISPLAY=$kwin_x xdotool search --name "^Solvane .* $kind\$" | head -n1)
    DISPLAY=$kwin_x xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q "= _NET_WM_WINDOW_TYPE_DESKTOP" ||
        fail "the $kind widget is not a desktop window under KWin"
done
stop_host

echo "== mutter: through XWayland, kept while it shows the desktop"
mutter_run=$work/mutter-run
mkdir -p "$mutter_run" && chmod 700 "$mutter_run"
printf '#!/bin/sh\necho "$DISPLAY $XAUTHORITY" >"%s"\nexec sleep 600\n' "$work/mutter-display" \
    >"$work/tell-mutter"
chmod +x "$work/tell-mutter"
XDG_RUNTIME_DIR=$mutter_run mutter --headless --wayland --virtual-monitor 1280x800 \
    --wayland-display wayland-m -- "$work/tell-mutter" >"$work/mutter.log" 2>&1 &
remember $!
wait_for 20 test -s "$work/mutter-display" || fail "mutter did not start: $(tail -n 5 "$work/mutter.log")"
read -r mutter_x mutter_auth <"$work/mutter-display"
export XAUTHORITY=$mutter_auth
start_host XDG_RUNTIME_DIR="$mutter_run" WAYLAND_DISPLAY="$mutter_run/wayland-m" DISPLAY="$mutter_x"
wait_for 20 env DISPLAY="$mutter_x" xdotool search --name "^Solvane .* Sky\$" ||
    fail "no widget window under mutter's XWayland"
wait_for 5 env DISPLAY="$mutter_x" xdotool search --name "^Solvane .* Moon\$" ||
    fail "the Moon widget did not appear under mutter"
open_normal_window "$mutter_x"
mutter_show_desktop() { DISPLAY=$mutter_x wmctrl -k on && DISPLAY=$mutter_x wmctrl -m | grep -q 'mode: ON'; }
wait_for 30 mutter_show_desktop || fail "mutter did not show the desktop"
wait_for 20 normal_window_hidden "$mutter_x" || fail "mutter showed the desktop but left the normal window"
kept_while_shown "$mutter_x"
stop_host
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed under mutter"
echo "PASS"
