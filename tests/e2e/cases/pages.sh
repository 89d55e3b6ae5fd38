# The page sequence: Next, Back and Next again open fresh pages; every way
# of leaving either page but OK ends the program without installing; the
# About box from the system menu; F1.

# Next, Back, Next: the radio button the user clicked and the Detail Setting
# choices of the first visit are forgotten.
pages_next_back_next() {
    drive <<EOF
$(launch winxp)
> click 1013
> checked
checked 1013
$(to_detail)
> select 1014 4
> click 1012
> button 1012
button 1012 "Set Default Printer" unchecked enabled
> combo 1015
combo 1015 5 "19200" enabled
> click 1008
> gone
gone
> page Select OS
page Select OS
> checked
checked 1004
$(to_detail)
> combo 1014
combo 1014 0 "LPT1" enabled
> combo 1015
combo 1015 5 "19200" disabled
> button 1012
button 1012 "Set Default Printer" checked enabled
> click 1008
> gone
gone
> page Select OS
page Select OS
$(to_detail)
$(end_with click 1010)
$(nothing_installed)
EOF
}
add_case pages-next-back-next pages_next_back_next

# Leaving the Select OS page: the Detail Setting page never opens.
pages_leave_select_os() {
    drive <<EOF
$(launch winxp)
$(end_with $*)
$(nothing_installed)
EOF
}
add_case pages-select-os-cancel pages_leave_select_os click 1010
add_case pages-select-os-escape pages_leave_select_os key escape
add_case pages-select-os-close-box pages_leave_select_os close
add_case pages-select-os-alt-f4 pages_leave_select_os key alt+f4

# Enter on the Select OS page with the focus on a radio button: the standard
# OK command, the same as Next. Checking a radio button makes it a tab stop
# (as on Windows), and "Windows XP" comes before Next in the tab order, so
# on XP the page opens with the focus on it.
pages_select_os_enter() {
    drive <<EOF
$(launch winxp)
> focus
focus 1004
> key enter
> gone
gone
> page Detail Setting
page Detail Setting
> click 1010
> ended
ended
$(nothing_installed)
EOF
}
add_case pages-select-os-enter-is-next pages_select_os_enter

# Leaving the Detail Setting page other than by OK or Back: the program
# ends and installs nothing. Enter lands on the module list, which has the
# focus when the page opens.
pages_leave_detail() {
    drive <<EOF
$(launch win7)
$(to_detail)
> focus
focus 1011
$(end_with $*)
$(nothing_installed)
EOF
}
add_case pages-detail-cancel pages_leave_detail click 1010
add_case pages-detail-escape pages_leave_detail key escape
add_case pages-detail-close-box pages_leave_detail close
add_case pages-detail-enter-on-list pages_leave_detail key enter

# Alt+F4 on the Detail Setting page, with the focus on the check box: on
# Wine a drop-down list hands Alt+F4 to its own list window, which then
# closes nothing, so the key is pressed away from the lists.
pages_detail_alt_f4() {
    drive <<EOF
$(launch win7)
$(to_detail)
> click 1012
> click 1012
> focus
focus 1012
$(end_with key alt+f4)
$(nothing_installed)
EOF
}
add_case pages-detail-alt-f4 pages_detail_alt_f4

# The About box: from the system menu item (any command 0x10 to 0x1F),
# closed by its button, Enter, Escape or the close box; the page keeps its
# choices. The Select OS page has no About item.
pages_about() {
    drive <<EOF
$(launch winxp)
> syscmd 0x10
> windows
window "Select OS"
$(to_detail)
> select 1014 5
> click 1012
> syscmd 0x10
> page 关于 ORVIK
page 关于 ORVIK
> controls
control 65535 Static "(icon)" enabled
control 65535 Static "ORVIK V2.00" enabled
~ control 65535 Static "*" enabled
control 1 Button "确定" enabled
> click 1
> gone
gone
> page Detail Setting
page Detail Setting
> syscmd 0x1F
> page 关于 ORVIK
page 关于 ORVIK
> key enter
> gone
gone
> page Detail Setting
page Detail Setting
> syscmd 0x10
> page 关于 ORVIK
page 关于 ORVIK
> key escape
> gone
gone
> page Detail Setting
page Detail Setting
> syscmd 0x10
> page 关于 ORVIK
page 关于 ORVIK
> close
> gone
gone
> page Detail Setting
page Detail Setting
> combo 1014
combo 1014 5 "COM3" enabled
> combo 1015
combo 1015 5 "19200" enabled
> button 1012
button 1012 "Set Default Printer" unchecked enabled
$(end_with click 1010)
$(nothing_installed)
EOF
}
add_case pages-about-box pages_about

# F1 on each page: the framework's help command; the page stays and works.
pages_f1() {
    drive <<EOF
$(launch winxp)
> key f1
> windows
window "Select OS"
$(to_detail)
> key f1
> windows
window "Detail Setting"
$(end_with click 1010)
$(nothing_installed)
EOF
}
add_case pages-f1 pages_f1
