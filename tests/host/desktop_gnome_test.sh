#!/usr/bin/env bash
# The widget host on GNOME Shell 43 (Wayland, headless), started once, with
# the Qt platform settings people have: QT_QPA_PLATFORM=wayland must not turn
# the widgets into ordinary windows (GNOME has no layer-shell, so they go
# through XWayland, and the host says so once), the default keeps them there
# too, and only without XWayland are they plain windows, with a message.
# What GNOME Shell thinks of each window is asked through its Eval interface,
# which a test-only extension opens.
#
#   desktop_gnome_test.sh SOLVANE_WIDGETS
set -euo pipefail
[ -n "${SOLVANE_TEST_TRACE:-}" ] && set -x

host=$1
source "$(dirname "$0")/desktop_test_lib.sh"
require_tools gnome-shell Xwayland xmessage gdbus dbus-daemon dbus-run-session
# XWayland puts its sockets in /tmp/.X11-unix, and GNOME Shell, stopped,
# leaves them there: a private one, in a mount namespace of this test's own,
# where that can be made; the shared one otherwise, which must then be
# world-writable.
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
# A session bus without service files: GNOME Shell would start the
# calendar server and Evolution's services on it, which nothing here needs.
if [ -z "${SOLVANE_TEST_IN_SESSION:-}" ]; then
    bus_conf=$(mktemp)
    cat >"$bus_conf" <<'XML'
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
XML
    status=0
    dbus-run-session --config-file="$bus_conf" -- env SOLVANE_TEST_IN_SESSION=1 "$0" "$@" || status=$?
    rm -f "$bus_conf"
    exit "$status"
fi
begin_test_home
place_two_widgets

# The system bus GNOME Shell insists on: a private one, with nothing on it.
cat >"$work/system-bus.conf" <<XML
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/system_bus</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
XML
dbus-daemon --config-file="$work/system-bus.conf" --nofork >"$work/system-bus.log" 2>&1 &
remember $!
wait_for 10 test -S "$work/system_bus" || fail "the private system bus did not start"
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system_bus

# GNOME 43 has no flag for its unsafe mode: an extension sets it, which
# opens org.gnome.Shell.Eval and Screenshot. Enabled through the keyfile
# settings backend, so that no dconf service is needed.
uuid=solvane-test-eval@solvane.org
mkdir -p "$XDG_DATA_HOME/gnome-shell/extensions/$uuid" "$XDG_CONFIG_HOME/glib-2.0/settings"
cat >"$XDG_DATA_HOME/gnome-shell/extensions/$uuid/metadata.json" <<JSON
{"uuid": "$uuid", "name": "Eval for tests", "description": "Opens Eval", "shell-version": ["43"]}
JSON
cat >"$XDG_DATA_HOME/gnome-shell/extensions/$uuid/extension.js" <<'JS'
function init() {
    return {
        enable() { global.context.unsafe_mode = true; },
        disable() { global.context.unsafe_mode = false; },
    };
}
JS
printf "[org/gnome/shell]\nenabled-extensions=['%s']\n" "$uuid" \
    >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"

echo "== GNOME Shell"
GSETTINGS_BACKEND=keyfile gnome-shell --headless --wayland --virtual-monitor 1920x1080 \
    --wayland-display wayland-g >"$work/shell.log" 2>&1 &
remember $!

# A JavaScript expression's value in GNOME Shell, as a bare string.
shell_eval() {
    # gdbus reads its arguments as GVariant text: the code goes as a quoted
    # string, or its own quotes would be taken for that.
    local code=${1//\\/\\\\} reply
    code=${code//\'/\\\'}
    reply=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "'$code'" 2>/dev/null) || return 1
    sed -n "s/^(true, '\"\\(.*\\)\"')\$/\\1/p" <<<"$reply" | grep . || {
        echo "$reply" >"$work/eval.log"
        return 1
    }
}
wait_for 60 shell_eval '"up"' || fail "GNOME Shell did not start: $(grep -v '^$' "$work/shell.log" | tail -n 5)"
read -r shell_x shell_auth <<<"$(shell_eval 'imports.gi.GLib.getenv("DISPLAY") + " " + imports.gi.GLib.getenv("XAUTHORITY")')"
[ -n "$shell_auth" ] || fail "GNOME Shell started no XWayland"
export XAUTHORITY=$shell_auth
# The overview GNOME opens with hides the desktop; the user closes it.
shell_eval 'imports.ui.main.overview.hide(), "hidden"' >/dev/null
# A normal window over a corner of the Sky widget.
DISPLAY=$shell_x xmessage -geometry 420x160+600+360 -title "A normal window" \
    "A normal window, above the widgets" >/dev/null 2>&1 &
remember $!

widget_js='global.get_window_actors().map(a => a.meta_window).filter(w => /^Solvane .* (Moon|Sky)$/.test(w.get_title() || ""))'
widgets_shown() { [ "$(shell_eval "String(($widget_js).length)")" = "$1" ]; }

# Everything GNOME Shell says of the widgets that makes them desktop windows,
# or what it says otherwise; "ok" when all holds.
desktop_facts_js=$(cat <<JS
(() => {
    const { Meta, Shell } = imports.gi;
    const widgets = $widget_js;
    const said = [];
    if (widgets.length !== 2) said.push(widgets.length + " widget windows");
    const isWidget = w => widgets.includes(w);
    const manager = global.workspace_manager;
    if (manager.n_workspaces < 2) manager.append_new_workspace(false, global.get_current_time());
    const normal = global.get_window_actors().map(a => a.meta_window)
        .find(w => w.get_title() === "A normal window");
    const places = { Moon: [100, 120], Sky: [400, 80] };
    for (const w of widgets) {
        const name = w.get_title().replace(/.* /, "");
        if (w.get_client_type() !== Meta.WindowClientType.X11) said.push(name + " is not an X11 window");
        if (w.get_window_type() !== Meta.WindowType.DESKTOP) said.push(name + " is of type " + w.get_window_type());
        if (!w.is_on_all_workspaces()) said.push(name + " is on one workspace");
        for (let i = 0; i < manager.n_workspaces; ++i)
            if (!w.located_on_workspace(manager.get_workspace_by_index(i))) said.push(name + " is not on workspace " + i);
        if (!w.skip_taskbar) said.push(name + " shows in the overview");
        const at = w.get_frame_rect();
        if (at.x !== places[name][0] || at.y !== places[name][1]) said.push(name + " is at " + at.x + "," + at.y);
        /* As a click on it would. */
        w.raise();
        if (normal && global.display.sort_windows_by_stacking([w, normal])[1] !== normal) said.push(name + " is above a normal window");
    }
    if (!normal) said.push("no normal window to compare with");
    if (global.display.get_tab_list(Meta.TabList.NORMAL, null).some(isWidget)) said.push("a widget is in the window switcher");
    if (isWidget(global.display.focus_window)) said.push("a widget has the focus");
    if (Shell.AppSystem.get_default().get_running().some(app => app.get_windows().some(isWidget))) said.push("a widget is in the dash");
    return said.length === 0 ? "ok" : said.join("; ");
})()
JS
)
desktop_facts_js=$(tr '\n' ' ' <<<"$desktop_facts_js")

# The host with extra environment, checked as a desktop; stopped after.
check_desktop_route() {
    local what=$1
    shift
    start_host XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" WAYLAND_DISPLAY=wayland-g DISPLAY="$shell_x" "$@"
    wait_for 30 widgets_shown 2 || fail "$what: the widgets did not appear"
    local facts
    facts=$(shell_eval "$desktop_facts_js") || fail "$what: GNOME Shell did not answer: $(cat "$work/eval.log")"
    [ "$facts" = ok ] || fail "$what: $facts"
}
stop_and_wait() {
    stop_host
    wait_for 10 widgets_shown 0 || fail "the widgets outlived the host"
}

echo "== QT_QPA_PLATFORM=wayland: through XWayland all the same"
check_desktop_route "QT_QPA_PLATFORM=wayland" QT_QPA_PLATFORM=wayland
[ "$(grep -c 'QT_QPA_PLATFORM=wayland names Wayland' "$work/host.log")" = 1 ] ||
    fail "the host did not say once what it did with QT_QPA_PLATFORM=wayland"
if [ -n "${SOLVANE_SCREENSHOT_DIR:-}" ]; then
    # Without the banner the unsafe mode brings.
    shell_eval 'imports.ui.main.messageTray.getSources().forEach(s => s.destroy()), "gone"' >/dev/null
    banner_gone() { [ "$(shell_eval 'String(imports.ui.main.messageTray._banner)')" = null ]; }
    wait_for 5 banner_gone || true
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false \
        "$SOLVANE_SCREENSHOT_DIR/desktop-gnome.png" >/dev/null
fi
stop_and_wait

echo "== no QT_QPA_PLATFORM: through XWayland, and nothing said"
check_desktop_route "the default route"
grep -q 'QT_QPA_PLATFORM' "$work/host.log" && fail "the default route said something: $(grep QT_QPA "$work/host.log")"
stop_and_wait

echo "== no XWayland: plain windows, and the host says why"
start_host XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" WAYLAND_DISPLAY=wayland-g DISPLAY= QT_QPA_PLATFORM=wayland
wait_for 30 widgets_shown 2 || fail "without XWayland the widgets did not appear as windows"
grep -q 'no XWayland' "$work/host.log" || fail "the host did not say why the widgets are windows"
stop_and_wait
cmp -s "$placed" "$work/placed.before" || fail "widgets.json changed under GNOME Shell"
echo "PASS"
