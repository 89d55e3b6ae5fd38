// The executable as users receive it: a stripped 32-bit GUI image for
// subsystem 4.0 whose every import exists on Windows 95.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "tests/executable/exe_fixture.h"

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// "dll function" pairs from the committed list; '#' starts a note.
std::set<std::string> LoadAllowedImports()
{
    std::set<std::string> allowed;
    std::ifstream in(ORVIK_WIN95_IMPORTS);
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string dll, function;
        if (fields >> dll >> function)
            allowed.insert(Lower(dll) + " " + function);
    }
    return allowed;
}

TEST_F(ExeTest, HeadersOfA32BitGuiProgramForWindows4)
{
    const PeHeaders& h = image().headers();
    EXPECT_EQ(0x14C, h.machine);  // i386
    EXPECT_EQ(2, h.subsystem);    // Windows GUI
    EXPECT_EQ(4, h.majorSubsystemVersion);
    EXPECT_EQ(0, h.minorSubsystemVersion);
    EXPECT_EQ(4, h.majorOsVersion);
    EXPECT_EQ(0, h.minorOsVersion);
    EXPECT_EQ(0u, h.symbolTable) << "not stripped";
    EXPECT_EQ(0u, h.symbolCount) << "not stripped";
}

TEST_F(ExeTest, EveryImportExistsOnWindows95)
{
    const std::set<std::string> allowed = LoadAllowedImports();
    ASSERT_FALSE(allowed.empty()) << "cannot read " << ORVIK_WIN95_IMPORTS;
    ASSERT_FALSE(image().imports().empty());
    for (const Import& import : image().imports())
        EXPECT_TRUE(allowed.count(Lower(import.dll) + " " + import.function))
            << import.dll << " " << import.function << " is not known to exist on Windows 95";
}

}  // namespace
