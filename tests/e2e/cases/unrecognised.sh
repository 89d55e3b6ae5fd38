# A Windows version the wizard does not recognise (Windows 8 and 10 report
# 6.2): OK installs nothing and ends the program without a message.
unrecognised_ok() {
    drive <<EOF
> regset HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows"
$(launch "$1")
> checked
checked none
$(to_detail)
> select 1014 3
$(install_and_end)
$(nothing_installed)
> reg HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows" Device
reg Device absent
> reg HKLM "Software\Microsoft\Windows NT\CurrentVersion\Ports" COM1:
reg COM1: REG_SZ "9600,n,8,1"
> ls C:\windows\system32\spool\drivers\w32x86
dir 3
> ls C:\windows\system32\spool\drivers\w32x86\3
~ file wineps.drv * ""
EOF
}
add_case unrecognised-win10-ok-installs-nothing unrecognised_ok win10
add_case unrecognised-win8-ok-installs-nothing unrecognised_ok win8
