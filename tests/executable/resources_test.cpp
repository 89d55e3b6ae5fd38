// The resources of the built ORVIK.exe, read back and compared with the pages
// as designed: every template, control, style, rectangle and
// text, the list data, the About item's text, the icon, version and manifest.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "tests/executable/exe_fixture.h"
#include "tests/executable/resource_formats.h"

namespace {

// Window and control styles, with their Win32 values.
enum : std::uint32_t {
    WS_POPUP = 0x80000000, WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000,
    WS_CAPTION = 0x00C00000, WS_BORDER = 0x00800000, WS_VSCROLL = 0x00200000,
    WS_SYSMENU = 0x00080000, WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000,
    DS_MODALFRAME = 0x80, DS_SETFONT = 0x40, WS_EX_APPWINDOW = 0x00040000,
    BS_PUSHBUTTON = 0, BS_DEFPUSHBUTTON = 1, BS_AUTOCHECKBOX = 3, BS_GROUPBOX = 7,
    BS_AUTORADIOBUTTON = 9, SS_LEFT = 0, SS_ICON = 3, SS_NOPREFIX = 0x80,
    SS_REALSIZEIMAGE = 0x800, ES_LEFT = 0, ES_AUTOHSCROLL = 0x80, ES_READONLY = 0x800,
    CBS_DROPDOWNLIST = 3,
};
const std::uint32_t kChild = WS_CHILD | WS_VISIBLE;
const std::uint32_t kRadio = kChild | BS_AUTORADIOBUTTON;
const std::uint32_t kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
const std::uint32_t kList = kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
const std::uint32_t kLabel = kChild | WS_GROUP | SS_LEFT;
const std::uint16_t kChinesePrc = 0x0804;
const char* const kSongTi = "宋体";

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct ExpectedDialog {
    std::uint32_t id;
    bool extended;
    std::string caption;
    std::uint32_t style, exStyle;
    std::int16_t cx, cy;
    std::vector<DialogControl> controls;  // id, class, text, style, ex, help, x, y, cx, cy
};

const ExpectedDialog kDialogs[] = {
    {129, false, "Select OS", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 273, 181,
     {
         {-1, "Button", "Select Install OS", kChild | WS_GROUP | BS_GROUPBOX, 0, 0, 7, 13, 259, 116},
         {1003, "Button", "Windows 2000", kRadio, 0, 0, 25, 35, 62, 10},
         {1004, "Button", "Windows XP", kRadio, 0, 0, 25, 63, 55, 10},
         {1009, "Button", "Next", kPush, 0, 0, 135, 146, 46, 14},
         {1010, "Button", "Cancel", kPush, 0, 0, 191, 146, 46, 14},
         {1011, "Button", "Windows 2003", kRadio, 0, 0, 135, 35, 67, 10},
         {1012, "Button", "Windows Vista", kRadio, 0, 0, 25, 94, 65, 10},
         {1013, "Button", "Windows 7", kRadio, 0, 0, 135, 65, 65, 10},
         {-1, "Static", "#128", kChild | SS_ICON | SS_REALSIZEIMAGE, 0, 0, 11, 136, 20, 20},
     }},
    {102, true, "Detail Setting",
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, WS_EX_APPWINDOW, 364, 239,
     {
         {1011, "ComboBox", "", kList, 0, 0, 84, 19, 156, 90},
         {-1, "Button", "Printer Setting", kChild | BS_GROUPBOX, 0, 0, 7, 48, 350, 54},
         {-1, "Button", "Printer Port Setting", kChild | BS_GROUPBOX, 0, 0, 7, 108, 350, 94},
         {-1, "Static", "Install Module:", kLabel, 0, 0, 20, 22, 60, 10},
         {1012, "Button", "Set Default Printer", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0, 19, 59, 92, 10},
         {-1, "Static", "Printer name:", kLabel, 0, 0, 20, 79, 56, 8},
         {1013, "Edit", "", kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, 0, 0,
          84, 75, 155, 15},
         {1014, "ComboBox", "", kList, 0, 0, 58, 123, 65, 86},
         {1015, "ComboBox", "", kList, 0, 0, 58, 149, 65, 83},
         {1016, "ComboBox", "", kList, 0, 0, 58, 172, 65, 60},
         {1017, "ComboBox", "", kList, 0, 0, 286, 149, 65, 60},
         {1018, "ComboBox", "", kList, 0, 0, 171, 172, 65, 68},
         {1019, "ComboBox", "", kList, 0, 0, 171, 149, 65, 55},
         {-1, "Static", "Ports:", kLabel, 0, 0, 20, 127, 25, 8},
         {-1, "Static", "BaudRate:", kLabel, 0, 0, 20, 148, 37, 8},
         {-1, "Static", "ByteSize:", kLabel, 0, 0, 20, 171, 37, 8},
         {-1, "Static", "StopBits:", kLabel, 0, 0, 134, 151, 37, 8},
         {-1, "Static", "Parity:", kLabel, 0, 0, 134, 172, 29, 8},
         {-1, "Static", "FlowControl", kLabel, 0, 0, 240, 153, 45, 8},
         {1008, "Button", "Back", kPush, 0, 0, 138, 207, 61, 15},
         {1009, "Button", "OK", kPush, 0, 0, 212, 207, 61, 15},
         {1010, "Button", "Cancel", kPush, 0, 0, 286, 207, 61, 15},
     }},
    {100, false, "关于 ORVIK", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 235, 55,
     {
         {-1, "Static", "#128", kChild | SS_ICON, 0, 0, 11, 17, 20, 20},
         {-1, "Static", "ORVIK V2.00", kLabel | SS_NOPREFIX, 0, 0, 40, 10, 119, 8},
         {-1, "Static", "版权所有 (C) 2026", kLabel, 0, 0, 40, 25, 119, 8},
         {1, "Button", "确定", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 178, 7, 50, 14},
     }},
};

TEST_F(ExeTest, DialogTemplates)
{
    for (const ExpectedDialog& want : kDialogs) {
        SCOPED_TRACE("template " + std::to_string(want.id));
        const Bytes* data = Resource(5, want.id);
        ASSERT_NE(nullptr, data);
        Dialog got;
        ASSERT_TRUE(ParseDialog(*data, &got));
        EXPECT_EQ(want.extended, got.extended);
        EXPECT_EQ(want.caption, got.caption);
        EXPECT_EQ(want.style, got.style);
        EXPECT_EQ(want.exStyle, got.exStyle);
        EXPECT_EQ(0u, got.helpId);
        EXPECT_EQ(0, got.x);
        EXPECT_EQ(0, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
        EXPECT_EQ("", got.menu);
        EXPECT_EQ("", got.cls);
        EXPECT_EQ(kSongTi, got.font);
        EXPECT_EQ(9, got.pointSize);
        if (want.extended) {
            EXPECT_EQ(0, got.weight);
            EXPECT_EQ(0, got.italic);
            EXPECT_EQ(1, got.charset);
        }
        ASSERT_EQ(want.controls.size(), got.controls.size());
        for (size_t i = 0; i < want.controls.size(); ++i) {
            const DialogControl& w = want.controls[i];
            const DialogControl& g = got.controls[i];
            SCOPED_TRACE("control " + std::to_string(i + 1) + " \"" + w.text + "\"");
            EXPECT_EQ(w.id, g.id);
            EXPECT_EQ(Lower(w.cls), Lower(g.cls));  // class names ignore case
            EXPECT_EQ(w.text, g.text);
            EXPECT_EQ(w.style, g.style);
            EXPECT_EQ(0u, g.exStyle);
            EXPECT_EQ(0u, g.helpId);
            EXPECT_EQ(w.x, g.x);
            EXPECT_EQ(w.y, g.y);
            EXPECT_EQ(w.cx, g.cx);
            EXPECT_EQ(w.cy, g.cy);
        }
    }
}

// The list data of template 102: one CB_ADDSTRING record per catalogue row,
// each list in its table's order.
TEST_F(ExeTest, ListDataFollowsCatalogue)
{
    const Bytes* data = Resource(240, 102);
    ASSERT_NE(nullptr, data);
    struct Record {
        std::int32_t id;
        std::string text;
    };
    std::vector<Record> want;
    want.push_back({1011, ModuleTable[0].label});
    const struct {
        std::int32_t id;
        const ListRow* rows;
        int count;
    } lists[] = {
        {1014, PortTable, kPortCount},          {1015, BaudRateTable, kBaudRateCount},
        {1016, ByteSizeTable, kByteSizeCount},  {1017, FlowControlTable, kFlowControlCount},
        {1018, ParityTable, kParityCount},      {1019, StopBitsTable, kStopBitsCount},
    };
    for (const auto& list : lists)
        for (int row = 0; row < list.count; ++row)
            want.push_back({list.id, list.rows[row].item});

    ByteReader r(*data);
    for (const Record& w : want) {
        SCOPED_TRACE(w.text);
        EXPECT_EQ(w.id, r.U16());
        EXPECT_EQ(0x0403, r.U16());  // CB_ADDSTRING in its 16-bit encoding
        const std::uint32_t length = r.U32();
        ASSERT_EQ(w.text.size() + 1, length);
        std::string text;
        for (std::uint32_t i = 0; i < length; ++i)
            text += static_cast<char>(r.U8());
        EXPECT_EQ(w.text + '\0', text);
    }
    EXPECT_EQ(0, r.U16());  // end of the data
    EXPECT_FALSE(r.failed());
}

TEST_F(ExeTest, AboutItemText)
{
    std::string text;
    ASSERT_TRUE(FindString(image(), 101, &text));
    EXPECT_EQ("关于 ORVIK(&A)...", text);
}

TEST_F(ExeTest, IconHasLargeAndSmall16ColourImages)
{
    const Bytes* group = Resource(14, 128);
    ASSERT_NE(nullptr, group);
    std::vector<IconImage> images;
    ASSERT_TRUE(ParseIconGroup(*group, &images));
    ASSERT_EQ(2u, images.size());
    const int sizes[] = {32, 16};
    for (size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ(sizes[i], images[i].width);
        EXPECT_EQ(sizes[i], images[i].height);
        EXPECT_EQ(16, images[i].colours);
        EXPECT_EQ(4, images[i].bitCount);
        const Bytes* bitmap = Resource(3, images[i].iconId);
        ASSERT_NE(nullptr, bitmap);
        ByteReader r(*bitmap);
        EXPECT_EQ(40u, r.U32());
        EXPECT_EQ(static_cast<std::uint32_t>(sizes[i]), r.U32());
        EXPECT_EQ(static_cast<std::uint32_t>(sizes[i] * 2), r.U32());
    }
}

TEST_F(ExeTest, VersionReadsOneZeroZeroOne)
{
    const Bytes* data = Resource(16, 1);
    ASSERT_NE(nullptr, data);
    VersionInfo v;
    ASSERT_TRUE(ParseVersion(*data, &v));
    EXPECT_EQ(0x00010000u, v.fileMs);
    EXPECT_EQ(0x00000001u, v.fileLs);
    EXPECT_EQ(0x00010000u, v.productMs);
    EXPECT_EQ(0x00000001u, v.productLs);
    EXPECT_EQ("1, 0, 0, 1", v.strings["080404b0/FileVersion"]);
    EXPECT_EQ("1, 0, 0, 1", v.strings["080404b0/ProductVersion"]);
    EXPECT_EQ(std::vector<std::uint32_t>{0x04B00804u}, v.translations);
}

TEST_F(ExeTest, ManifestAsksForAdministratorAndNothingElse)
{
    const Bytes* data = Resource(24, 1);
    ASSERT_NE(nullptr, data);
    const std::string manifest(data->begin(), data->end());
    EXPECT_NE(std::string::npos, manifest.find("level=\"requireAdministrator\""));
    EXPECT_NE(std::string::npos, manifest.find("uiAccess=\"false\""));
    for (const char* absent : {"supportedOS", "compatibility", "Common-Controls", "dependency", "dpiAware"})
        EXPECT_EQ(std::string::npos, manifest.find(absent)) << absent;
}

TEST_F(ExeTest, EveryResourceIsChinesePrc)
{
    ASSERT_FALSE(image().resources().empty());
    for (const auto& entry : image().resources())
        EXPECT_EQ(kChinesePrc, std::get<2>(entry.first))
            << "type " << std::get<0>(entry.first) << " name " << std::get<1>(entry.first);
}

}  // namespace
