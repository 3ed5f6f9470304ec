#!/usr/bin/env bash
# Runs window_fit_test on screens of the sizes people have: a 1280 × 720 and
# a 1366 × 768 laptop and a 1920 × 1080 monitor, each an Xvfb with openbox
# (so the window gets a real frame) and a private session bus.
#
#   window_fit_test.sh WINDOW_FIT_TEST
set -euo pipefail
test_binary=$1
for tool in Xvfb openbox wmctrl dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

for size in 1280x720 1366x768 1920x1080; do
    echo "== $size"
    work=$(mktemp -d)
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    exec 3>&-
    display=:$(head -n1 "$work/display")
    DISPLAY=$display openbox >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do DISPLAY=$display wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
    status=0
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb TZ=America/New_York LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
        HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
        dbus-run-session -- "$test_binary" || status=$?
    kill "$wm" "$xvfb" 2>/dev/null || true
    wait "$wm" "$xvfb" 2>/dev/null || true
    rm -rf "$work"
    [ "$status" -eq 0 ] || exit "$status"
done
