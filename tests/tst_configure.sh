#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A configure for running the program only (tests off, no help2man) asks for nothing the tests or
# the manual page need, and says what it leaves out.
#   tst_configure.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# An empty HELP2MAN_EXE is what find_program leaves where help2man is not installed.
if ! output=$(cmake -S "$source_dir" -B "$build" -DBUILD_TESTING=OFF -DHELP2MAN_EXE= \
        -DCMAKE_BUILD_TYPE=Release 2>&1); then
    echo "$output" >&2
    fail "the configure failed"
fi
grep -q "the manual page is left out" <<<"$output" || fail "no word that the manual page is left out"
if grep -rq "add_test" "$build"/CTestTestfile.cmake "$build"/tests 2>/dev/null; then
    fail "tests were configured"
fi
echo "PASS: configured without tests and help2man"
