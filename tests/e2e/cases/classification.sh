# Classification on screen: for each Windows version that Wine emulates, the
# radio button the Select OS page checks (or none), where the focus lands,
# and Next still leading on. A checked radio button becomes a tab stop, so
# the focus goes to it when it comes before Next in the tab order (2000, XP)
# and to Next otherwise.
classification() {
    local version=$1 radio=$2 focus=$3
    drive <<EOF
$(launch "$version")
> checked
checked $radio
> focus
focus $focus
$(to_detail)
$(end_with click 1010)
EOF
}

# version  radio button checked  focus
while read -r version radio focus; do
    add_case "classification-$version" classification "$version" "$radio" "$focus"
done <<'TABLE'
win95    none  1009
win98    none  1009
winme    none  1009
nt351    none  1009
nt40     none  1009
win2k    1003  1003
winxp    1004  1004
win2003  1011  1009
vista    1012  1009
win7     1013  1009
win8     none  1009
win10    none  1009
TABLE
