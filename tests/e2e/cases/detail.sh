# The Detail Setting page: its lists and defaults, COM ports enabling the
# serial-line lists and LPT ports disabling them with their selections kept,
# the module's text in the read-only edit.

detail_defaults() {
    drive <<EOF
$(launch winxp)
$(to_detail)
> focus
focus 1011
> items 1011
items 1011 "MR-417     Series"
> items 1014
items 1014 "LPT1" "LPT2" "LPT3" "COM1" "COM2" "COM3" "COM4"
> items 1015
items 1015 "300" "1200" "2400" "4800" "9600" "19200" "38400" "57600" "115200"
> items 1016
items 1016 "5" "6" "7" "8"
> items 1019
items 1019 "1" "1.5" "2"
> items 1018
items 1018 "Even" "Mark" "None" "Odd" "Space"
> items 1017
items 1017 "None" "XonXoff" "Hardware"
> combo 1011
combo 1011 0 "MR-417     Series" enabled
> text 1013
text 1013 "MR-417     Series" enabled readonly
> button 1012
button 1012 "Set Default Printer" checked enabled
> combo 1014
combo 1014 0 "LPT1" enabled
> combo 1015
combo 1015 5 "19200" disabled
> combo 1016
combo 1016 3 "8" disabled
> combo 1019
combo 1019 0 "1" disabled
> combo 1018
combo 1018 2 "None" disabled
> combo 1017
combo 1017 2 "Hardware" disabled
> click 1010
> ended
ended
EOF
}
add_case detail-defaults detail_defaults

# serial_lists STATE: the five serial-line lists with the selections made
# below, enabled or disabled.
serial_lists() {
    printf '> combo 1015\ncombo 1015 8 "115200" %s\n' "$1"
    printf '> combo 1016\ncombo 1016 1 "6" %s\n' "$1"
    printf '> combo 1019\ncombo 1019 1 "1.5" %s\n' "$1"
    printf '> combo 1018\ncombo 1018 4 "Space" %s\n' "$1"
    printf '> combo 1017\ncombo 1017 1 "XonXoff" %s\n' "$1"
}

detail_com_lpt() {
    drive <<EOF
$(launch win7)
$(to_detail)
> select 1014 3
> combo 1015
combo 1015 5 "19200" enabled
> select 1015 8
> select 1016 1
> select 1019 1
> select 1018 4
> select 1017 1
$(serial_lists enabled)
> select 1014 2
> combo 1014
combo 1014 2 "LPT3" enabled
$(serial_lists disabled)
> select 1014 6
$(serial_lists enabled)
> select 1014 0
$(serial_lists disabled)
> click 1010
> ended
ended
$(nothing_installed)
EOF
}
add_case detail-com-enables-lpt-disables detail_com_lpt

# Picking the module puts its text into the read-only edit, whatever the
# edit held.
detail_module_text() {
    drive <<EOF
$(launch winxp)
$(to_detail)
> settext 1013 "something else"
> text 1013
text 1013 "something else" enabled readonly
> select 1011 0
> text 1013
text 1013 "MR-417     Series" enabled readonly
> click 1010
> ended
ended
EOF
}
add_case detail-module-text detail_module_text
