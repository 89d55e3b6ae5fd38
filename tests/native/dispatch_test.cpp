// Which installation sequence each class runs.
#include <gtest/gtest.h>

#include <climits>

#include <string>
#include <vector>

#include "core/run_installation.h"
#include "install/install.h"
#include "tests/native/sim_fixture.h"

namespace {

TEST(Dispatch, SequenceForEveryClass)
{
    struct Case {
        std::int32_t osClass;
        InstallationSequence expected;
    };
    const Case cases[] = {
        {INT_MIN, nullptr}, {-1, nullptr},          {0, nullptr},          {1, InstallOnWin9x},
        {2, InstallOnWin9x}, {3, InstallOnNt},      {4, InstallOnNt},      {5, InstallOnNt},
        {6, InstallOnNt},    {7, InstallOnNt},      {8, InstallOnNt},      {9, nullptr},
        {INT_MAX, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, SelectInstallation(c.osClass)) << "OsClass " << c.osClass;
}

// Observed through the machine: each sequence starts by asking for the
// driver directory, the NT family's for "Windows NT x86", the 9x family's
// for the running environment; no other class calls anything.
TEST_F(SimTest, RunInstallationRunsTheSequenceOfTheClass)
{
    const std::string nt = "GetPrinterDriverDirectoryA(NULL, \"Windows NT x86\", 1, 255)";
    const std::string win9x = "GetPrinterDriverDirectoryA(NULL, NULL, 1, 255)";
    struct Case {
        std::int32_t osClass;
        std::string firstCall;  // empty: nothing runs
    };
    const Case cases[] = {{INT_MIN, ""}, {-1, ""}, {0, ""},  {1, win9x}, {2, win9x}, {3, nt}, {4, nt},
                          {5, nt},       {6, nt},  {7, nt},  {8, nt},    {9, ""},    {INT_MAX, ""}};
    const InstallChoices choices = {0, 0, 5, 3, 0, 2, 2, true};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.osClass);
        sim::Reset();
        RunInstallation(c.osClass, choices);
        const std::vector<std::string>& calls = machine().Calls();
        if (c.firstCall.empty()) {
            EXPECT_TRUE(calls.empty());
        } else {
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ(c.firstCall, calls[0]);
            EXPECT_EQ(1u, machine().CallsOf("AddPrinterA").size());
        }
    }
}

}  // namespace
