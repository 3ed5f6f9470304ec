#!/usr/bin/env bash
# Checks the Debian package with lintian, then unpacks it into a scratch root
# (as dpkg would lay it out, without installing it) and runs the programs from
# there, so the package is checked for what it declares, what it holds and
# that its programs find their plug-in and Info.json beside themselves.
set -euo pipefail
deb="$1"
fail() { echo "package-test: $*" >&2; exit 1; }

[ -f "$deb" ] || fail "no package at $deb"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"

control=$(dpkg-deb --field "$deb" Package Version Depends)
for dep in libqt6widgets6 libqt6gui6 libcurl4 libical3 libsqlite3-0 libssl3 libicu72 \
           libabsl20220623 tzdata fonts-inter fonts-roboto-unhinted fonts-material-design-icons-iconfont libqt6svg6; do
  grep -q "$dep" <<<"$control" || fail "Depends does not name $dep"
done

# No lintian error, and no warning the packaging does not override with a
# comment saying why.
command -v lintian >/dev/null || fail "lintian is missing (scripts/install-deps installs it)"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" ||
  fail "lintian found the problems above in $(basename "$deb")"

dpkg -x "$deb" "$root"
overrides="$root/usr/share/lintian/overrides/solvane"
if [ -s "$overrides" ]; then
  awk '/^[[:space:]]*$/ { said = 0; next }
       /^#/ { said = 1; next }
       !said { print "package-test: lintian override without a comment: " $0; bad = 1 }
       END { exit bad }' "$overrides" >&2 || exit 1
fi
for f in usr/bin/solvane usr/bin/solvane-board usr/bin/solvane-widgets \
         usr/lib/solvane/plugins/libsolvane-widgets.so usr/share/solvane/Info.json \
         usr/share/applications/org.solvane.Solvane.desktop \
         usr/share/applications/org.solvane.Widgets.desktop \
         usr/share/icons/hicolor/scalable/apps/org.solvane.Solvane.svg \
         usr/share/metainfo/org.solvane.Solvane.metainfo.xml \
         etc/xdg/autostart/org.solvane.Widgets.desktop \
         usr/share/doc/solvane/copyright usr/share/doc/solvane/changelog.gz \
         usr/share/man/man1/solvane.1.gz usr/share/man/man1/solvane-board.1.gz \
         usr/share/man/man1/solvane-widgets.1.gz \
         usr/share/bash-completion/completions/solvane-board \
         usr/share/zsh/vendor-completions/_solvane-board \
         usr/share/fish/vendor_completions.d/solvane-board.fish; do
  [ -e "$root/$f" ] || fail "missing /$f"
done
grep -q '^Exec=solvane-widgets$' "$root/etc/xdg/autostart/org.solvane.Widgets.desktop" ||
  fail "the autostart entry does not start the widget host"

# A home of its own, and no way out to the network.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"
export XDG_DATA_HOME="$scratch/home/.local/share" XDG_CACHE_HOME="$scratch/home/.cache"
export SOLVANE_OPEN_METEO_URL=http://127.0.0.1:9 SOLVANE_WEATHERKIT_URL=http://127.0.0.1:9
export QT_QPA_PLATFORM=offscreen
unset SOLVANE_INFO SOLVANE_WIDGETS_PLUGIN

help=$(timeout 30 "$root/usr/bin/solvane-board" --help)
grep -q "solvane-board" <<<"$help" || fail "solvane-board --help printed: $help"

png="$scratch/moon.png"
timeout 60 "$root/usr/bin/solvane-widgets" --render Moon --size small --entry placeholder \
  --scale 2 --out "$png"
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
  fail "the widget render is not a PNG"
[ "$(stat -c %s "$png")" -gt 1000 ] || fail "the widget render is suspiciously small"

# The programs found the package's own Info.json: the store was made under
# the application group it names.
group=$(sed -n 's/.*"AppGroup": *"\([^"]*\)".*/\1/p' "$root/usr/share/solvane/Info.json")
timeout 30 "$root/usr/bin/solvane-board" --offline >/dev/null
[ -d "$XDG_CONFIG_HOME/$group" ] || fail "no store under $XDG_CONFIG_HOME/$group"

echo "package-test: $(basename "$deb") passes lintian, unpacks, declares its dependencies, and its programs run"
