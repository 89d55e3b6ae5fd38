// The application name: the executable's file name without its extension,
// read in characters of the ANSI code page.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/app_name.h"

namespace {

// GBK: a byte from 0x81 to 0xFE starts a two-byte character, whose second
// byte may be 0x40 to 0xFE, the backslash (0x5C) included.
bool IsGbkLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

std::string NameOf(const char* path, LeadBytePredicate isLeadByte, std::size_t size = 260)
{
    char name[260];
    std::memset(name, 'X', sizeof name);
    AppNameFromModulePath(path, isLeadByte, name, size);
    return name;
}

TEST(AppName, FileNameWithoutExtension)
{
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\Program Files\\ORVIK\\ORVIK.exe", "ORVIK"},
        {"D:\\drivers\\ORVIK.EXE", "ORVIK"},
        {"C:\\tools.v2\\setup", "setup"},          // a dot in a folder is no extension
        {"C:\\temp\\my.setup.exe", "my.setup"},    // only the last dot ends the name
        {"\\\\server\\share\\orvik.exe", "orvik"},
        {"C:/mixed/slashes/orvik.exe", "orvik"},
        {"C:orvik.exe", "orvik"},
        {"orvik.exe", "orvik"},
        {"C:\\folder\\", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.name, NameOf(c.path, nullptr)) << c.path;
        EXPECT_EQ(c.name, NameOf(c.path, IsGbkLeadByte)) << c.path;
    }
    EXPECT_EQ("", NameOf(nullptr, nullptr));
}

TEST(AppName, SecondByteOfATwoByteCharacterIsNoSeparator)
{
    // "\x95\x5C" is one GBK character whose second byte is a backslash.
    const char* path = "C:\\\xB0\xB2\\\x95\x5C" "ab.exe";
    EXPECT_EQ("\x95\x5C" "ab", NameOf(path, IsGbkLeadByte));
    EXPECT_EQ("ab", NameOf(path, nullptr));
    // A lead byte at the very end has no second byte to take.
    EXPECT_EQ("ab\x95", NameOf("C:\\ab\x95", IsGbkLeadByte));
}

TEST(AppName, LongNameIsCutAtACharacterBoundary)
{
    EXPECT_EQ("ORV", NameOf("C:\\ORVIK.exe", nullptr, 4));
    EXPECT_EQ("", NameOf("C:\\ORVIK.exe", nullptr, 1));
    // Two two-byte characters in 4 bytes: the second does not fit with the NUL.
    EXPECT_EQ("\xB0\xB2", NameOf("\xB0\xB2\xD7\xB0.exe", IsGbkLeadByte, 4));
    EXPECT_EQ("\xB0\xB2\xD7\xB0", NameOf("\xB0\xB2\xD7\xB0.exe", IsGbkLeadByte, 5));
}

}  // namespace
