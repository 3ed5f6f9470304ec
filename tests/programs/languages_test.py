#!/usr/bin/env python3
"""The programs in each language Solvane speaks, where it is spoken.

For every catalogue, the text board of a first start in a city of that
language (its zone's place, its starter countdowns) is in that language: no
English heading or unit is left, and the days left take the language's
plural forms (Russian день/дня/дней for 1, 2, 5, 11, 21 and 22; Polish
dzień/dni; Japanese and Turkish one form for all). The widgets' spoken descriptions follow the same catalogue.
With SOLVANE_SCREENSHOT_DIR set, the four widgets are also rendered there in
German, Russian and Japanese, to be looked at.

usage: languages_test.py BOARD WIDGETS PLUGIN TRANSLATIONS INFO
"""
import json
import os
import re
import sqlite3
import subprocess
import sys
import tempfile

BOARD, WIDGETS, PLUGIN, TRANSLATIONS, INFO = sys.argv[1:6]
SHOTS = os.environ.get("SOLVANE_SCREENSHOT_DIR", "")

# Noon on Sunday 20 December 2026 in each city; Apple's reference date is
# 2001-01-01T00:00:00Z.
REFERENCE = 978307200
AT_UNIX = 1797764400  # 2026-12-20T12:00:00Z

# Where each language is spoken, and what its board must and must not say.
LANGUAGES = {
    "de": ("Europe/Berlin", "de_DE", "SONNE"),
    "fr": ("Europe/Paris", "fr_FR", "SOLEIL"),
    "es": ("Europe/Madrid", "es_ES", "SOL"),
    "it": ("Europe/Rome", "it_IT", "SOLE"),
    "pt_BR": ("America/Sao_Paulo", "pt_BR", "SOL"),
    "ru": ("Europe/Moscow", "ru_RU", "СОЛНЦЕ"),
    "ja": ("Asia/Tokyo", "ja_JP", "太陽"),
    "zh_CN": ("Asia/Shanghai", "zh_CN", "太阳"),
    "pl": ("Europe/Warsaw", "pl_PL", "SŁOŃCE"),
    "nl": ("Europe/Amsterdam", "nl_NL", "ZON"),
    "tr": ("Europe/Istanbul", "tr_TR", "GÜNEŞ"),
    "uk": ("Europe/Kyiv", "uk_UA", "СОНЦЕ"),
    "ko": ("Asia/Seoul", "ko_KR", "해"),
    "sv": ("Europe/Stockholm", "sv_SE", "SOL"),
    "cs": ("Europe/Prague", "cs_CZ", "SLUNCE"),
}
ENGLISH = re.compile(r"\b(SUN|MOON|Sunrise|Sunset|Weather unavailable|days?|Golden hour)\b")

# Days left → the unit word the board prints under the number.
PLURALS = {
    "ru": {1: "день", 2: "дня", 5: "дней", 11: "дней", 21: "день", 22: "дня"},
    "de": {1: "Tag", 2: "Tage", 5: "Tage", 21: "Tage"},
    "fr": {1: "jour", 2: "jours", 21: "jours"},
    "ja": {1: "日", 2: "日", 5: "日", 21: "日"},
    "zh_CN": {1: "天", 2: "天", 21: "天"},
    "pl": {1: "dzień", 2: "dni", 5: "dni", 22: "dni"},
    "uk": {1: "день", 2: "дні", 5: "днів", 11: "днів", 21: "день", 22: "дні"},
    "nl": {1: "dag", 2: "dagen", 21: "dagen"},
    "tr": {1: "gün", 2: "gün", 21: "gün"},
}

failures = []


def environment(home, language, zone, locale):
    env = dict(os.environ)
    env.update({
        "LANG": locale + ".UTF-8", "LC_ALL": "", "LANGUAGE": "",
        "TZ": zone,
        "HOME": home,
        "XDG_CONFIG_HOME": os.path.join(home, "config"),
        "XDG_DATA_HOME": os.path.join(home, "data"),
        "XDG_CACHE_HOME": os.path.join(home, "cache"),
        "XDG_RUNTIME_DIR": home,
        "SOLVANE_CALENDAR_DIRS": os.path.join(home, "calendars"),
        "SOLVANE_INFO": INFO,
        "SOLVANE_TRANSLATIONS": TRANSLATIONS,
        "SOLVANE_WIDGETS_PLUGIN": PLUGIN,
        "SOLVANE_OPEN_METEO_URL": "http://127.0.0.1:9",
        "SOLVANE_WEATHERKIT_URL": "http://127.0.0.1:9",
        "SOLVANE_NOMINATIM_URL": "http://127.0.0.1:9",
        "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(home, "no-bus"),
        "QT_QPA_PLATFORM": "offscreen",
    })
    return env


def run(env, program, *args):
    done = subprocess.run([program, *args], env=env, capture_output=True, text=True,
                          timeout=60)
    if done.returncode != 0:
        failures.append(f"{os.path.basename(program)} {' '.join(args)} exited "
                        f"{done.returncode}: {done.stderr}")
    return done.stdout


def add_countdowns(home, days):
    """Countdowns named N<days>, each that many days after the test's noon."""
    db = os.path.join(home, "config", "solvane", "preferences.sqlite")
    if not os.path.exists(db):
        db = next(os.path.join(root, "preferences.sqlite")
                  for root, _, files in os.walk(os.path.join(home, "config"))
                  if "preferences.sqlite" in files)
    countdowns = [{"label": f"N{n}", "start": {"fixed": {"_0": AT_UNIX + n * 86400 - REFERENCE}}}
                  for n in days]
    with sqlite3.connect(db) as c:
        c.execute("insert or replace into preferences(key, value) values (?, ?)",
                  ("countdowns.v1", json.dumps(countdowns)))


# Every catalogue built is checked here, so a new one needs its city above; a
# language whose catalogue is not in this tree yet has nothing to check.
built = {name[len("solvane_"):-len(".qm")] for name in os.listdir(TRANSLATIONS)
         if name.startswith("solvane_") and name.endswith(".qm")} - {"en_XA"}
for language in sorted(built - set(LANGUAGES)):
    failures.append(f"{language}: a catalogue with no city in LANGUAGES")

for language, (zone, locale, sun) in LANGUAGES.items():
    if language not in built:
        continue
    home = tempfile.mkdtemp()
    env = environment(home, language, zone, locale)
    at = "2026-12-20T12:00:00Z"
    board = run(env, BOARD, "--offline", "--at", at)
    if sun not in board:
        failures.append(f"{language}: no {sun!r} heading in\n{board}")
    if ENGLISH.search(board):
        failures.append(f"{language}: English left in\n{board}")

    if SHOTS and language in ("de", "ru", "ja"):
        for kind, size in (("Solvane", "extraLarge"), ("Sky", "large"),
                           ("Countdowns", "medium"), ("Moon", "small")):
            out = os.path.join(SHOTS, f"widget-{language}-{kind.lower()}-{size}.png")
            run(env, WIDGETS, "--render", kind, "--size", size, "--at", at, "--scale", "2",
                "--style", "dark", "--out", out)

    if language in PLURALS:
        add_countdowns(home, list(PLURALS[language]))
        board = run(env, BOARD, "--offline", "--at", at)
        for n, unit in PLURALS[language].items():
            row = re.search(rf"N{n}\s+{n}\s*(\S+)", board)
            if row is None or row.group(1) != unit:
                failures.append(f"{language}: {n} → {row.group(1) if row else None!r}, "
                                f"not {unit!r}, in\n{board}")

    if os.environ.get("SOLVANE_TEST_TRACE"):
        print(language, board, sep="\n")
    spoken = run(env, WIDGETS, "--render", "Solvane", "--size", "extraLarge", "--at", at,
                 "--describe")
    if ENGLISH.search(spoken):
        failures.append(f"{language}: English left in the description {spoken!r}")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("ok")
