#!/usr/bin/env bash
# Builds the Debian package from an existing build tree, installs it as a user
# would, starts the installed editor headless, checks its menu entry and manual
# page, then purges it and checks that nothing it installed is left behind.
# Root only (CI runs as root); exits 77, which CTest reads as skipped, otherwise.
# Usage: package_test.sh CPACK BUILD_DIR VERSION APP_ID
set -euo pipefail
cpack=$1 build=$2 version=$3 app_id=$4
package=vrex-graphics

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing a Debian package needs root; CI runs this as root"
  exit 77
fi
for tool in apt-get dpkg-deb desktop-file-validate man; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run tools/install-deps.sh"
done

# Several builds may share this machine: one package install at a time. The
# apt calls below run under this lock, so they must not take it again.
exec 9>/tmp/apt.lock
flock 9

if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q " installed$"; then
  echo "SKIPPED: $package is installed on this machine already, and this test would remove it"
  exit 77
fi

work=$(mktemp -d)
installed=no
cleanup() {
  # A failed check must not leave the package on the machine.
  if [ "$installed" = yes ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "$package" >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300)

# --- The package, from the build tree's own CPack configuration.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb_name="${package}_${version}_$(dpkg --print-architecture).deb"
[ -f "$work/$deb_name" ] || fail "cpack made no $deb_name; it made: $(cd "$work" && echo *.deb)"
deb="$work/$deb_name"

depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *fonts-liberation2* ]] || fail "Depends lacks fonts-liberation2: $depends"
[[ "$depends" == *libqt6widgets6* ]] || fail "Depends lacks the Qt libraries (shlibdeps): $depends"
for field in Maintainer Section Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field"
done

# Paths as installed, without the leading "." and trailing "/".
mapfile -t paths < <(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\.||; s|/$||' | grep -v '^$')
mapfile -t files < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\.||')
doc=/usr/share/doc/$package
entry=/usr/share/applications/$app_id.desktop
page=/usr/share/man/man1/$package.1.gz
for wanted in /usr/bin/$package "$entry" "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" "$page" \
  "$doc/README.md" "$doc/copyright"; do
  printf '%s\n' "${files[@]}" | grep -qxF "$wanted" || fail "the package lacks $wanted"
done
strays=$(printf '%s\n' "${files[@]}" | grep -E '^/usr/bin/' | grep -vxF "/usr/bin/$package" || true)
[ -z "$strays" ] || fail "the package installs programs besides the editor: $strays"

# What was there before belongs to others and must stay after the purge.
declare -A before=()
for p in "${paths[@]}"; do
  [ -e "$p" ] && before[$p]=1
done

# --- Install it as the README says.
installed=yes
(cd "$work" && "${apt[@]}" install --no-install-recommends "./$deb_name") >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "apt-get install ./$deb_name failed"; }
dpkg-query -W -f='${Status}' "$package" | grep -q " installed$" || fail "$package is not installed after apt-get"

# The installed editor, found on PATH as the menu entry starts it, runs its
# start-up and quits once idle.
mkdir "$work/home"
(cd "$work/home" && env -i PATH=/usr/bin:/bin HOME="$work/home" QT_QPA_PLATFORM=offscreen \
  VREX_QUIT_WHEN_IDLE=1 timeout 60 "$package") >"$work/run.log" 2>&1 ||
  { status=$?; cat "$work/run.log"; fail "the installed editor did not start and quit cleanly (status $status)"; }

validation=$(desktop-file-validate "$entry" 2>&1) || true
[ -z "$validation" ] || fail "desktop-file-validate $entry: $validation"
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ "$(command -v "$exec_cmd")" = "/usr/bin/$package" ] || fail "the entry's Exec=$exec_cmd is not the installed editor"
icon=$(sed -n 's/^Icon=//p' "$entry")
compgen -G "/usr/share/icons/hicolor/*/apps/$icon.*" >/dev/null || fail "the entry's Icon=$icon is not installed"

[ "$(man -w "$package")" = "$page" ] || fail "man finds $(man -w "$package" 2>&1), not $page"
rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -P cat -l "$page" 2>"$work/man.err") ||
  fail "man -l $page failed: $(cat "$work/man.err")"
[ ! -s "$work/man.err" ] || fail "man -l $page warns: $(cat "$work/man.err")"
for heading in NAME SYNOPSIS DESCRIPTION WINDOWS BUTTONS KEYS "EXPORT FILE" "EXIT STATUS"; do
  grep -qx "$heading" <<<"$rendered" || fail "the manual page has no $heading section"
done
grep -q "Permission is hereby granted" "$doc/copyright" || fail "$doc/copyright is not the licence"

# --- Purge, and nothing of it may stay.
"${apt[@]}" purge "$package" >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge failed"; }
installed=no
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -qv "not-installed"; then
  fail "dpkg still knows $package after the purge: $(dpkg-query -W -f='${Status}' "$package")"
fi
left=()
for p in "${paths[@]}"; do
  [ -n "${before[$p]:-}" ] || [ ! -e "$p" ] || left+=("$p")
done
[ ${#left[@]} -eq 0 ] || fail "left behind after the purge: ${left[*]}"
echo "installed $deb_name, started it, validated its entry and manual page, purged it: nothing left"
