# The registry message: a real message box, captioned with the executable's
# name, with the exact Chinese text as Wine shows it under a GBK locale.
# Wine has no key that opens for setting values and then refuses one, so the
# driver loads a test DLL into the program that makes every value refuse.

REFUSE_DLL="Z:${E2E_REFUSE//\//\\}"
MESSAGE_TEXT='错误：无法设置有关的注册表信息'

# message_lines: the message box, then OK pressed on it.
message_lines() {
    cat <<EOF
> msgbox
msgbox caption "ORVIK"
msgbox text "$MESSAGE_TEXT"
> click 1
> gone
gone
EOF
}

# NT family: the Device value and the COM port's value each fail, so the
# message comes twice (with its icon and one button, "确定" on a Chinese
# system); the staged files are still removed afterwards.
messages_nt_twice() {
    drive <<EOF
> regset HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows"
$(launch winxp)
$(to_detail)
> select 1014 3
> refuse $REFUSE_DLL
> click 1009
> msgbox
msgbox caption "ORVIK"
msgbox text "$MESSAGE_TEXT"
> controls
control 1088 Static "(icon)" enabled
control 1 Button "确定" enabled
control 65535 Static "$MESSAGE_TEXT" enabled
> click 1
> gone
gone
$(message_lines)
> ended
ended
> printers
printer MR-417 port COM1: driver MR-417 processor WinPrint datatype RAW
> reg HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows" Device
reg Device absent
> reg HKLM "Software\Microsoft\Windows NT\CurrentVersion\Ports" COM1:
reg COM1: REG_SZ "9600,n,8,1"
> ls C:\windows\system32\spool\drivers\w32x86
dir 3
EOF
}
add_case messages-nt-device-and-port-refused messages_nt_twice

# NT family, LPT port and no Windows key: nothing to set, so no message even
# with every value refusing.
messages_nt_none() {
    drive <<EOF
$(launch win7)
$(to_detail)
> refuse $REFUSE_DLL
$(install_and_end)
> printers
printer MR-417 port LPT1: driver MR-417 processor WinPrint datatype RAW
EOF
}
add_case messages-nt-nothing-to-set-no-message messages_nt_none

# Windows 9x: the DCB value fails once, under the port key that opened.
messages_9x_once() {
    drive <<EOF
> regset HKLM "System\CurrentControlSet\Services\Class\Ports\0000"
$(launch win98)
$(to_detail)
> select 1014 3
> refuse $REFUSE_DLL
> click 1009
$(message_lines)
> ended
ended
> reg HKLM "System\CurrentControlSet\Services\Class\Ports\0000" DCB
reg DCB absent
EOF
}
add_case messages-9x-dcb-refused messages_9x_once
