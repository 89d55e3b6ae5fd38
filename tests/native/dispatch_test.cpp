// Which installation sequence each class runs.
#include <gtest/gtest.h>

#include <climits>

#include "core/run_installation.h"
#include "install/install.h"

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

}  // namespace
