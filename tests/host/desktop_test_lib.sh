# What the desktop tests share, sourced by each after `set -euo pipefail`:
#
#   source "$(dirname "$0")/desktop_test_lib.sh"
#   require_tools Xvfb openbox …     # or skip (exit 77)
#   in_private_session "$@"          # re-runs the script under dbus-run-session
#   begin_test_home                  # $work, scratch XDG folders, $placed
#
# Every process started with `remember` is stopped at exit.

require_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
}

# Everything after this shares one private session bus.
in_private_session() {
    if [ -z "${SOLVANE_TEST_IN_SESSION:-}" ]; then
        exec dbus-run-session -- env SOLVANE_TEST_IN_SESSION=1 "$0" "$@"
    fi
}

pids=()
remember() { pids+=("$1"); }
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}

begin_test_home() {
    work=$(mktemp -d)
    chmod 755 "$work"
    trap cleanup EXIT
    export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
    export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
    export SOLVANE_OPEN_METEO_URL=http://127.0.0.1:9
    export SOLVANE_WEATHERKIT_URL=http://127.0.0.1:9 SOLVANE_NOMINATIM_URL=http://127.0.0.1:9
    # A locale every system has, so the tools print and match titles as UTF-8.
    export TZ=America/New_York LANG=C.UTF-8
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM WAYLAND_DEBUG
    mkdir -p "$HOME" "$XDG_CONFIG_HOME/solvane" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
        "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    placed=$XDG_CONFIG_HOME/solvane/widgets.json
}

fail() {
    echo "FAIL: $*"
    echo "-- host log:"
    grep -v '^\[' "$work/host.log" 2>/dev/null | tail -n 20 || true
    exit 1
}

# Polls a command until it succeeds. $1 is the seconds it takes on an idle
# machine; it is given three times that, since a busy one (a build beside the
# tests) starts compositors and shells several times slower, and a wait that
# succeeds returns at once.
wait_for() {
    local seconds=$(($1 * 3))
    shift
    for _ in $(seq $((seconds * 10))); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Two widgets: Moon (small, dark) at 100,120 and Sky (large) at 400,80; a
# copy in $work/placed.before to compare with.
place_two_widgets() {
    cat >"$placed" <<'JSON'
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
JSON
    cp "$placed" "$work/placed.before"
}

host_pid=
# The host with extra environment NAME=VALUE pairs, logging to a fresh
# $work/host.log.
start_host() {
    : >"$work/host.log"
    env "$@" "$host" >>"$work/host.log" 2>&1 &
    host_pid=$!
    remember "$host_pid"
}
stop_host() {
    kill "$host_pid"
    wait "$host_pid" 2>/dev/null || true
}
