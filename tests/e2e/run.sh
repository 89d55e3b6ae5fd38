#!/bin/bash
# The end-to-end suite: the real ORVIK.exe under Wine and Xvfb, driven as a
# user would by the test driver, one fresh Wine prefix per case.
# Usage: tests/e2e/run.sh WINDOWS_BUILD_DIR
#   E2E_ONLY=REGEX  runs only the cases whose name matches
#   E2E_KEEP=1      keeps the scratch folder (prefixes, transcripts)
#   E2E_SHOTS=DIR   where the pictures go (default build/screenshots)
# Each case (cases/*.sh) gives the test driver its commands inside the
# transcript it expects back: "> " lines are commands, the others what the
# driver must print; a line starting with "~ " is a shell pattern.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
[ $# -eq 1 ] || { echo "usage: $0 WINDOWS_BUILD_DIR" >&2; exit 2; }
BUILD=$(cd "$1" && pwd) || exit 2

E2E_EXE="$BUILD/ui/ORVIK.exe"
E2E_DRIVER="$BUILD/tests/e2e/orvik_e2e_driver.exe"
E2E_FLOOR="$BUILD/tests/e2e/orvik_e2e_floor.exe"
E2E_REFUSE="$BUILD/tests/e2e/orvik_e2e_refuse.dll"
E2E_SHOTS=${E2E_SHOTS:-$ROOT/build/screenshots}
for f in "$E2E_EXE" "$E2E_DRIVER" "$E2E_FLOOR" "$E2E_REFUSE"; do
    [ -f "$f" ] || { echo "e2e: missing $f (build the Windows target first)" >&2; exit 1; }
done

. "$HERE/layout.sh"
. "$HERE/lib.sh"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/orvik-e2e.XXXXXX")
XVFB_PID="" PTY_PID=""
cleanup() {
    [ -d "$WORK/case" ] && stop_wine "$WORK/case"
    [ -d "$WORK/template" ] && stop_wine "$WORK/template"
    [ -n "$PTY_PID" ] && kill "$PTY_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    if [ -n "${E2E_KEEP:-}" ]; then echo "e2e: scratch kept in $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$WORK/logs" "$E2E_SHOTS"
use_chinese_locale "$WORK" || exit 1
start_xvfb "$WORK" || exit 1
start_pty "$WORK" || exit 1
started=$(date +%s)
echo "e2e: Wine $(wine --version 2>/dev/null), display $DISPLAY, making the template prefix"
make_template "$WORK/template" "$WORK" || exit 1
echo "e2e: template ready in $(( $(date +%s) - started )) s"

# The program's folder inside each case's prefix, as the driver names it.
PROGRAM='C:\orvik\ORVIK.exe'
PROGRAM_DIR='C:\orvik'

# Cases register themselves: add_case NAME FUNCTION [ARGUMENTS...]
CASE_NAMES=() CASE_CALLS=()
add_case() { CASE_NAMES+=("$1"); shift; CASE_CALLS+=("$(printf '%q ' "$@")"); }

# drive: the expected transcript on standard input (empty lines dropped);
# its "> " lines are the commands given to the driver, run in the current
# case's prefix.
drive() {
    local expected="$WORK/logs/$CASE.expected" actual="$WORK/logs/$CASE.actual"
    grep -v '^$' > "$expected"
    sed -n 's/^> //p' "$expected" | run_driver "$CASE_PREFIX" > "$actual"
    check_transcript "$expected" "$actual"
}

# launch VERSION: transcript lines that start the wizard as Windows VERSION
# (Wine's version emulation for ORVIK.exe alone) up to its first page.
launch() {
    printf '> regset HKCU "Software\\Wine\\AppDefaults\\ORVIK.exe" Version sz %s\n' "$1"
    printf '> start %s\n> page Select OS\npage Select OS\n' "$PROGRAM"
}

# to_detail: transcript lines for Next, up to the Detail Setting page.
to_detail() {
    printf '> click 1009\n> gone\ngone\n> page Detail Setting\npage Detail Setting\n'
}

# end_with ACTION...: transcript lines for an action that closes the page
# on screen, up to the end of the program.
end_with() {
    printf '> %s\n> gone\ngone\n> ended\nended\n' "$*"
}

# install_and_end: OK on the Detail Setting page, up to the program's end.
install_and_end() {
    end_with click 1009
}

# nothing_installed: transcript lines showing no driver and no printer.
nothing_installed() {
    printf '> printers\nprinters none\n'
    printf '> driver MR-417 "Windows NT x86"\ndriver MR-417 absent\n'
    printf '> driver MR-417 "Windows 4.0"\ndriver MR-417 absent\n'
}

for f in "$HERE"/cases/*.sh; do . "$f"; done

passed=0 failed=0 failures=""
for i in "${!CASE_NAMES[@]}"; do
    CASE=${CASE_NAMES[i]}
    if [ -n "${E2E_ONLY:-}" ] && ! [[ "$CASE" =~ $E2E_ONLY ]]; then continue; fi
    CASE_PREFIX="$WORK/case"
    t0=$(date +%s%N)
    new_prefix "$WORK/template" "$CASE_PREFIX"
    layout_program "$CASE_PREFIX/drive_c/orvik" "$E2E_EXE"
    # Not an "if" condition: set -e must hold inside the case.
    ( set -e; eval "${CASE_CALLS[i]}" ) > "$WORK/logs/$CASE.log" 2>&1
    if [ $? -eq 0 ]; then
        result=ok; passed=$((passed + 1))
    else
        result=FAILED; failed=$((failed + 1)); failures="$failures $CASE"
    fi
    stop_wine "$CASE_PREFIX"
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    printf 'e2e: %-44s %-6s %3d.%01d s\n' "$CASE" "$result" $((ms / 1000)) $((ms % 1000 / 100))
    [ "$result" = ok ] || sed 's/^/    /' "$WORK/logs/$CASE.log"
done

echo "e2e: pictures in $E2E_SHOTS; whole run $(( $(date +%s) - started )) s"
[ -n "$failures" ] && echo "e2e: failed:$failures"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
