# A driver file missing from the program's folder: its copy fails, unreported,
# and every later step still runs; the program ends as after any run.

# NT family without "win2k\UNIRES.DLL": the driver is still registered
# (Wine's spooler does not look for the dependent files), the registry values
# are still written and the seven staged files still removed.
missing_nt() {
    rm "$CASE_PREFIX/drive_c/orvik/win2k/UNIRES.DLL"
    drive <<EOF
> regset HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows"
$(launch winxp)
$(to_detail)
> select 1014 3
$(install_and_end)
> printers
printer MR-417 port COM1: driver MR-417 processor WinPrint datatype RAW
$(nt_driver_lines)
> reg HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows" Device
reg Device REG_SZ "MR-417,winspool,COM1:"
> reg HKLM "Software\Microsoft\Windows NT\CurrentVersion\Ports" COM1:
reg COM1: REG_SZ "19200,n,8,1,p"
> ls C:\windows\system32\spool\drivers\w32x86
dir 3
EOF
}
add_case missing-file-nt-unires missing_nt

# Windows 9x without "iconlib.dll": the other three files are staged, the
# driver and the printer made, the DCB stored.
missing_9x() {
    rm "$CASE_PREFIX/drive_c/orvik/iconlib.dll"
    drive <<EOF
> regset HKLM "System\CurrentControlSet\Services\Class\Ports\0000"
$(launch win95)
$(to_detail)
> select 1014 3
$(install_and_end)
> printers
printer MR-417 port COM1: driver MR-417 processor WinPrint datatype RAW
$(x9_driver_lines)
> ls C:\windows\system32\spool\drivers\win40
dir 0
file MR417.dll.drv 96 "SAMPLE payload MR417.dll.drv"
file unidrv.HLP 93 "SAMPLE payload unidrv.hlp"
file unidrv.dll 93 "SAMPLE payload unidrv.dll"
> reg HKLM "System\CurrentControlSet\Services\Class\Ports\0000" DCB
~ reg DCB type 3 size 28 1c 00 00 00 00 4b 00 00 15 20 *
EOF
}
add_case missing-file-9x-iconlib missing_9x
