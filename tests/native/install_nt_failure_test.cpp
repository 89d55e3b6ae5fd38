// The NT-family sequence when things go wrong: each registry outcome, each
// spooler or file failure leaving the later steps to run, and a driver
// directory that is unknown or too long for the paths built on it.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "install/install.h"
#include "install/registry_message.h"
#include "tests/native/install_fixture.h"

namespace {

using namespace install_test;

// The operations of a COM1 run with the default box set: staging, driver,
// printer, both registry values, clean-up, and the printer's handle closed
// when there is one.
std::vector<std::string> Com1Ops(bool staged, bool printerClosed)
{
    std::vector<std::string> ops = {"GetPrinterDriverDirectoryA"};
    if (staged)
        ops.insert(ops.end(), 2 + 8, "");
    for (std::size_t i = 1; i < ops.size(); ++i)
        ops[i] = i <= 2 ? "DeleteFileA" : "CopyFileA";
    for (const char* op : {"AddPrinterDriverA", "AddPrinterA", "RegOpenKeyExA", "RegSetValueExA",
                           "RegCloseKey", "RegOpenKeyExA", "RegSetValueExA", "RegCloseKey"})
        ops.push_back(op);
    if (staged)
        ops.insert(ops.end(), 8, "DeleteFileA");
    if (printerClosed)
        ops.push_back("ClosePrinter");
    return ops;
}

struct RegistryCase {
    const char* name;
    bool windowsKey, portsKey;     // the keys exist
    const char* failOp;            // injected failure, or null
    DWORD failError;
    const char* failArgs;
    int messages;
    bool deviceStored, portsStored;
};

const RegistryCase kRegistryCases[] = {
    {"Windows key missing", false, true, nullptr, 0, "", 0, false, true},
    {"both keys missing", false, false, nullptr, 0, "", 0, false, false},
    {"Windows key refused", true, true, "RegOpenKeyExA", ERROR_ACCESS_DENIED, "CurrentVersion\\Windows\"",
     0, false, true},
    {"Ports key refused", true, true, "RegOpenKeyExA", ERROR_ACCESS_DENIED, "Ports\"", 0, true, false},
    {"Device value refused", true, true, "RegSetValueExA", ERROR_ACCESS_DENIED, "\"Device\"", 1, false,
     true},
    {"COM1: value refused", true, true, "RegSetValueExA", ERROR_ACCESS_DENIED, "\"COM1:\"", 1, true, false},
    {"both values refused", true, true, "RegSetValueExA", ERROR_ACCESS_DENIED, "", 2, false, false},
};

void PrintTo(const RegistryCase& c, std::ostream* os) { *os << c.name; }

class NtRegistryTest : public NtInstallTest, public ::testing::WithParamInterface<RegistryCase> {
protected:
    void SetUp() override { Arrange(GetParam().windowsKey, GetParam().portsKey); }
};

TEST_P(NtRegistryTest, MissingKeySilentRefusedValueReportedAndTheRunGoesOn)
{
    const RegistryCase& c = GetParam();
    if (c.failOp)
        machine().Fail(c.failOp, c.failError, c.failArgs);

    InstallOnNt(PageDefaults(3));

    ASSERT_EQ(static_cast<std::size_t>(c.messages), machine().messageBoxes.size());
    for (const sim::MessageBoxRecord& box : machine().messageBoxes) {
        EXPECT_EQ(kRegistryErrorMessage, box.text);
        EXPECT_EQ(static_cast<UINT>(MB_OK), box.type);
        EXPECT_EQ(0u, box.helpId);
    }
    EXPECT_EQ(c.deviceStored,
              machine().registry.FindValue(HKEY_CURRENT_USER, kWindowsKey, "Device") != nullptr);
    EXPECT_EQ(c.portsStored, machine().registry.FindValue(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:") != nullptr);

    // Every key that opened was closed, and both registry steps were tried
    // before the clean-up.
    const std::vector<std::string> ops = OpNames(machine().Calls());
    EXPECT_EQ(2, std::count(ops.begin(), ops.end(), "RegOpenKeyExA"));
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "RegSetValueExA"),
              std::count(ops.begin(), ops.end(), "RegCloseKey"));
    EXPECT_EQ(10, std::count(ops.begin(), ops.end(), "DeleteFileA"));
    EXPECT_EQ("ClosePrinter", ops.back());
    EXPECT_EQ(std::vector<std::string>(), machine().files.Names(kNtDirectory));
}

// The message for "Device" comes before the Ports step, which still runs.
TEST_F(NtInstallTest, DeviceMessageShownBeforeThePortsStep)
{
    machine().Fail("RegSetValueExA", ERROR_ACCESS_DENIED, "\"Device\"");
    InstallOnNt(PageDefaults(3));
    const std::vector<std::string> ops = OpNames(machine().Calls());
    const std::vector<std::string> middle(ops.begin() + 13, ops.begin() + 20);
    EXPECT_EQ(std::vector<std::string>({"RegOpenKeyExA", "RegSetValueExA", "AfxMessageBox", "RegCloseKey",
                                        "RegOpenKeyExA", "RegSetValueExA", "RegCloseKey"}),
              middle);
}

struct StepFailureCase {
    const char* name;
    const char* failOp;
    const char* failArgs;
    bool driverInstalledBefore;  // an MR-417 driver is already in the spooler
    bool printerExistsBefore;    // a printer named "mr-417" is already there
    bool staged;
    bool printerClosed;
};

const StepFailureCase kStepFailures[] = {
    {"every deletion fails", "DeleteFileA", "", false, false, true, true},
    {"every copy fails", "CopyFileA", "", false, false, true, false},
    {"one copy fails", "CopyFileA", "UNIRES", false, false, true, false},
    {"registration fails", "AddPrinterDriverA", "", false, false, true, false},
    {"registration fails, older driver present", "AddPrinterDriverA", "", true, false, true, true},
    {"printer creation fails", "AddPrinterA", "", false, false, true, false},
    {"printer exists already", nullptr, "", false, true, true, false},
    {"driver directory query fails", "GetPrinterDriverDirectoryA", "", false, false, false, false},
};

void PrintTo(const StepFailureCase& c, std::ostream* os) { *os << c.name; }

class NtStepFailureTest : public NtInstallTest, public ::testing::WithParamInterface<StepFailureCase> {};

TEST_P(NtStepFailureTest, LaterStepsAllRun)
{
    const StepFailureCase& c = GetParam();
    if (c.failOp)
        machine().Fail(c.failOp, ERROR_ACCESS_DENIED, c.failArgs);
    if (c.driverInstalledBefore) {
        sim::DriverRecord older;
        older.pName = "MR-417";
        older.environment = "Windows NT x86";
        machine().spooler.drivers.push_back(older);
    }
    if (c.printerExistsBefore) {
        sim::PrinterRecord existing;
        existing.pPrinterName = "mr-417";
        existing.pPortName = "LPT2:";
        machine().spooler.printers.push_back(existing);
    }

    InstallOnNt(PageDefaults(3));

    EXPECT_EQ(Com1Ops(c.staged, c.printerClosed), OpNames(machine().Calls()));
    EXPECT_NE(nullptr, machine().registry.FindValue(HKEY_CURRENT_USER, kWindowsKey, "Device"));
    EXPECT_NE(nullptr, machine().registry.FindValue(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"));
    EXPECT_TRUE(machine().messageBoxes.empty());
    ASSERT_EQ(c.printerClosed || c.printerExistsBefore ? 1u : 0u, machine().spooler.printers.size());
    if (c.printerExistsBefore) {
        EXPECT_EQ("LPT2:", machine().spooler.printers[0].pPortName);
    }
    // Only a deletion that failed leaves a staged file behind.
    if (std::string(c.failOp ? c.failOp : "") != "DeleteFileA") {
        EXPECT_EQ(std::vector<std::string>(), machine().files.Names(kNtDirectory));
    }
}

// With no driver directory every staged path would name the root of the
// current drive: nothing is copied there and nothing there is deleted.
TEST_F(NtInstallTest, UnknownDriverDirectoryStagesAndDeletesNothing)
{
    struct Case {
        const char* name;
        const char* directory;  // null: the environment is unknown to the spooler
    };
    for (const Case& c : {Case{"empty text", ""}, Case{"query refused", nullptr}}) {
        SCOPED_TRACE(c.name);
        SetUp();
        for (const char* name : {"MR417.dll", "MR417.GPD", "UNIDRV.DLL"})
            machine().files.PutFile(std::string("C:\\") + name, "precious");
        if (c.directory)
            machine().SetDriverDirectory("Windows NT x86", c.directory);
        else
            machine().spooler.driverDirectories.erase("Windows NT x86");

        InstallOnNt(PageDefaults(3));

        EXPECT_TRUE(machine().CallsOf("DeleteFileA").empty());
        EXPECT_TRUE(machine().CallsOf("CopyFileA").empty());
        EXPECT_EQ(std::vector<std::string>({"MR417.GPD", "MR417.dll", "UNIDRV.DLL"}),
                  machine().files.Names("C:\\"));
        EXPECT_EQ("precious", ContentOf("C:\\MR417.dll"));
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterDriverA").size());
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterA").size());
        EXPECT_NE(nullptr, machine().registry.FindValue(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"));
    }
}

// A path that would pass MAX_PATH is left out whole; no other path is cut
// short. The buffer holds a directory of at most 254 characters.
TEST_F(NtInstallTest, LongDriverDirectoryLeavesOutPathsThatDoNotFit)
{
    struct Case {
        std::size_t length;
        std::vector<std::string> fitting;  // the staged names whose paths fit, in order
    };
    const Case cases[] = {
        {248, {"MR417.dll", "MR417.GPD", "UNIDRV.DLL", "UNIRES.DLL", "UNIDRV.HLP", "TTFSUB.GPD"}},
        {249, {"MR417.dll", "MR417.GPD"}},
        {250, {}},
        {254, {}},
        {255, {}},  // does not fit the query's buffer: unknown
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        SetUp();
        const std::string directory = DirectoryOfLength(c.length);
        ASSERT_EQ(c.length, directory.size());
        machine().SetDriverDirectory("Windows NT x86", directory);

        InstallOnNt(PageDefaults());

        std::vector<std::string> copies, deletions;
        for (const std::string& name : c.fitting) {
            const std::string target = directory + "\\" + name;
            copies.push_back("CopyFileA(\"win2k\\" + name + "\", \"" + target + "\", FALSE)");
            deletions.push_back("DeleteFileA(\"" + target + "\")");
        }
        std::vector<std::string> expectedDeletions;
        for (const std::string& call : deletions)
            if (call.find("MR417.") != std::string::npos)
                expectedDeletions.push_back(call);
        expectedDeletions.insert(expectedDeletions.end(), deletions.begin(), deletions.end());
        EXPECT_EQ(copies, machine().CallsOf("CopyFileA"));
        EXPECT_EQ(expectedDeletions, machine().CallsOf("DeleteFileA"));
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterDriverA").size());
        EXPECT_EQ(1u, machine().CallsOf("AddPrinterA").size());
    }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, NtRegistryTest, ::testing::ValuesIn(kRegistryCases),
                         [](const ::testing::TestParamInfo<RegistryCase>& info) {
                             return CaseName(info.param.name);
                         });
INSTANTIATE_TEST_SUITE_P(Failures, NtStepFailureTest, ::testing::ValuesIn(kStepFailures),
                         [](const ::testing::TestParamInfo<StepFailureCase>& info) {
                             return CaseName(info.param.name);
                         });

}  // namespace
