#!/usr/bin/env bash
# Runs the generated bash completions as bash-completion does, for partial
# command lines, and checks what they offer.
#   bash_completion_test.sh COMPLETIONS_DIR BIN_DIR
set -uo pipefail
completions=$1 bin=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A store of its own, with one countdown whose ID `remove` must offer.
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export QT_QPA_PLATFORM=offscreen PATH="$bin:$PATH"
id=$(solvane-board add --label Trip --date 2030-05-02) || { echo "cannot add a countdown"; exit 1; }

source /usr/share/bash-completion/bash_completion
for program in solvane solvane-board solvane-widgets; do
  source "$completions/$program" || { echo "$program: the completion does not load"; exit 1; }
done

# What Tab offers at the end of the line, sorted, on one line.
offered() {
  local line=$1 fn
  COMP_LINE=$line COMP_POINT=${#line}
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  fn=$(complete -p "${COMP_WORDS[0]}" | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
  "$fn" "${COMP_WORDS[0]}" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

status=0
while IFS='|' read -r line expected; do
  got=$(offered "$line")
  if [[ $expected == '~'* ]]; then
    [[ " $got " == *" ${expected#\~} "* ]] && continue
  elif [ "$got" = "$expected" ]; then
    continue
  fi
  echo "\"$line\": offered [$got], expected [$expected]"
  status=1
done <<EOF_CASES
solvane-board fo|forecast
solvane-board l|list
solvane-board --format |i3blocks i3status-rs plain polybar waybar
solvane-board --st|--style
solvane-board --style |dark glass light
solvane-board forecast --|--at --help --json --locale --offline --tz
solvane-board add --symbol gif|gift
solvane-board add --label |
solvane-board --tz Europe/Berl|Europe/Berlin
solvane-board holidays --country DE-B|~DE-BY
solvane-board list --locale |~C.utf8
solvane-board remove |~$id
solvane-board frobnicate --|
solvane-widgets --render |Countdowns Forecast Moon Sky Solvane
solvane-widgets --size e|extraLarge
solvane-widgets --show |days hours
solvane-widgets --entry p|placeholder
solvane-widgets --countdowns $id,|~$id,$id
solvane --|--help --help-all --quit-after-first-paint --version
EOF_CASES
exit $status
