// The Windows 9x sequence: its calls in order, the staged files, and the
// driver and printer records the spooler keeps.
#include <string>
#include <vector>

#include "install/install.h"
#include "tests/native/install_fixture.h"

namespace {

using namespace install_test;

std::string Target(const std::string& name) { return std::string(k9xDirectory) + "\\" + name; }

TEST_F(Win9xInstallTest, DefaultLpt1RunMakesExactlyTheseCalls)
{
    InstallOnWin9x(PageDefaults());

    const std::vector<std::string> expected = {
        "GetPrinterDriverDirectoryA(NULL, NULL, 1, 255)",
        "CopyFileA(\"MR417.dll.drv\", \"" + Target("MR417.dll.drv") + "\", FALSE)",
        "CopyFileA(\"iconlib.dll\", \"" + Target("iconlib.dll") + "\", FALSE)",
        "FindFirstFileA(\"" + Target("unidrv.dll") + "\")",
        "CopyFileA(\"unidrv.dll\", \"" + Target("unidrv.dll") + "\", FALSE)",
        "CopyFileA(\"unidrv.hlp\", \"" + Target("unidrv.HLP") + "\", FALSE)",
        "AddPrinterDriverA(NULL, 3, \"MR-417\", \"Windows 4.0\")",
        "AddPrinterA(NULL, 2, \"MR-417\", \"LPT1:\")",
        "ClosePrinter(0x1000)",
    };
    EXPECT_EQ(expected, machine().Calls());
    EXPECT_TRUE(machine().messageBoxes.empty());
    // The staged files stay in the driver directory on this family.
    EXPECT_EQ(std::vector<std::string>({"MR417.dll.drv", "iconlib.dll", "unidrv.HLP", "unidrv.dll"}),
              machine().files.Names(k9xDirectory));
    EXPECT_EQ(SourceBytes("unidrv.hlp"), ContentOf(Target("unidrv.HLP")));
}

TEST_F(Win9xInstallTest, Com1RunStoresTheSettingsAfterThePrinter)
{
    InstallOnWin9x(PageDefaults(3));

    const std::vector<std::string> calls = machine().Calls();
    ASSERT_EQ(17u, calls.size());
    const std::vector<std::string> tail(calls.begin() + 8, calls.end());
    const std::vector<std::string> expected = {
        "ClosePrinter(0x1000)",
        "CreateFileA(\"COM1\", 0xC0000000, 0, NULL, 3, 0x0, NULL)",
        "GetCommState(0x1004)",
        "StrToIntA(\"19200\")",
        "StrToIntA(\"8\")",
        "RegOpenKeyExA(HKEY_LOCAL_MACHINE, \"" + std::string(kCom1Key) + "\", 0, 0x2)",
        "RegSetValueExA(0x1008, \"DCB\", 0, 3, {A0 A1 A2 A3 00 4B 00 00 15 20 AA AB AC AD AE AF B0 B1 "
        "08 00 00 B5 B6 B7 B8 B9 BA BB}, 28)",
        "RegCloseKey(0x1008)",
        "CloseHandle(0x1004)",
    };
    EXPECT_EQ(expected, tail);
    EXPECT_FALSE(machine().serial.ports["COM1"].open);
}

TEST_F(Win9xInstallTest, DriverRecordNamesOneBareFileThreeTimes)
{
    InstallOnWin9x(PageDefaults());

    ASSERT_EQ(1u, machine().spooler.drivers.size());
    const sim::DriverRecord& d = machine().spooler.drivers[0];
    EXPECT_EQ(0u, d.cVersion);
    EXPECT_EQ("MR-417", d.pName);
    EXPECT_EQ("Windows 4.0", d.pEnvironment);
    EXPECT_EQ("MR417.dll.drv", d.pDriverPath);
    EXPECT_EQ("MR417.dll.drv", d.pDataFile);
    EXPECT_EQ("MR417.dll.drv", d.pConfigFile);
    EXPECT_EQ("UNIDRV.HLP", d.pHelpFile);
    EXPECT_EQ(sim::Text(std::string(1, '\0')), d.pDependentFiles);  // empty, not null
    EXPECT_EQ(sim::Text(""), d.pMonitorName);
    EXPECT_EQ("RAW", d.pDefaultDataType);
    EXPECT_EQ(SourceBytes("MR417.dll.drv"), d.files.at("MR417.dll.drv"));
}

TEST_F(Win9xInstallTest, PrinterRecordMarksTheDefaultByAttributeOnly)
{
    struct Case {
        std::int32_t port;
        bool makeDefault;
        const char* portName;
        DWORD attributes;
    };
    const Case cases[] = {{0, true, "LPT1:", 4}, {1, false, "LPT2:", 0}, {2, true, "LPT3:", 4},
                          {5, false, "COM3:", 0}, {6, true, "COM4:", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.portName);
        SetUp();
        InstallChoices choices = PageDefaults(c.port);
        choices.setDefaultPrinter = c.makeDefault;

        InstallOnWin9x(choices);

        ASSERT_EQ(1u, machine().spooler.printers.size());
        const sim::PrinterRecord& p = machine().spooler.printers[0];
        EXPECT_EQ("MR-417", p.pPrinterName);
        EXPECT_EQ(c.portName, p.pPortName);
        EXPECT_EQ("MR-417", p.pDriverName);
        EXPECT_EQ("WinPrint", p.pPrintProcessor);
        EXPECT_EQ("RAW", p.pDatatype);
        EXPECT_EQ(c.attributes, p.Attributes);
        for (const sim::Text* unset : {&p.pServerName, &p.pShareName, &p.pComment, &p.pLocation,
                                       &p.pSepFile, &p.pParameters})
            EXPECT_FALSE(unset->has_value());
        EXPECT_FALSE(p.hasDevMode);
        EXPECT_FALSE(p.hasSecurityDescriptor);
        for (DWORD zero : {p.Priority, p.DefaultPriority, p.StartTime, p.UntilTime, p.Status, p.cJobs,
                           p.AveragePPM})
            EXPECT_EQ(0u, zero);
        // No registry value makes it the default: the one value written is
        // a COM port's DCB.
        EXPECT_EQ(c.port > 2 ? 1u : 0u, machine().CallsOf("RegSetValueExA").size());
    }
}

// A Unidrv core already in the directory may be newer and in use: it stays,
// while the other three files are replaced.
TEST_F(Win9xInstallTest, PresentUnidrvCoreIsKeptOthersReplaced)
{
    for (const char* name : {"UNIDRV.DLL", "ICONLIB.DLL", "UNIDRV.HLP", "mr417.DLL.DRV"})
        machine().files.PutFile(Target(name), "old");

    InstallOnWin9x(PageDefaults());

    EXPECT_EQ("old", ContentOf(Target("unidrv.dll")));
    EXPECT_EQ(SourceBytes("iconlib.dll"), ContentOf(Target("iconlib.dll")));
    EXPECT_EQ(SourceBytes("unidrv.hlp"), ContentOf(Target("unidrv.hlp")));
    EXPECT_EQ(SourceBytes("MR417.dll.drv"), ContentOf(Target("MR417.dll.drv")));
    EXPECT_EQ(3u, machine().CallsOf("CopyFileA").size());
    for (const std::string& call : machine().CallsOf("CopyFileA"))
        EXPECT_EQ(std::string::npos, call.find("\"unidrv.dll\"")) << call;
    // The search that found it is closed again.
    EXPECT_EQ(1u, machine().CallsOf("FindClose").size());
}

}  // namespace
