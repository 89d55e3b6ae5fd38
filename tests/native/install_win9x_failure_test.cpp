// The Windows 9x sequence going on past failed steps, and staging nothing
// where the driver directory is unknown or too long for a path.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "install/install.h"
#include "tests/native/install_fixture.h"

namespace {

using namespace install_test;

// The operations of a COM2 run: staging, driver, printer (closed when there
// is a handle), then the line settings.
std::vector<std::string> Com2Ops(bool staged, bool printerClosed)
{
    std::vector<std::string> ops = {"GetPrinterDriverDirectoryA"};
    if (staged)
        ops.insert(ops.end(), {"CopyFileA", "CopyFileA", "FindFirstFileA", "CopyFileA", "CopyFileA"});
    ops.insert(ops.end(), {"AddPrinterDriverA", "AddPrinterA"});
    if (printerClosed)
        ops.push_back("ClosePrinter");
    ops.insert(ops.end(), {"CreateFileA", "GetCommState", "StrToIntA", "StrToIntA", "RegOpenKeyExA",
                           "RegSetValueExA", "RegCloseKey", "CloseHandle"});
    return ops;
}

struct StepFailureCase {
    const char* name;
    const char* failOp;
    const char* failArgs;
    const char* missingSource;  // a source file taken away first
    bool printerExistsBefore;
    bool staged;
    bool printerClosed;
};

const StepFailureCase kStepFailures[] = {
    {"every copy fails", "CopyFileA", "", nullptr, false, true, false},
    {"driver file missing from the folder", nullptr, "", "MR417.dll.drv", false, true, false},
    {"iconlib missing from the folder", nullptr, "", "iconlib.dll", false, true, true},
    {"registration fails", "AddPrinterDriverA", "", nullptr, false, true, false},
    {"printer creation fails", "AddPrinterA", "", nullptr, false, true, false},
    {"printer exists already", nullptr, "", nullptr, true, true, false},
    {"driver directory query fails", "GetPrinterDriverDirectoryA", "", nullptr, false, false, false},
};

void PrintTo(const StepFailureCase& c, std::ostream* os) { *os << c.name; }

class Win9xStepFailureTest : public Win9xInstallTest,
                             public ::testing::WithParamInterface<StepFailureCase> {};

TEST_P(Win9xStepFailureTest, PrinterAndLineSettingsStillRun)
{
    const StepFailureCase& c = GetParam();
    if (c.failOp)
        machine().Fail(c.failOp, ERROR_ACCESS_DENIED, c.failArgs);
    if (c.missingSource)
        machine().files.Remove(machine().files.Resolve(c.missingSource));
    if (c.printerExistsBefore) {
        sim::PrinterRecord existing;
        existing.pPrinterName = "MR-417";
        existing.pPortName = "LPT1:";
        machine().spooler.printers.push_back(existing);
    }
    InstallChoices choices = PageDefaults(4);
    choices.setDefaultPrinter = true;

    InstallOnWin9x(choices);

    EXPECT_EQ(Com2Ops(c.staged, c.printerClosed), OpNames(machine().Calls()));
    EXPECT_NE(nullptr, machine().registry.FindValue(HKEY_LOCAL_MACHINE, kOtherComKey, "DCB"));
    EXPECT_TRUE(machine().messageBoxes.empty());
    if (c.printerExistsBefore) {
        // The printer that was there stays as it was, not made the default.
        ASSERT_EQ(1u, machine().spooler.printers.size());
        EXPECT_EQ("LPT1:", machine().spooler.printers[0].pPortName);
        EXPECT_EQ(0u, machine().spooler.printers[0].Attributes);
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, Win9xStepFailureTest, ::testing::ValuesIn(kStepFailures),
                         [](const ::testing::TestParamInfo<StepFailureCase>& info) {
                             return CaseName(info.param.name);
                         });

// With no driver directory every staged path would name the root of the
// current drive: nothing is looked for or copied there.
TEST_F(Win9xInstallTest, UnknownDriverDirectoryStagesNothing)
{
    struct Case {
        const char* name;
        const char* directory;  // null: the query is refused
    };
    for (const Case& c : {Case{"empty text", ""}, Case{"query refused", nullptr}}) {
        SCOPED_TRACE(c.name);
        SetUp();
        machine().files.PutFile("C:\\iconlib.dll", "precious");
        if (c.directory)
            machine().SetDriverDirectory("Windows 4.0", c.directory);
        else
            machine().Fail("GetPrinterDriverDirectoryA", ERROR_INVALID_ENVIRONMENT);

        InstallOnWin9x(PageDefaults(3));

        EXPECT_TRUE(machine().CallsOf("CopyFileA").empty());
        EXPECT_TRUE(machine().CallsOf("FindFirstFileA").empty());
        EXPECT_EQ(std::vector<std::string>({"iconlib.dll"}), machine().files.Names("C:\\"));
        EXPECT_EQ("precious", ContentOf("C:\\iconlib.dll"));
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterDriverA").size());
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterA").size());
        EXPECT_NE(nullptr, machine().registry.FindValue(HKEY_LOCAL_MACHINE, kCom1Key, "DCB"));
    }
}

// A path that would pass MAX_PATH is left out whole, its existence test
// included; no path is cut short.
TEST_F(Win9xInstallTest, LongDriverDirectoryLeavesOutPathsThatDoNotFit)
{
    struct Case {
        std::size_t length;
        std::vector<std::string> fitting;  // rows whose target paths fit, by target name
    };
    const Case cases[] = {
        {245, {"MR417.dll.drv", "iconlib.dll", "unidrv.dll", "unidrv.HLP"}},
        {246, {"iconlib.dll", "unidrv.dll", "unidrv.HLP"}},
        {248, {"unidrv.dll", "unidrv.HLP"}},
        {249, {}},
        {254, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        SetUp();
        const std::string directory = DirectoryOfLength(c.length);
        machine().SetDriverDirectory("Windows 4.0", directory);

        InstallOnWin9x(PageDefaults());

        std::vector<std::string> expected;
        for (const std::string& name : c.fitting) {
            const std::string target = directory + "\\" + name;
            const std::string source = name == "unidrv.HLP" ? "unidrv.hlp" : name;
            if (name == "unidrv.dll")
                expected.push_back("FindFirstFileA(\"" + target + "\")");
            expected.push_back("CopyFileA(\"" + source + "\", \"" + target + "\", FALSE)");
        }
        std::vector<std::string> staging;
        for (const std::string& call : machine().Calls())
            if (call.rfind("CopyFileA(", 0) == 0 || call.rfind("FindFirstFileA(", 0) == 0)
                staging.push_back(call);
        EXPECT_EQ(expected, staging);
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterDriverA").size());
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterA").size());
    }
}

}  // namespace
