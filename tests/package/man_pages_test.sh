#!/usr/bin/env bash
# Holds the manual pages to the programs' option tables: every command has
# an entry in its program's page, every option is written in bold in the
# entry of each command that takes it (in OPTIONS for the program without a
# command; an option every command takes may be written there once), and
# every SOLVANE_ variable the sources read is in some page.
#   man_pages_test.sh SOLVANE_OPTIONS SOURCE_DIR PAGE.scd...
set -euo pipefail
options_tool=$1 source_dir=$2
shift 2
status=0
missing() { echo "man-pages: $*" >&2; status=1; }

listing=$("$options_tool" list)
for page in "$@"; do
  program=$(basename "$page" .1.scd)
  grep -q "^$program	" <<<"$listing" || missing "$program has no option table"
  # The lines of one entry: from its bold term at the start of a line to the
  # next term or section.
  entry() {
    awk -v term="$1" '
      index($0, term) == 1 { inside = 1; print; next }
      inside && (/^\*/ || /^#/) { exit }
      inside { print }' "$page"
  }
  options_section=$(awk '/^# OPTIONS/ { inside = 1; next } /^# / { inside = 0 } inside' "$page")
  commands=$(awk -F'\t' -v p="$program" '$1 == p && $3 == "-" { n++ } END { print n }' <<<"$listing")
  while IFS=$'\t' read -r prog command option alias _; do
    [ "$prog" = "$program" ] || continue
    if [ "$option" = "-" ]; then
      [ "$command" = "-" ] || [ -n "$(entry "*$command*")" ] ||
        missing "$page has no entry for the command $command"
      continue
    fi
    shared=$(awk -F'\t' -v p="$program" -v o="$option" '$1 == p && $3 == o { n++ } END { print n }' \
      <<<"$listing")
    for word in "$option" "$alias"; do
      [ "$word" = "-" ] && continue
      if [ "$command" = "-" ] || [ "$shared" = "$commands" ]; then
        grep -qF -- "*$word*" <<<"$options_section" ||
          missing "$page: OPTIONS does not show $word"
      else
        grep -qF -- "*$word*" <<<"$(entry "*$command*")" ||
          missing "$page: the entry of $command does not show $word"
      fi
    done
  done <<<"$listing"
done

for variable in $(grep -rhoE '"SOLVANE_[A-Z_]+"' "$source_dir/src" --include='*.cpp' --include='*.h' |
                  tr -d '"' | sort -u); do
  grep -qF -- "*$variable*" "$@" || missing "no manual page explains $variable"
done
exit $status
