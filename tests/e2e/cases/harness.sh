# The harness itself, on the bare dialog: the driver finds a page, reads its
# focus, ends it with Enter as the dialog manager does; COM1 answers from the
# suite's pseudo-terminal; a registry value goes in and comes back.
harness_floor() {
    cp "$E2E_FLOOR" "$CASE_PREFIX/drive_c/floor.exe"
    drive <<'EOF'
> commstate COM1
~ commstate 1c 00 00 00 *
> regset HKCU "Software\Orvik E2E" Probe sz "探测"
> reg HKCU "Software\Orvik E2E" Probe
reg Probe REG_SZ "探测"
> start C:\floor.exe
> page Floor
page Floor
> focus
focus 1
> key enter
> gone
gone
> ended
ended
EOF
}
add_case harness-floor harness_floor
