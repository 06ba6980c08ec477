#!/usr/bin/env bash
# vrex-script refuses what it cannot read or run: a folder, a file it may not
# read, a number that is not finite or beyond range. Each is exit 2 with the
# reason on stderr, and nothing of the script runs.
set -uo pipefail

driver=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

expect() { # what expected-stderr file...
  local what=$1 expected=$2
  shift 2
  "$driver" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  grep -v '^QStandardPaths' "$work/err" >"$work/err.kept"
  if [ "$status" -ne 2 ] || [ "$(cat "$work/err.kept")" != "$expected" ] || [ -s "$work/out" ]; then
    echo "$what: exit $status, stderr:"; cat "$work/err.kept"; echo "stdout:"; cat "$work/out"
    echo "expected exit 2 and: $expected"
    failed=1
  fi
}

mkdir "$work/folder.vrs"
expect "a folder" "cannot read $work/folder.vrs: it is a folder" "$work/folder.vrs"
expect "a missing file" "cannot read $work/none.vrs: No such file or directory" "$work/none.vrs"
if [ "$(id -u)" -ne 0 ]; then # root reads whatever the mode says
  echo dump >"$work/locked.vrs"
  chmod 000 "$work/locked.vrs"
  expect "a file without read permission" "cannot read $work/locked.vrs: Permission denied" "$work/locked.vrs"
fi

while IFS='|' read -r line reason; do
  printf '%s\ndump\n' "$line" >"$work/bad.vrs"
  expect "$line" "line 1: $reason" "$work/bad.vrs"
done <<'CASES'
move inf 2|not a finite number: inf
move 2 -inf|not a finite number: -inf
down nan 2 1|not a finite number: nan
tap 1 2 infinity|not a finite number: infinity
clock 1e400|number out of range: 1e400
advance -2e9|number out of range: -2e9
formmove 1000000001 3|number out of range: 1000000001
move 1,5 2|not a number: 1,5
CASES

exit $failed
