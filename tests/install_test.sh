#!/usr/bin/env bash
# Installing puts the command and its manual page under the prefix; the page
# reads cleanly and lists every long option.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }
cmake --install "$build" --prefix "$prefix" > /dev/null || fail "install"
[ -x "$prefix/bin/cfgxlate" ] || fail "no bin/cfgxlate"
page=$prefix/share/man/man1/cfgxlate.1
[ -f "$page" ] || { fail "no share/man/man1/cfgxlate.1"; exit 1; }
"$prefix/bin/cfgxlate" --version | grep -Eqx 'cfgxlate [0-9]+\.[0-9]+\.[0-9]+' || fail "--version"
if command -v groff >/dev/null; then
  warnings=$(groff -man -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "groff reports: $warnings"
else
  fail "groff is not installed"
fi
for option in --version --depfile --schedule-svg --diagnostics -outputdir -z -32 -help; do
  grep -q -- "${option//-/\\\\-}" "$page" || fail "the page does not list $option"
done
exit $failed
