#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root and runs what it installed: the
# tool's usage, a plan of the installed sample school, the manual pages and the
# desktop files' checks.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
package=$(ls "$BUILD_DIR"/lovaris_*.deb | head -n1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"
echo "package: $package ($(du -h "$package" | cut -f1)), depends: $(dpkg-deb -f "$package" Depends)"

for file in usr/bin/lovaris usr/bin/lovaris-cli usr/share/lovaris/examples/school.tbl \
            usr/share/applications/org.lovaris.Lovaris.desktop usr/share/mime/packages/lovaris.xml \
            usr/share/metainfo/org.lovaris.Lovaris.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.lovaris.Lovaris.svg \
            usr/share/icons/hicolor/48x48/apps/org.lovaris.Lovaris.png \
            usr/share/icons/hicolor/256x256/apps/org.lovaris.Lovaris.png \
            usr/share/man/man1/lovaris.1.gz usr/share/man/man1/lovaris-cli.1.gz \
            usr/share/bash-completion/completions/lovaris-cli usr/share/lovaris/help/1.html; do
  [ -e "$root/$file" ] || { echo "package check: $file is missing" >&2; exit 1; }
done

usage=$("$root/usr/bin/lovaris-cli" --help)
echo "${usage%%$'\n'*}"
usage=$("$root/usr/bin/lovaris" --help)
echo "${usage%%$'\n'*}"
"$root/usr/bin/lovaris-cli" plan "$root/usr/share/lovaris/examples/school.tbl" -o "$root/week.rsp" --seconds 20 > "$root/plan.txt"
tail -n3 "$root/plan.txt"
[ -s "$root/week.rsp" ] || { echo "package check: plan wrote no variant" >&2; exit 1; }
MANWIDTH=80 man -l "$root/usr/share/man/man1/lovaris-cli.1.gz" 2>/dev/null | grep -q "plan PROJECT.tbl" \
  || { echo "package check: the manual page lacks the plan command" >&2; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.lovaris.Lovaris.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.lovaris.Lovaris.metainfo.xml" >/dev/null
bash -n "$root/usr/share/bash-completion/completions/lovaris-cli"
echo "package check: passed"
