#!/usr/bin/env bash
# One Solvane window per session: a second start asks the running one to
# come forward and leaves at once, on a private session bus.
#
#   single_instance_test.sh SOLVANE
set -euo pipefail
app=$1
for tool in dbus-run-session dbus-send; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
if [ -z "${SOLVANE_TEST_IN_SESSION:-}" ]; then
    exec dbus-run-session -- env SOLVANE_TEST_IN_SESSION=1 "$0" "$@"
fi

work=$(mktemp -d)
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=offscreen TZ=America/New_York LANG=C.UTF-8
export SOLVANE_OPEN_METEO_URL=http://127.0.0.1:9 SOLVANE_WEATHERKIT_URL=http://127.0.0.1:9
export SOLVANE_NOMINATIM_URL=http://127.0.0.1:9
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$app" >"$work/first.log" 2>&1 &
first=$!
trap 'kill $first 2>/dev/null || true; rm -rf "$work"' EXIT

owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.solvane.Solvane | grep -q "boolean true"
}
for _ in $(seq 100); do owned && break; sleep 0.1; done
owned || { echo "FAIL: the first window never took its name"; cat "$work/first.log"; exit 1; }

# A second window that stayed would be ended by the timeout, and fail.
timeout 10 "$app" >"$work/second.log" 2>&1 || { echo "FAIL: the second start did not leave cleanly"; exit 1; }
kill -0 "$first" || { echo "FAIL: the first window went away"; exit 1; }
echo "PASS"
