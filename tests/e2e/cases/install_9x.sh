# Windows 9x installation under Wine's 95/98/Me emulation: the four staged
# files in the driver directory (an existing "unidrv.dll" kept), the driver
# and the printer as Wine records them, and for COM ports the 28-byte "DCB"
# under the pre-created port keys, built on COM1's real state: COM1 is the
# suite's pseudo-terminal, set to a state of its own before each run.

X9_DRIVERS='C:\windows\system32\spool\drivers\win40'
X9_PORT_KEY='System\CurrentControlSet\Services\Class\Ports'

# dcb_bytes TRANSCRIPT VALUE: the stored DCB's bytes, as read back ("reg DCB").
dcb_bytes() { sed -n "s/^reg $2 type 3 size 28 //p" "$1"; }

# check_dcb TRANSCRIPT BAUD BYTE8 BYTE9 BYTESIZE: the stored record equals
# COM1's state as read before the run ("commstate"), but for the baud rate
# (bytes 4-7), the flow-control bytes 8 and 9, the byte size (18), and
# parity and stop bits (19, 20) which are always 0.
check_dcb() {
    local -a base stored
    read -r -a base <<< "$(sed -n 's/^commstate //p' "$1")"
    read -r -a stored <<< "$(dcb_bytes "$1" DCB)"
    local -a want=("${base[@]}")
    read -r want[4] want[5] want[6] want[7] <<< "$2"
    want[8]=$3 want[9]=$4 want[18]=$5 want[19]=00 want[20]=00
    if [ "${#base[@]}" -ne 28 ] || [ "${stored[*]}" != "${want[*]}" ]; then
        echo "    DCB from COM1: ${base[*]}"
        echo "    DCB expected:  ${want[*]}"
        echo "    DCB stored:    ${stored[*]}"
        return 1
    fi
}

# The spooler's copies in its version folder, and the staged files beside
# them: "unidrv.dll" is the one that was there before the run.
x9_files_lines() {
    cat <<EOF
> ls $X9_DRIVERS
dir 0
file MR417.dll.drv 96 "SAMPLE payload MR417.dll.drv"
file iconlib.dll 94 "SAMPLE payload iconlib.dll"
file unidrv.HLP 93 "SAMPLE payload unidrv.hlp"
file unidrv.dll 32 "unidrv.dll of an earlier driver"
EOF
}

x9_driver_lines() {
    local d="$X9_DRIVERS\\0"
    cat <<EOF
> driver MR-417 "Windows 4.0"
driver MR-417 version 0 environment "Windows 4.0"
  driver path $d\\MR417.dll.drv
  data file $d\\MR417.dll.drv
  config file $d\\MR417.dll.drv
  help file $d\\UNIDRV.HLP
  monitor "" default datatype "RAW"
EOF
}

# The user clicks "Windows 2000" on the Select OS page first: what runs
# follows the detected version alone.
# install_9x VERSION PORT KEYS SERIAL KEY_WRITTEN BAUD BYTE8 BYTE9 BYTESIZE
#   PORT    port list index; KEYS yes|no: the two port keys pre-created
#   SERIAL  "baud byte stop parity flow" list indexes, or "-"
#   KEY_WRITTEN  0000 | 0001 | none: where the DCB is expected
#   BAUD .. BYTESIZE  the DCB's expected bytes (see check_dcb)
install_9x() {
    local version=$1 port=$2 keys=$3 serial=$4 written=$5 baud=$6 byte8=$7 byte9=$8 size=$9
    local setup="" choices="" k0000="reg key absent" k0001="reg key absent"
    local folder="$CASE_PREFIX/drive_c/windows/system32/spool/drivers/win40"
    mkdir -p "$folder"
    printf 'unidrv.dll of an earlier driver\n' > "$folder/unidrv.dll"
    # COM1's state of this run: other XON, XOFF and end-of-file characters.
    stty -F "$WORK/ttyS0" 4800 start '^A' stop '^B' eof '^E'
    if [ "$keys" = yes ]; then
        setup="> regset HKLM \"$X9_PORT_KEY\\0000\"
> regset HKLM \"$X9_PORT_KEY\\0001\""
        k0000="reg DCB absent" k0001="reg DCB absent"
    fi
    [ "$written" = 0000 ] && k0000="~ reg DCB type 3 size 28 *"
    [ "$written" = 0001 ] && k0001="~ reg DCB type 3 size 28 *"
    if [ "$serial" != - ]; then
        set -- $serial
        choices="> select 1015 $1
> select 1016 $2
> select 1019 $3
> select 1018 $4
> select 1017 $5"
    fi
    drive <<EOF
$setup
> commstate COM1
~ commstate 1c 00 00 00 c0 12 00 00 *
$(launch "$version")
> click 1003
$(to_detail)
> select 1014 $port
$choices
$(install_and_end)
> printers
printer MR-417 port $(port_name "$port") driver MR-417 processor WinPrint datatype RAW
$(x9_driver_lines)
$(x9_files_lines)
> reg HKLM "$X9_PORT_KEY\\0000" DCB
$k0000
> reg HKLM "$X9_PORT_KEY\\0001" DCB
$k0001
EOF
    [ "$written" = none ] || check_dcb "$WORK/logs/$CASE.actual" "$baud" "$byte8" "$byte9" "$size"
}

port_name() { local names=(LPT1: LPT2: LPT3: COM1: COM2: COM3: COM4:); echo "${names[$1]}"; }

# name | version | port | keys | serial | DCB key | baud bytes | byte 8 | byte 9 | byte size
while IFS='|' read -r name version port keys serial written baud b8 b9 size; do
    add_case "install-9x-$name" install_9x "$version" "$port" "$keys" "$serial" "$written" "$baud" "$b8" "$b9" "$size"
done <<'TABLE'
win98-lpt2|win98|1|yes|-|none||||
win95-com1-hardware-115200|win95|3|yes|8 3 2 3 2|0000|00 c2 01 00|15|20|08
winme-com4-xonxoff-300|winme|6|yes|0 0 0 0 1|0001|2c 01 00 00|11|03|05
win98-com2-none-9600|win98|4|yes|4 2 1 1 0|0001|80 25 00 00|11|00|07
win95-com1-defaults|win95|3|yes|-|0000|00 4b 00 00|15|20|08
win98-com3-no-port-keys|win98|5|no|-|none||||
TABLE
