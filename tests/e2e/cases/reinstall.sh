# A second run over an earlier installation repeats every step: the driver
# registration, the printer, the registry values, the removal of the staged
# files. (Windows refuses to create a printer whose name exists; Wine's
# spooler takes the new record instead, so the printer moves to the new port.)

# run_wizard VERSION PORT: transcript lines for one default run on PORT.
run_wizard() {
    cat <<EOF
$(launch "$1")
$(to_detail)
> select 1014 $2
$(install_and_end)
EOF
}

reinstall_nt() {
    drive <<EOF
> regset HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows"
$(run_wizard win7 0)
$(run_wizard win7 4)
> printers
~ printer MR-417 port * driver MR-417 processor WinPrint datatype RAW
$(nt_driver_lines)
> reg HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows" Device
reg Device REG_SZ "MR-417,winspool,COM2:"
> reg HKLM "Software\Microsoft\Windows NT\CurrentVersion\Ports" COM2:
reg COM2: REG_SZ "19200,n,8,1,p"
> ls C:\windows\system32\spool\drivers\w32x86
dir 3
EOF
}
add_case reinstall-nt-second-run reinstall_nt

reinstall_9x() {
    drive <<EOF
> regset HKLM "System\CurrentControlSet\Services\Class\Ports\0000"
$(run_wizard win98 0)
$(run_wizard win98 3)
> printers
~ printer MR-417 port * driver MR-417 processor WinPrint datatype RAW
> reg HKLM "System\CurrentControlSet\Services\Class\Ports\0000" DCB
~ reg DCB type 3 size 28 1c 00 00 00 00 4b 00 00 15 20 *
EOF
}
add_case reinstall-9x-second-run reinstall_9x
