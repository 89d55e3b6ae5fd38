# Pictures of what a user sees: each page, the About box and the registry
# message, as Wine draws them under Xvfb with the CJK font, saved as PNG
# files in $E2E_SHOTS for a person to look at.

# to_png NAME...: the driver's BMP files of this case as PNG files; each
# must hold a real picture (more than a handful of colours).
to_png() {
    local name colours
    for name in "$@"; do
        convert "$WORK/$name.bmp" "$E2E_SHOTS/$name.png"
        colours=$(identify -format '%k' "$E2E_SHOTS/$name.png")
        if [ "$colours" -lt 8 ]; then echo "    $name.png is blank ($colours colours)"; return 1; fi
    done
}

pictures() {
    local shot="Z:${WORK//\//\\}"
    drive <<EOF
> regset HKCU "Software\Microsoft\Windows NT\CurrentVersion\Windows"
$(launch winxp)
> shot $shot\\select-os.bmp
~ shot *x*
$(to_detail)
> shot $shot\\detail-setting.bmp
~ shot *x*
> select 1014 3
> shot $shot\\detail-setting-com1.bmp
~ shot *x*
> syscmd 0x10
> page 关于 ORVIK
page 关于 ORVIK
> shot $shot\\about.bmp
~ shot *x*
> key enter
> gone
gone
> page Detail Setting
page Detail Setting
> refuse $REFUSE_DLL
> click 1009
> msgbox
msgbox caption "ORVIK"
msgbox text "$MESSAGE_TEXT"
> shot $shot\\registry-message.bmp
~ shot *x*
> key enter
> gone
gone
> msgbox
msgbox caption "ORVIK"
msgbox text "$MESSAGE_TEXT"
> click 1
> ended
ended
EOF
    to_png select-os detail-setting detail-setting-com1 about registry-message
}
add_case pictures pictures
