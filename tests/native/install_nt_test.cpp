// The NT-family sequence on a working machine: its calls in order, the
// records the spooler keeps, and the registry texts it stores.
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "install/install.h"
#include "tests/native/install_fixture.h"

namespace {

using namespace install_test;

std::string Target(const std::string& name) { return std::string(kNtDirectory) + "\\" + name; }

TEST_F(NtInstallTest, DefaultLpt1RunMakesExactlyTheseCalls)
{
    InstallOnNt(PageDefaults());

    std::vector<std::string> expected = {
        "GetPrinterDriverDirectoryA(NULL, \"Windows NT x86\", 1, 255)",
        "DeleteFileA(\"" + Target("MR417.dll") + "\")",
        "DeleteFileA(\"" + Target("MR417.GPD") + "\")",
    };
    for (const std::string& name : kNtFiles)
        expected.push_back("CopyFileA(\"win2k\\" + name + "\", \"" + Target(name) + "\", FALSE)");
    expected.push_back("AddPrinterDriverA(NULL, 3, \"MR-417\", \"Windows NT x86\")");
    expected.push_back("AddPrinterA(NULL, 2, \"MR-417\", \"LPT1:\")");
    expected.push_back("RegOpenKeyExA(HKEY_CURRENT_USER, \"" + std::string(kWindowsKey) + "\", 0, 0x2)");
    expected.push_back("RegSetValueExA(0x1004, \"Device\", 0, 1, \"MR-417,winspool,LPT1:\\x00\", 22)");
    expected.push_back("RegCloseKey(0x1004)");
    for (const std::string& name : kNtFiles)
        expected.push_back("DeleteFileA(\"" + Target(name) + "\")");
    expected.push_back("ClosePrinter(0x1000)");
    EXPECT_EQ(expected, machine().Calls());

    // The spooler kept its own copies; nothing staged is left behind and
    // the source folder is as it was.
    const sim::DriverRecord* driver = machine().spooler.FindDriver("MR-417", "Windows NT x86");
    ASSERT_NE(nullptr, driver);
    EXPECT_EQ(SourceBytes("MR417.GPD"), driver->files.at("MR417.GPD"));
    EXPECT_EQ(SourceBytes("UNIDRVUI.DLL"), driver->files.at("uniDRVui.DLL"));
    EXPECT_EQ(std::vector<std::string>(), machine().files.Names(kNtDirectory));
    EXPECT_EQ(kNtFiles.size(), machine().files.Names("win2k").size());
    EXPECT_TRUE(machine().messageBoxes.empty());
}

TEST_F(NtInstallTest, DriverRecordAsTheSpoolerKeepsIt)
{
    InstallOnNt(PageDefaults());

    ASSERT_EQ(1u, machine().spooler.drivers.size());
    const sim::DriverRecord& d = machine().spooler.drivers[0];
    EXPECT_EQ(3u, d.cVersion);
    EXPECT_EQ("MR-417", d.pName);
    EXPECT_EQ("Windows NT x86", d.pEnvironment);
    // Bare names behind one backslash, in this letter case.
    EXPECT_EQ("\\uniDRV.DLL", d.pDriverPath);
    EXPECT_EQ("\\MR417.GPD", d.pDataFile);
    EXPECT_EQ("\\uniDRVui.DLL", d.pConfigFile);
    EXPECT_EQ("\\uniDRV.HLP", d.pHelpFile);
    EXPECT_EQ(sim::Text(""), d.pMonitorName);  // a pointer to a NUL, not null
    EXPECT_EQ("RAW", d.pDefaultDataType);

    const char list[] = "MR417.dll\0TTFSUB.GPD\0STDNAMES.GPD\0uniDRVui.DLL\0uniDRV.DLL\0UNIRES.DLL\0";
    ASSERT_TRUE(d.pDependentFiles.has_value());
    EXPECT_EQ(70u, d.pDependentFiles->size());
    EXPECT_EQ(std::string(list, sizeof list), *d.pDependentFiles);
}

TEST_F(NtInstallTest, PrinterRecordAsTheSpoolerKeepsIt)
{
    InstallOnNt(PageDefaults(3));

    ASSERT_EQ(1u, machine().spooler.printers.size());
    const sim::PrinterRecord& p = machine().spooler.printers[0];
    EXPECT_EQ("MR-417", p.pPrinterName);
    EXPECT_EQ("COM1:", p.pPortName);
    EXPECT_EQ("MR-417", p.pDriverName);
    EXPECT_EQ("WinPrint", p.pPrintProcessor);
    EXPECT_EQ("RAW", p.pDatatype);
    for (const sim::Text* unset : {&p.pServerName, &p.pShareName, &p.pComment, &p.pLocation,
                                   &p.pSepFile, &p.pParameters})
        EXPECT_FALSE(unset->has_value());
    EXPECT_FALSE(p.hasDevMode);
    EXPECT_FALSE(p.hasSecurityDescriptor);
    for (DWORD zero : {p.Attributes, p.Priority, p.DefaultPriority, p.StartTime, p.UntilTime,
                       p.Status, p.cJobs, p.AveragePPM})
        EXPECT_EQ(0u, zero);
}

struct TextCase {
    const char* name;
    InstallChoices choices;
    const char* device;  // null: "Device" untouched
    const char* ports;   // null: nothing under the Ports key
};

// Choices are {module, port, baud, byte size, stop bits, parity, flow, default}.
const TextCase kTextCases[] = {
    {"LPT1 with the default box", {0, 0, 5, 3, 0, 2, 2, true}, "MR-417,winspool,LPT1:", nullptr},
    {"LPT3 without it, serial lists ignored", {0, 2, 0, 0, 1, 4, 0, false}, nullptr, nullptr},
    {"COM1 with the page's defaults", {0, 3, 5, 3, 0, 2, 2, true}, "MR-417,winspool,COM1:",
     "19200,n,8,1,p"},
    {"COM4, flow None ends in a space", {0, 6, 4, 3, 0, 2, 0, true}, "MR-417,winspool,COM4:",
     "9600,n,8,1, "},
    {"COM2, 1.5 stop bits and XonXoff", {0, 4, 8, 0, 1, 0, 1, false}, nullptr, "115200,e,5,1.5,x"},
    {"COM3, Mark, 2 stop bits", {0, 5, 0, 2, 2, 1, 2, true}, "MR-417,winspool,COM3:", "300,m,7,2,p"},
    {"COM1, Odd", {0, 3, 1, 1, 0, 3, 1, false}, nullptr, "1200,o,6,1,x"},
    {"COM2, Space", {0, 4, 7, 3, 2, 4, 0, false}, nullptr, "57600,s,8,2, "},
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class NtTextTest : public NtInstallTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(NtTextTest, DeviceAndPortsTextsStoredWithTheirNul)
{
    const TextCase& c = GetParam();
    InstallOnNt(c.choices);

    const sim::RegistryValue* device =
        machine().registry.FindValue(HKEY_CURRENT_USER, kWindowsKey, "Device");
    if (c.device) {
        ASSERT_NE(nullptr, device);
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), device->type);
        EXPECT_EQ(std::string(c.device, std::strlen(c.device) + 1), device->data);
    } else {
        EXPECT_EQ(nullptr, device);
    }

    const char* port = PortTable[c.choices.portIndex].value;
    const sim::RegistryValue* ports = machine().registry.FindValue(HKEY_LOCAL_MACHINE, kPortsKey, port);
    if (c.ports) {
        ASSERT_NE(nullptr, ports);
        EXPECT_EQ(port, ports->name);  // the port name, colon included
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), ports->type);
        EXPECT_EQ(std::string(c.ports, std::strlen(c.ports) + 1), ports->data);
    } else {
        EXPECT_EQ(nullptr, ports);
    }
    // A key is opened only for a value that is due.
    EXPECT_EQ((c.device ? 1u : 0u) + (c.ports ? 1u : 0u), machine().CallsOf("RegOpenKeyExA").size());
    EXPECT_TRUE(machine().messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(PortsAndSerialChoices, NtTextTest, ::testing::ValuesIn(kTextCases),
                         [](const ::testing::TestParamInfo<TextCase>& info) {
                             return CaseName(info.param.name);
                         });

TEST_F(NtInstallTest, SecondRunRepeatsEveryStep)
{
    InstallOnNt(PageDefaults(3));
    const std::vector<std::string> first = OpNames(machine().Calls());

    InstallOnNt(PageDefaults(3));

    const std::vector<std::string> all = OpNames(machine().Calls());
    const std::vector<std::string> second(all.begin() + static_cast<long>(first.size()), all.end());
    // The printer exists now, so this run has no handle to close.
    std::vector<std::string> expected = first;
    ASSERT_EQ("ClosePrinter", expected.back());
    expected.pop_back();
    EXPECT_EQ(expected, second);
    EXPECT_EQ(1u, machine().spooler.drivers.size());
    EXPECT_EQ(1u, machine().spooler.printers.size());
}

}  // namespace
