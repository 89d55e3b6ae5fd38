# The end-to-end suite's machinery: Xvfb, the pseudo-terminal behind COM1,
# the template Wine prefix and its per-case copies, and the transcript check.
# Sourced by tests/e2e/run.sh (and tools/main.sh, tools/bench.sh).

# Every wait is bounded; these are the bounds, in seconds.
E2E_WINE_BOOT_LIMIT=${E2E_WINE_BOOT_LIMIT:-300}
E2E_DRIVE_LIMIT=${E2E_DRIVE_LIMIT:-120}

export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win32
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

# use_chinese_locale WORK: Wine under a Chinese (PRC) locale, so that its
# ANSI code page is GBK (936), as on the machines the wizard is made for.
# The locale is compiled into WORK (no root needed) from Debian's "locales".
use_chinese_locale() {
    mkdir -p "$1/locale"
    if localedef -i zh_CN -f UTF-8 "$1/locale/zh_CN.UTF-8" >/dev/null 2>&1 ||
       [ -d "$1/locale/zh_CN.UTF-8" ]; then
        export LOCPATH="$1/locale"
        # (bash itself cannot load a locale from LOCPATH; Wine can.)
        { export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8; } 2>/dev/null
    else
        echo "e2e: could not compile the zh_CN locale (is the \"locales\" package installed?)" >&2
        return 1
    fi
}

# start_xvfb WORK: a private X server; sets DISPLAY and XVFB_PID.
start_xvfb() {
    local fifo="$1/display" n=0
    : > "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    while [ ! -s "$fifo" ] && [ $n -lt 100 ]; do sleep 0.1; n=$((n + 1)); done
    if [ ! -s "$fifo" ]; then echo "e2e: Xvfb did not start" >&2; return 1; fi
    export DISPLAY=":$(head -n1 "$fifo")"
}

# start_pty WORK: a pseudo-terminal pair owned by the suite; Wine's COM1 is
# pointed at WORK/ttyS0. Sets PTY_PID.
start_pty() {
    local n=0
    socat pty,raw,echo=0,link="$1/ttyS0" pty,raw,echo=0,link="$1/ttyS0-peer" >/dev/null 2>&1 &
    PTY_PID=$!
    while { [ ! -e "$1/ttyS0" ] || [ ! -e "$1/ttyS0-peer" ]; } && [ $n -lt 100 ]; do sleep 0.1; n=$((n + 1)); done
    if [ ! -e "$1/ttyS0" ]; then echo "e2e: socat made no pseudo-terminal" >&2; return 1; fi
}

# stop_wine PREFIX: ends the prefix's wineserver and every process in it.
stop_wine() {
    WINEPREFIX="$1" timeout 30 wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$1" timeout 30 wineserver -w >/dev/null 2>&1 || true
}

# run_driver PREFIX < COMMANDS: the test driver under Wine, bounded.
run_driver() {
    WINEPREFIX="$1" timeout -k 5 "$E2E_DRIVE_LIMIT" wine "$E2E_DRIVER" 2>/dev/null
}

# make_template PREFIX WORK [desktop]: a booted prefix, set up once per run:
# COM1 on the suite's pseudo-terminal (when WORK has one), Wine drawing its
# own window frames (Xvfb has no window manager; not so on a desktop), and
# the dialogs' font "宋体" drawn with WenQuanYi Zen Hei Sharp, whose bitmaps at
# 9 points look like those of the real font.
make_template() {
    local prefix="$1" work="$2"
    WINEPREFIX="$prefix" timeout -k 5 "$E2E_WINE_BOOT_LIMIT" wineboot -i </dev/null >/dev/null 2>&1 || {
        echo "e2e: wineboot failed" >&2; return 1; }
    {
        [ -e "$work/ttyS0" ] && echo "regset HKLM \"Software\\Wine\\Ports\" COM1 sz \"$work/ttyS0\""
        if [ "${3:-}" != desktop ]; then
            echo 'regset HKCU "Software\Wine\X11 Driver" Decorated sz N'
            echo 'regset HKCU "Software\Wine\X11 Driver" Managed sz N'
        fi
        cat <<SETUP
regset HKCU "Software\\Wine\\Fonts\\Replacements" "宋体" sz "WenQuanYi Zen Hei Sharp"
regset HKCU "Software\\Wine\\Fonts\\Replacements" "SimSun" sz "WenQuanYi Zen Hei Sharp"
regset HKCU "Software\\Wine\\Fonts\\Replacements" "NSimSun" sz "WenQuanYi Zen Hei Sharp"
SETUP
    } | run_driver "$prefix" >"$work/template.log"
    stop_wine "$prefix"
    if grep -q '^error' "$work/template.log"; then cat "$work/template.log" >&2; return 1; fi
}

# new_prefix TEMPLATE PREFIX: a fresh copy of the template for one case.
new_prefix() {
    rm -rf "$2"
    cp -a "$1" "$2"
}

# check_transcript EXPECTED ACTUAL: compares line by line; an expected line
# that starts with "~ " is a shell pattern, every other line is exact.
# Prints the first difference and the whole actual transcript on failure.
check_transcript() {
    local expected="$1" actual="$2" i=0 want got
    local -a want_lines got_lines
    mapfile -t want_lines < "$expected"
    mapfile -t got_lines < "$actual"
    local count=${#want_lines[@]}
    [ ${#got_lines[@]} -gt "$count" ] && count=${#got_lines[@]}
    for ((i = 0; i < count; i++)); do
        want="${want_lines[i]-<end of transcript>}"
        got="${got_lines[i]-<end of transcript>}"
        if [[ "$want" == "~ "* ]]; then
            # shellcheck disable=SC2053
            [[ "$got" == ${want#"~ "} ]] && continue
        else
            [ "$want" = "$got" ] && continue
        fi
        echo "    line $((i + 1)): expected: $want"
        echo "    line $((i + 1)): actual:   $got"
        echo "    --- actual transcript ---"
        sed 's/^/    | /' "$actual"
        return 1
    done
    return 0
}
