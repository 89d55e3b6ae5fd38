# Lays out the wizard's folder as users receive it, with SAMPLE payload files
# standing in for the driver files (plain data, not loadable DLLs: Wine's
# spooler loads a driver's configuration DLL inside the installing process).
# Sourced by tests/e2e/run.sh, tools/main.sh and tools/bench.sh.

# The eight NT files in "win2k" and the four Windows 9x files beside the exe.
ORVIK_NT_FILES="MR417.dll MR417.GPD UNIDRV.DLL UNIDRVUI.DLL UNIRES.DLL UNIDRV.HLP TTFSUB.GPD STDNAMES.GPD"
ORVIK_9X_FILES="MR417.dll.drv iconlib.dll unidrv.dll unidrv.hlp"

# sample_payload FILE NAME: one file of sample payload, marked as such.
sample_payload() {
    printf 'SAMPLE payload %s\nPlaceholder data, not a driver file: replace it with the real one.\n' "$2" > "$1"
}

# layout_program DIR EXE: DIR gets EXE as ORVIK.exe, "win2k" with the NT
# files and the Windows 9x files, all sample payload.
layout_program() {
    mkdir -p "$1/win2k"
    cp "$2" "$1/ORVIK.exe"
    for f in $ORVIK_NT_FILES; do sample_payload "$1/win2k/$f" "win2k/$f"; done
    for f in $ORVIK_9X_FILES; do sample_payload "$1/$f" "$f"; done
}
