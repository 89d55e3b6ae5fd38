#!/bin/bash
# Prints the wizard's figures under Wine (not a test): time from start to the
# Select OS page shown and time of the installation sequence, each beside its
# floor measured in the same run (a bare dialog of ours; copying the eight
# files alone), plus the executable's size and peak working set.
# Usage: tools/bench.sh [WINDOWS_BUILD_DIR]   (BENCH_RUNS=N, default 5)
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build/windows}
RUNS=${BENCH_RUNS:-5}
if [ ! -f "$BUILD/ui/ORVIK.exe" ] || [ ! -f "$BUILD/tests/e2e/orvik_e2e_driver.exe" ]; then
    tools/setup.sh
    tools/build.sh
fi
. tests/e2e/layout.sh
. tests/e2e/lib.sh
E2E_DRIVER="$PWD/$BUILD/tests/e2e/orvik_e2e_driver.exe"
EXE="$BUILD/ui/ORVIK.exe"
FLOOR="$BUILD/tests/e2e/orvik_e2e_floor.exe"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/orvik-bench.XXXXXX")
XVFB_PID=""
cleanup() {
    [ -d "$WORK/run" ] && stop_wine "$WORK/run"
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
use_chinese_locale "$WORK" >/dev/null 2>&1 || true
start_xvfb "$WORK"
make_template "$WORK/template" "$WORK"

# One run on a fresh prefix: the floor dialog, then the wizard through the
# default installation on Windows 7, then the eight copies alone.
NT='C:\windows\system32\spool\drivers\w32x86'
one_run() {
    new_prefix "$WORK/template" "$WORK/run"
    layout_program "$WORK/run/drive_c/orvik" "$EXE"
    cp "$FLOOR" "$WORK/run/drive_c/floor.exe"
    {
        echo 'regset HKCU "Software\Wine\AppDefaults\ORVIK.exe" Version sz win7'
        echo 'regset HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows"'
        printf '%s\n' 'start C:\floor.exe' 'page Floor' 'since' 'peakmem' 'key enter' 'ended'
        printf '%s\n' 'start C:\orvik\ORVIK.exe' 'page Select OS' 'since' 'click 1009' 'gone' \
            'page Detail Setting' 'peakmem' 'mark' 'click 1009' 'gone' 'since' 'ended'
        echo mark
        for f in $ORVIK_NT_FILES; do echo "copy C:\\orvik\\win2k\\$f $NT\\copy-$f"; done
        echo since
    } | run_driver "$WORK/run" > "$WORK/run.log"
    stop_wine "$WORK/run"
    if grep -qE '^(error|timeout)' "$WORK/run.log"; then cat "$WORK/run.log" >&2; exit 1; fi
    mapfile -t since < <(sed -n 's/^since \([0-9.]*\) ms$/\1/p' "$WORK/run.log")
    mapfile -t peak < <(sed -n 's/^peakmem \([0-9]*\) KiB$/\1/p' "$WORK/run.log")
    echo "${since[0]} ${since[1]} ${since[2]} ${since[3]} ${peak[0]} ${peak[1]}" >> "$WORK/figures"
}

for ((i = 0; i < RUNS; i++)); do one_run; done

# stat COLUMN: median, min and max of one column of the runs.
stat() {
    cut -d' ' -f"$1" "$WORK/figures" | sort -g | awk '{ v[NR] = $1 }
        END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
              printf "%8.1f  (%.1f to %.1f)", m, v[1], v[NR] }'
}

echo "ORVIK under $(wine --version) and Xvfb, $RUNS runs on fresh prefixes: median (min to max)"
printf '%-44s %s\n' "start to Select OS page shown, ms" "$(stat 2)"
printf '%-44s %s\n' "  floor: start to bare dialog shown, ms" "$(stat 1)"
printf '%-44s %s\n' "installation (OK to page gone, NT, LPT1), ms" "$(stat 3)"
printf '%-44s %s\n' "  floor: copying the eight files alone, ms" "$(stat 4)"
printf '%-44s %8d bytes\n' "ORVIK.exe size" "$(wc -c < "$EXE")"
printf '%-44s %8d bytes\n' "  floor: bare dialog exe size" "$(wc -c < "$FLOOR")"
printf '%-44s %s\n' "peak working set, Detail Setting open, KiB" "$(stat 6)"
printf '%-44s %s\n' "  floor: bare dialog, KiB" "$(stat 5)"
