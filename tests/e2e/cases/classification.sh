# Classification on screen: for each Windows version that Wine emulates, the
# radio button the Select OS page checks (or none), and Next still leads on.
classification() {
    local version=$1 radio=$2
    drive <<EOF
$(launch "$version")
> checked
checked $radio
$(to_detail)
> click 1010
> gone
gone
> ended
ended
EOF
}

# version  radio button checked
while read -r version radio; do
    add_case "classification-$version" classification "$version" "$radio"
done <<'TABLE'
win95    none
win98    none
winme    none
nt351    none
nt40     none
win2k    1003
winxp    1004
win2003  1011
vista    1012
win7     1013
win8     none
win10    none
TABLE
