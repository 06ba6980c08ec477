#!/usr/bin/env bash
# Runs one script case through vrex-script in a fresh profile folder and
# compares what it printed (NAME.out), the export file it wrote (NAME.csv)
# and the snapshots it took (NAME.SNAP.png) with the kept copies.
#
# Directives in the script's comments:
#   #! no-documents-folder   the profile has no "My Documents" folder
#   #! exit N                the driver must exit with N (default 0)
# NAME.before.csv, when present, is put in place as an earlier export file.
# UPDATE=1 rewrites the kept copies from this run.
set -uo pipefail

driver=$(realpath "$1")
case_file=$(realpath "$2")
dir=$(cd "$(dirname "$case_file")" && pwd)
name=$(basename "$case_file" .vrs)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export USERPROFILE="$work/profile"
mkdir -p "$USERPROFILE"
docs="$USERPROFILE/My Documents"
grep -q '^#! no-documents-folder' "$case_file" || mkdir -p "$docs"
[ -f "$dir/$name.before.csv" ] && cp "$dir/$name.before.csv" "$docs/Vrex-CAD-float.csv"
expected_exit=$(sed -n 's/^#! exit \([0-9]*\)/\1/p' "$case_file")
expected_exit=${expected_exit:-0}

(cd "$work" && "$driver" "$case_file" >"$work/stdout" 2>"$work/stderr")
status=$?
failed=0
# The profile folder differs from run to run.
sed -i "s|$work|<work>|g" "$work/stdout"

if [ "$status" -ne "$expected_exit" ]; then
  echo "exit status $status, expected $expected_exit"; cat "$work/stderr"; failed=1
fi

check() { # kept actual what
  if [ "${UPDATE:-0}" = 1 ]; then cp "$2" "$1"; return; fi
  if [ ! -f "$1" ]; then echo "missing kept copy $1 of $3"; failed=1; return; fi
  if ! cmp -s "$1" "$2"; then
    echo "$3 differs from $(basename "$1"):"
    case "$1" in *.png) ;; *) diff -u "$1" "$2" | cat -A | head -60 ;; esac
    failed=1
  fi
}

check "$dir/$name.out" "$work/stdout" "the driver's output"

export_file="$docs/Vrex-CAD-float.csv"
if grep -q '^#! no-documents-folder' "$case_file"; then
  created=$(find "$USERPROFILE" -mindepth 1 | head -5)
  [ -n "$created" ] && { echo "created in the profile: $created"; failed=1; }
elif [ -f "$export_file" ] && { [ -f "$dir/$name.csv" ] || [ -f "$dir/$name.before.csv" ] || [ "${UPDATE:-0}" = 1 ]; }; then
  check "$dir/$name.csv" "$export_file" "the export file"
elif [ -f "$export_file" ]; then
  echo "an export file was written but no $name.csv is kept"; failed=1
elif [ -f "$dir/$name.csv" ]; then
  echo "no export file written"; failed=1
fi

for shot in "$work"/*.png; do
  [ -e "$shot" ] || continue
  check "$dir/$name.$(basename "$shot")" "$shot" "snapshot $(basename "$shot")"
done

exit $failed
