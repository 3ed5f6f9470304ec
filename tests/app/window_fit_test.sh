#!/usr/bin/env bash
# Runs window_fit_test on screens of the sizes people have: a 1280 × 720 and
# a 1366 × 768 laptop and a 1920 × 1080 monitor, each an Xvfb with a window
# manager (so the window gets a real frame: openbox's is thin, KWin's has a
# tall title bar and no border) and a private session bus.
#
#   window_fit_test.sh WINDOW_FIT_TEST [WM:SIZE …]
set -euo pipefail
test_binary=$1
shift
screens=("$@")
if [ ${#screens[@]} -eq 0 ]; then
    screens=(openbox:1280x720 openbox:1366x768 openbox:1920x1080 kwin_x11:1280x720
        kwin_x11:1366x768)
fi
for tool in Xvfb openbox kwin_x11 wmctrl dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

for screen in "${screens[@]}"; do
    wm=${screen%%:*}
    size=${screen#*:}
    echo "== $wm, $size"
    work=$(mktemp -d)
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    exec 3>&-
    display=:$(head -n1 "$work/display")
    # A panel's room on the laptops; the monitor keeps it all, so that the
    # window can be exactly its content's size there.
    panel=36
    [ "$size" = 1920x1080 ] && panel=0
    cat >"$work/rc.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>$panel</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML
    status=0
    # The window manager shares the test's session bus: KWin looks for its
    # services there and waits for them otherwise.
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb TZ=America/New_York LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
        HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
        dbus-run-session -- bash -c '
            wm=$1 test_binary=$2 work=$3
            if [ "$wm" = openbox ]; then
                openbox --config-file "$work/rc.xml" >"$work/wm.log" 2>&1 &
            else
                kwin_x11 >"$work/wm.log" 2>&1 &
            fi
            wm_pid=$!
            # Up once it names itself and says it draws frames; wmctrl can
            # hang on a window manager that is still starting.
            for _ in $(seq 200); do
                timeout 2 wmctrl -m 2>/dev/null | grep -q "^Name:" &&
                    xprop -root _NET_SUPPORTED | grep -q _NET_FRAME_EXTENTS && break
                sleep 0.1
            done
            if ! kill -0 "$wm_pid" 2>/dev/null || ! timeout 2 wmctrl -m >/dev/null 2>&1; then
                echo "FAIL: $wm did not start: $(tail -n 5 "$work/wm.log")"
                exit 1
            fi
            # `make screenshots` keeps the picture taken on openbox.
            [ "$wm" = openbox ] || unset SOLVANE_SCREENSHOT_DIR
            status=0
            "$test_binary" || status=$?
            kill "$wm_pid" 2>/dev/null || true
            wait "$wm_pid" 2>/dev/null || true
            exit "$status"' _ "$wm" "$test_binary" "$work" || status=$?
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
    [ "$status" -eq 0 ] || exit "$status"
done
