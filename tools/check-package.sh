#!/usr/bin/env bash
# Makes the Debian package of a build and checks it as a user's system would
# see it: lintian, appstreamcli and desktop-file-validate find no errors, the
# package holds both programs, their manual pages and no generated caches, and
# the programs it installs start (the window program with its container).
#   tools/check-package.sh [BUILD-FOLDER]     (default: build)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "check-package: $*" >&2
  failures=$((failures + 1))
}

rm -f "$build"/belltide_*.deb
if ! (cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log" >&2
  fail "cpack could not make the package"
  exit 1
fi
deb=$(ls "$build"/belltide_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo "check-package: $(basename "$deb")"

lintian --fail-on error "$deb" 2>/dev/null || fail "lintian found errors"

tree="$work/tree"
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree/usr/share/applications/belltide.desktop" | grep -v ': hint: ' || true
desktop-file-validate "$tree/usr/share/applications/belltide.desktop" >"$work/desktop.log" 2>&1
grep -q ': error: ' "$work/desktop.log" && fail "desktop-file-validate found errors"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log" >&2; fail "appstreamcli validate found errors"; }

for file in usr/bin/belltide usr/bin/belltide-cli usr/share/man/man1/belltide.1.gz \
  usr/share/man/man1/belltide-cli.1.gz usr/share/mime/packages/belltide.xml usr/share/doc/belltide/copyright; do
  [ -e "$tree/$file" ] || fail "the package has no $file"
done
# Caches belong to the system's triggers, never to a package.
caches=$(cd "$tree" && find . -name '*.cache' -o -path './usr/share/mime/*' ! -path './usr/share/mime/packages*')
[ -z "$caches" ] || fail "the package holds generated caches: $caches"
program=$(readlink -f "$tree/usr/bin/belltide")
file -b "$program" | grep -q ', stripped' || fail "the window program is not stripped"

[ "$("$tree/usr/bin/belltide-cli" --version | head -n 1)" = "belltide-cli $version" ] \
  || fail "belltide-cli --version does not print $version"
# The installed window program opens a school and reports the pictures of its
# container exactly as the build's program does.
report() { # program
  HOME="$work/home" QT_QPA_PLATFORM=offscreen BELLTIDE_STARTUP_REPORT=1 \
    timeout 60 "$1" "$root/examples/maple-grove.psc" 2>"$work/stderr.log"
}
installed=$(report "$tree/usr/bin/belltide") || fail "the installed window program did not start: $(cat "$work/stderr.log")"
built=$(report "$build/bin/belltide")
[ "$(wc -l <<<"$installed")" -eq 14 ] && [ "$installed" = "$built" ] \
  || fail "the installed program's pictures differ from the build's: $installed"

if [ "$failures" -gt 0 ]; then
  echo "check-package: $failures problems" >&2
  exit 1
fi
echo "check-package: the package passes"
