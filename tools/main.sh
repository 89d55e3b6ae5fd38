#!/bin/bash
# Sets up what it needs, builds both targets, lays out dist/ and runs the wizard under Wine.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh

# dist/: the program folder as it goes to a Windows machine. The driver
# files are not ours to ship: SAMPLE payload files stand in for them.
. tests/e2e/layout.sh
. tests/e2e/lib.sh
E2E_DRIVER="$PWD/build/windows/tests/e2e/orvik_e2e_driver.exe"
rm -rf dist
layout_program dist build/windows/ui/ORVIK.exe
cat > dist/README.txt <<'TEXT'
ORVIK, the MR-417 printer driver installer. Start ORVIK.exe from this folder.

The driver files here are SAMPLE payload (placeholder data, not driver
files). Before use, put the real files of the MR-417 driver in their place:
the eight Windows NT/2000/XP/2003/Vista/7 files in the "win2k" folder
(MR417.dll, MR417.GPD, UNIDRV.DLL, UNIDRVUI.DLL, UNIRES.DLL, UNIDRV.HLP,
TTFSUB.GPD, STDNAMES.GPD) and the four Windows 95/98/Me files beside
ORVIK.exe (MR417.dll.drv, iconlib.dll, unidrv.dll, unidrv.hlp).
TEXT
echo
echo "Program folder: dist/ (ORVIK.exe; driver files are SAMPLE payload, see dist/README.txt)"

# The wizard under Wine, in a prefix of its own (build/main-wine), as
# Windows 7 to Wine's version emulation.
WORK="$PWD/build/main-wine"
SHOTS="$PWD/build/screenshots"
PREFIX="$WORK/prefix"
XVFB_PID=""
cleanup() {
    stop_wine "$PREFIX"
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    return 0
}
trap cleanup EXIT
rm -rf "$WORK"
mkdir -p "$WORK" "$SHOTS"
use_chinese_locale "$WORK" || echo "(Chinese texts may show as question marks)"
WINDOWS_KEY='Software\Microsoft\Windows NT\CurrentVersion\Windows'

if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "Starting the wizard on display $DISPLAY; the run ends when the wizard does."
    make_template "$PREFIX" "$WORK" desktop
    run_driver "$PREFIX" >/dev/null <<SETUP
regset HKCU "Software\\Wine\\AppDefaults\\ORVIK.exe" Version sz win7
regset HKCU "$WINDOWS_KEY"
SETUP
    mkdir -p "$PREFIX/drive_c/orvik"
    cp -r dist/. "$PREFIX/drive_c/orvik/"
    (cd "$PREFIX/drive_c/orvik" && WINEPREFIX="$PREFIX" wine ORVIK.exe) || true
    RUN_LOG="$WORK/installed.log"
    run_driver "$PREFIX" > "$RUN_LOG" <<READBACK
printers
driver MR-417 "Windows NT x86"
reg HKCU "$WINDOWS_KEY" Device
READBACK
else
    echo "No usable display: the wizard runs under Xvfb, driven through the default installation."
    start_xvfb "$WORK"
    make_template "$PREFIX" "$WORK"
    mkdir -p "$PREFIX/drive_c/orvik"
    cp -r dist/. "$PREFIX/drive_c/orvik/"
    SHOT="Z:${SHOTS//\//\\}"
    RUN_LOG="$WORK/installed.log"
    run_driver "$PREFIX" > "$RUN_LOG" <<DRIVE
regset HKCU "Software\\Wine\\AppDefaults\\ORVIK.exe" Version sz win7
regset HKCU "$WINDOWS_KEY"
start C:\\orvik\\ORVIK.exe
page Select OS
shot $SHOT\\main-select-os.bmp
click 1009
gone
page Detail Setting
shot $SHOT\\main-detail-setting.bmp
click 1009
gone
ended
printers
driver MR-417 "Windows NT x86"
reg HKCU "$WINDOWS_KEY" Device
DRIVE
    for f in main-select-os main-detail-setting; do
        [ -f "$SHOTS/$f.bmp" ] && convert "$SHOTS/$f.bmp" "$SHOTS/$f.png" && rm -f "$SHOTS/$f.bmp"
    done
    if ! grep -qx ended "$RUN_LOG"; then
        echo "The wizard did not end as expected:"; cat "$RUN_LOG"; exit 1
    fi
fi

echo
echo "Installed under Wine (prefix $PREFIX):"
grep -E '^(printer|printers|driver|  |reg )' "$RUN_LOG" | sed 's/^/  /'
echo
echo "Screenshots:          $SHOTS/ (main-*.png here; the test suite adds one per page)"
echo "Windows program:      build/windows/ui/ORVIK.exe"
echo "Native tests:         build/native/tests/native/orvik_native_tests"
