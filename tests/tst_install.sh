#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks that every file a desktop needs is there
# and passes the desktop's own validators.
#   tst_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
    "bin/santa-count-down"
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/16x16/apps/$id.png"
    "share/icons/hicolor/24x24/apps/$id.png"
    "share/icons/hicolor/32x32/apps/$id.png"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/doc/santa-count-down/copyright"
    "share/doc/santa-count-down/changelog.gz"
    "share/man/man1/santa-count-down.1.gz"
)
for file in "${expected[@]}"; do
    [[ -s "$prefix/$file" ]] || fail "missing $file"
done
[[ -x "$prefix/bin/santa-count-down" ]] || fail "the program is not executable"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
[[ "$installed" == "$(printf '%s\n' "${expected[@]}" | sort)" ]] ||
    fail "unexpected files installed: $installed"

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Exec=santa-count-down" "$desktop" || fail "the entry does not start the program"
grep -qx "Icon=$id" "$desktop" || fail "the entry does not name the icon"
grep -qx "Name=Santa Count Down" "$desktop" || fail "the entry's name"

appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metadata does not name the entry"

zcat "$prefix/share/man/man1/santa-count-down.1.gz" | grep -q 'Displays version information' ||
    fail "the manual page does not list the options"

size=$(/usr/bin/identify -format '%wx%h' "$prefix/share/icons/hicolor/32x32/apps/$id.png")
[[ "$size" == "32x32" ]] || fail "the 32x32 icon is $size"
echo "PASS: installed ${#expected[@]} files; desktop entry and metadata validate"
