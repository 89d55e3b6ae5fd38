// Classification of every reported version, and the fallback query.
#include <climits>
#include <string>
#include <vector>

#include "tests/native/sim_fixture.h"

namespace {

struct VersionCase {
    const char* name;
    DWORD platform, major, minor;
    std::int32_t expected;  // with OsClass 0 before the run
};

const VersionCase kVersions[] = {
    {"Windows 95", 1, 4, 0, 1},
    {"Windows 98", 1, 4, 10, 2},
    {"Windows Me", 1, 4, 90, 2},
    {"9x 4.3 matches nothing", 1, 4, 3, 0},
    {"9x major 3", 1, 3, 0, 0},
    {"9x major 5", 1, 5, 0, 0},
    {"NT 3.51", 2, 3, 51, 3},
    {"NT 4.0", 2, 4, 0, 3},
    {"NT major 0", 2, 0, 0, 3},
    {"Windows 2000", 2, 5, 0, 4},
    {"Windows XP", 2, 5, 1, 5},
    {"Server 2003 and XP x64", 2, 5, 2, 6},
    {"NT 5.3", 2, 5, 3, 0},
    {"Vista, Server 2008", 2, 6, 0, 7},
    {"Windows 7, Server 2008 R2", 2, 6, 1, 8},
    {"Windows 8", 2, 6, 2, 0},
    {"Windows 8.1 reporting 6.3", 2, 6, 3, 0},
    {"NT 7.0", 2, 7, 0, 0},
    {"Windows 10 reporting 10.0", 2, 10, 0, 0},
    // Above INT_MAX as a signed value: still compared unsigned.
    {"NT major 0x80000000", 2, 0x80000000u, 0, 0},
    {"Win32s", 0, 3, 11, 4},
    {"unknown platform 3", 3, 1, 0, 4},
    {"unknown platform 0xFFFFFFFF", 0xFFFFFFFFu, 99, 99, 4},
};

class ClassifyTest : public SimTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ClassifyTest, SetsClassOfMatchingRow)
{
    const VersionCase& c = GetParam();
    for (bool refuseExtended : {false, true}) {
        SCOPED_TRACE(refuseExtended ? "156-byte query refused" : "156-byte query accepted");
        sim::Reset();
        OsClass = 0;
        machine().version.platformId = c.platform;
        machine().version.major = c.major;
        machine().version.minor = c.minor;
        machine().version.refuseExtended = refuseExtended;

        ClassifyOperatingSystem();

        EXPECT_EQ(c.expected, OsClass);
        std::vector<std::string> expectedCalls = {"GetVersionExA(size=156)"};
        if (refuseExtended)
            expectedCalls.push_back("GetVersionExA(size=148)");
        EXPECT_EQ(expectedCalls, machine().Calls());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, ClassifyTest, ::testing::ValuesIn(kVersions),
                         [](const ::testing::TestParamInfo<VersionCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST_F(SimTest, BothQueriesRefusedKeepPriorValue)
{
    machine().version.refuseAll = true;
    for (std::int32_t prior : {0, 5, -1, INT_MAX}) {
        OsClass = prior;
        ClassifyOperatingSystem();
        EXPECT_EQ(prior, OsClass);
    }
    EXPECT_EQ(8u, machine().Calls().size());
    EXPECT_EQ("GetVersionExA(size=148)", machine().Calls()[1]);
}

TEST_F(SimTest, UnmatchedVersionKeepsEarlierClass)
{
    OsClass = 5;
    machine().version.major = 6;
    machine().version.minor = 2;
    ClassifyOperatingSystem();
    EXPECT_EQ(5, OsClass);

    OsClass = 2;
    machine().version.platformId = VER_PLATFORM_WIN32_WINDOWS;
    machine().version.minor = 3;
    ClassifyOperatingSystem();
    EXPECT_EQ(2, OsClass);
}

TEST_F(SimTest, RepeatedRunsYieldTheSameClass)
{
    machine().version.major = 6;
    machine().version.minor = 1;
    ClassifyOperatingSystem();
    ClassifyOperatingSystem();
    EXPECT_EQ(8, OsClass);
}

}  // namespace
