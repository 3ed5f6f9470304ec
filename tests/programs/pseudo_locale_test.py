#!/usr/bin/env python3
"""Nothing the programs say is left out of the catalogues.

The programs run in the pseudo-locale en_XA, whose catalogue writes every
text "［…］" with accented letters and no plain ASCII letter. Whatever they
then print with a word of plain ASCII letters did not pass through a
catalogue, unless it is data the test put in (the countdown's label, the
place), a name that stays as it is (Solvane, Open-Meteo) or a date in the
locale's own words (ICU's, which has no pseudo-locale: its English names).

usage: pseudo_locale_test.py BOARD WIDGETS PLUGIN TRANSLATIONS INFO
"""
import json
import os
import re
import subprocess
import sys
import tempfile

BOARD, WIDGETS, PLUGIN, TRANSLATIONS, INFO = sys.argv[1:6]

# What may stand outside the brackets.
DATA = {"Zed", "Qux"}
NAMES = {"Solvane", "Open", "Meteo"}
CALENDAR_WORDS = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
    "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat",
    "January", "February", "March", "April", "May", "June", "July", "August",
    "September", "October", "November", "December",
    "Jan", "Feb", "Mar", "Apr", "Jun", "Jul", "Aug", "Sep", "Sept", "Oct", "Nov", "Dec",
}
ALLOWED = DATA | NAMES | CALENDAR_WORDS

WORD = re.compile(r"[A-Za-z]{2,}")

failures = []


# The catalogue's texts hold no plain ASCII letter at all; what has one came
# from elsewhere: an argument put into a translated pattern (allowed when it
# is data, a name or a date) or a text that never met a catalogue.
def check(what, text):
    stray = sorted({w for w in WORD.findall(text) if w not in ALLOWED})
    if stray:
        failures.append(f"{what}: {stray} in {text!r}")


scratch = tempfile.mkdtemp()
env = dict(os.environ)
env.update({
    "LANG": "en_XA.UTF-8", "LC_ALL": "", "LANGUAGE": "",
    "TZ": "America/New_York",
    "HOME": scratch,
    "XDG_CONFIG_HOME": os.path.join(scratch, "config"),
    "XDG_DATA_HOME": os.path.join(scratch, "data"),
    "XDG_CACHE_HOME": os.path.join(scratch, "cache"),
    "XDG_RUNTIME_DIR": scratch,
    "SOLVANE_CALENDAR_DIRS": os.path.join(scratch, "calendars"),
    "SOLVANE_INFO": INFO,
    "SOLVANE_TRANSLATIONS": TRANSLATIONS,
    "SOLVANE_WIDGETS_PLUGIN": PLUGIN,
    "SOLVANE_OPEN_METEO_URL": "http://127.0.0.1:9",
    "SOLVANE_WEATHERKIT_URL": "http://127.0.0.1:9",
    "SOLVANE_NOMINATIM_URL": "http://127.0.0.1:9",
    "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(scratch, "no-bus"),
    "QT_QPA_PLATFORM": "offscreen",
})


def run(program, *args):
    done = subprocess.run([program, *args], env=env, capture_output=True, text=True, timeout=60)
    if done.returncode != 0:
        failures.append(f"{os.path.basename(program)} {' '.join(args)} exited "
                        f"{done.returncode}: {done.stderr}")
    return done.stdout


# A countdown of the test's own, happening now, and one ahead, at a place of
# its own; the first run of the board makes the store.
at = "2026-12-20T12:00:00-05:00"
run(BOARD, "--offline", "--at", at)
countdowns = [
    {"label": "Zed", "start": {"fixed": {"_0": 787000000}}, "recurs": True},
    {"label": "Zed", "start": {"season": {"_0": 3}}, "end": {"season": {"_0": 0}}},
]
store = subprocess.run(
    ["python3", "-c", """
import json, sqlite3, sys, glob
db = glob.glob(sys.argv[1] + '/config/*/preferences.sqlite')[0]
c = sqlite3.connect(db)
c.execute("insert or replace into preferences(key, value) values (?, ?)", ('countdowns.v1', sys.argv[2]))
c.execute("insert or replace into preferences(key, value) values (?, ?)", ('location.v1', sys.argv[3]))
c.execute("insert or replace into preferences(key, value) values (?, ?)", ('weather.v2', sys.argv[4]))
c.commit()
""", scratch, json.dumps(countdowns),
     json.dumps({"latitude": 40.7, "longitude": -74.0, "name": "Qux"}),
     # The place's weather, an hour old: the board shows it, with every word
     # the weather line has.
     json.dumps({"fetched": 787906800, "latitude": 40.7, "longitude": -74.0,
                 "source": "openMeteo", "requested": "openMeteo", "temperatureC": 3.2,
                 "feelsLikeC": -1.5, "highC": 5, "lowC": -2, "condition": "Partly Cloudy",
                 "symbol": "cloud.sun", "windKph": 17, "windDirection": 225,
                 "cloudCover": 40})],
    capture_output=True, text=True)
if store.returncode != 0:
    failures.append("could not write the store: " + store.stderr)

# Not offline: the weather service cannot be reached, so the place's stored
# weather stands in.
check("board text", run(BOARD, "--at", at))
for bar in ("waybar", "i3blocks", "i3status-rs", "polybar", "plain"):
    out = run(BOARD, "--at", at, "--format", bar)
    if bar in ("waybar", "i3status-rs"):
        for key, value in json.loads(out).items():
            if isinstance(value, str) and key not in ("class", "alt", "icon", "state"):
                check(f"{bar} {key}", re.sub(r"<[^>]+>|&[a-z]+;", " ", value))
    else:
        check(bar, re.sub(r"%\{[^}]*\}", " ", out))

for kind, size in (("Solvane", "extraLarge"), ("Sky", "large"), ("Countdowns", "small"),
                   ("Countdowns", "medium"), ("Moon", "small")):
    check(f"{kind} {size} described",
          run(WIDGETS, "--render", kind, "--size", size, "--at", at, "--describe"))

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("ok")
