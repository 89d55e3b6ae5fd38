# NT-family installation, read back from Wine's own spooler and registry:
# the driver and its files, the printer on the chosen port, the Device value
# when asked (and only then), the port's settings for a COM port, the staged
# files gone from the driver directory, the program ended.

WINDOWS_KEY='Software\Microsoft\Windows NT\CurrentVersion\Windows'
PORTS_KEY='Software\Microsoft\Windows NT\CurrentVersion\Ports'
NT_DRIVERS='C:\windows\system32\spool\drivers\w32x86'

# The driver as Wine's spooler records it: its own copies of the files in
# its version folder, named as the driver record names them.
nt_driver_lines() {
    local d="$NT_DRIVERS\\3"
    cat <<EOF
> driver MR-417 "Windows NT x86"
driver MR-417 version 3 environment "Windows NT x86"
  driver path $d\\uniDRV.DLL
  data file $d\\MR417.GPD
  config file $d\\uniDRVui.DLL
  help file $d\\uniDRV.HLP
  dependent file $d\\MR417.dll
  dependent file $d\\TTFSUB.GPD
  dependent file $d\\STDNAMES.GPD
  dependent file $d\\uniDRVui.DLL
  dependent file $d\\uniDRV.DLL
  dependent file $d\\UNIRES.DLL
  monitor "" default datatype "RAW"
EOF
}

# install_nt VERSION PORT BOX WINDOWS_KEY SERIAL PORT_NAME PORT_VALUE DEVICE
#   PORT        port list index (0-2 LPT, 3-6 COM)
#   BOX         keep | clear: the "Set Default Printer" box
#   WINDOWS_KEY absent | empty | "TEXT": the user's Windows key before the
#               run, missing, present, or present with Device = TEXT
#   SERIAL      "baud byte stop parity flow" list indexes, or "-"
#   PORT_NAME   the value expected under the Ports key, and PORT_VALUE its
#               text after the run (for an LPT port: as Wine had it)
#   DEVICE      the Device value expected after the run, or "absent" (key
#               missing) or "unset" (key present, value missing)
install_nt() {
    local version=$1 port=$2 box=$3 winkey=$4 serial=$5 port_name=$6 port_value=$7 device=$8
    local setup="" choices="" device_line
    case $winkey in
        absent) ;;
        empty) setup="> regset HKCU \"$WINDOWS_KEY\"" ;;
        *) setup="> regset HKCU \"$WINDOWS_KEY\" Device sz \"$winkey\"" ;;
    esac
    [ "$box" = clear ] && choices="> click 1012"
    if [ "$serial" != - ]; then
        set -- $serial
        choices="$choices
> select 1015 $1
> select 1016 $2
> select 1019 $3
> select 1018 $4
> select 1017 $5"
    fi
    case $device in
        absent) device_line="reg key absent" ;;
        unset) device_line="reg Device absent" ;;
        *) device_line="reg Device REG_SZ \"$device\"" ;;
    esac
    drive <<EOF
$setup
$(launch "$version")
$(to_detail)
> select 1014 $port
$choices
$(install_and_end)
> printers
printer MR-417 port $port_name driver MR-417 processor WinPrint datatype RAW
$(nt_driver_lines)
> reg HKCU "$WINDOWS_KEY" Device
$device_line
> reg HKLM "$PORTS_KEY" $port_name
reg $port_name REG_SZ "$port_value"
> ls $NT_DRIVERS
dir 3
EOF
}

# name | version | port | box | Windows key | serial | port name | port text | Device
while IFS='|' read -r name version port box winkey serial port_name port_value device; do
    add_case "install-nt-$name" install_nt "$version" "$port" "$box" "$winkey" "$serial" \
        "$port_name" "$port_value" "$device"
done <<'TABLE'
xp-com1-typical|winxp|3|keep|empty|-|COM1:|19200,n,8,1,p|MR-417,winspool,COM1:
win7-lpt1-box-clear|win7|0|clear|Other,winspool,LPT2:|-|LPT1:||Other,winspool,LPT2:
win2k-com3-no-windows-key|win2k|5|keep|absent|4 3 0 2 0|COM3:|9600,n,8,1, |absent
nt40-lpt3|nt40|2|keep|empty|-|LPT3:||MR-417,winspool,LPT3:
vista-com4-serial-choices|vista|6|clear|empty|7 2 1 1 1|COM4:|57600,m,7,1.5,x|unset
nt351-lpt2|nt351|1|keep|empty|-|LPT2:||MR-417,winspool,LPT2:
win2003-com2-replaces-device|win2003|4|keep|Other,winspool,LPT2:|-|COM2:|19200,n,8,1,p|MR-417,winspool,COM2:
TABLE
