// The simulated machine behaves as the Windows calls it stands for, where the
// installation tests rely on it.
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "tests/native/sim_fixture.h"

namespace {

TEST(Win32Layout, DcbFieldsSitWhereWindowsPutsThem)
{
    EXPECT_EQ(4u, offsetof(DCB, BaudRate));
    EXPECT_EQ(12u, offsetof(DCB, wReserved));
    EXPECT_EQ(18u, offsetof(DCB, ByteSize));
    EXPECT_EQ(21u, offsetof(DCB, XonChar));
    EXPECT_EQ(26u, offsetof(DCB, wReserved1));

    struct Case {
        void (*set)(DCB& dcb);
        int byte;
        BYTE value;
    };
    const Case cases[] = {
        {[](DCB& d) { d.fBinary = 1; }, 8, 0x01},
        {[](DCB& d) { d.fOutxCtsFlow = 1; }, 8, 0x04},
        {[](DCB& d) { d.fDtrControl = 1; }, 8, 0x10},
        {[](DCB& d) { d.fTXContinueOnXoff = 1; }, 8, 0x80},
        {[](DCB& d) { d.fOutX = 1; }, 9, 0x01},
        {[](DCB& d) { d.fInX = 1; }, 9, 0x02},
        {[](DCB& d) { d.fRtsControl = 2; }, 9, 0x20},
        {[](DCB& d) { d.fAbortOnError = 1; }, 9, 0x40},
        {[](DCB& d) { d.fDummy2 = 1; }, 9, 0x80},
        {[](DCB& d) { d.fDummy2 = 2; }, 10, 0x01},
    };
    for (const Case& c : cases) {
        DCB dcb;
        std::memset(&dcb, 0, sizeof dcb);
        c.set(dcb);
        const sim::DcbBytes bytes = sim::ToBytes(dcb);
        for (int i = 0; i < static_cast<int>(bytes.size()); ++i)
            EXPECT_EQ(i == c.byte ? c.value : 0, bytes[i]) << "byte " << i << " of case " << &c - cases;
    }
}

TEST_F(SimTest, FilesCompareWithoutCaseAndKeepTheirBytes)
{
    sim::FileSystem& fs = machine().files;
    fs.PutFile("src\\Driver.DLL", std::string("MZ\0\x01", 4));
    fs.MakeDirectory("C:\\dest");

    EXPECT_TRUE(CopyFileA("SRC\\driver.dll", "C:\\DEST\\Copy.dll", FALSE));
    EXPECT_EQ(std::string("MZ\0\x01", 4), fs.Find("c:\\dest\\copy.DLL")->content);
    EXPECT_EQ("C:\\dest\\Copy.dll", fs.Find("C:\\DEST\\COPY.DLL")->path);

    // Overwriting keeps the existing name; fail-if-exists refuses.
    fs.PutFile("src\\new.dll", "new");
    EXPECT_TRUE(CopyFileA("src\\new.dll", "C:\\dest\\COPY.DLL", FALSE));
    EXPECT_EQ("new", fs.Find("C:\\dest\\Copy.dll")->content);
    EXPECT_EQ("C:\\dest\\Copy.dll", fs.Find("C:\\dest\\Copy.dll")->path);
    EXPECT_FALSE(CopyFileA("src\\new.dll", "C:\\dest\\copy.dll", TRUE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_EXISTS), GetLastError());

    EXPECT_FALSE(CopyFileA("src\\absent.dll", "C:\\dest\\x.dll", FALSE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_FALSE(CopyFileA("src\\new.dll", "C:\\nowhere\\x.dll", FALSE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());

    // A path beginning with a backslash is on the current directory's drive.
    EXPECT_TRUE(CopyFileA("src\\new.dll", "\\root.dll", FALSE));
    EXPECT_TRUE(fs.Exists("C:\\root.dll"));

    EXPECT_TRUE(DeleteFileA("c:\\DEST\\copy.dll"));
    EXPECT_FALSE(fs.Exists("C:\\dest\\Copy.dll"));
    EXPECT_FALSE(DeleteFileA("C:\\dest\\Copy.dll"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}

TEST_F(SimTest, FindFirstFileReportsTheStoredNameAndNeedsFindClose)
{
    machine().files.PutFile("C:\\sys\\UniDrv.dll", "1234");
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA("C:\\SYS\\unidrv.DLL", &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, find);
    EXPECT_STREQ("UniDrv.dll", data.cFileName);
    EXPECT_EQ(4u, data.nFileSizeLow);
    EXPECT_FALSE(CloseHandle(find));  // not a file handle
    EXPECT_TRUE(FindClose(find));
    EXPECT_FALSE(FindClose(find));

    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA("C:\\sys\\other.dll", &data));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_TRUE(machine().OpenHandles().empty());
}

TEST_F(SimTest, RegistryOpensExistingKeysOnlyAndStoresExactBytes)
{
    machine().registry.CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Ports");
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Other", 0,
                                                  KEY_SET_VALUE, &key));
    EXPECT_EQ(nullptr, key);
    EXPECT_FALSE(machine().registry.HasKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Other"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Vendor\\Ports", 0,
                                                  KEY_SET_VALUE, &key));

    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\VENDOR\\ports", 0,
                                           KEY_SET_VALUE, &key));
    const BYTE data[] = {'a', 'b', 0, 'c'};
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "COM1:", 0, REG_SZ, data, 3));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key));

    const sim::RegistryValue* value =
        machine().registry.FindValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Ports", "com1:");
    ASSERT_NE(nullptr, value);
    EXPECT_EQ("COM1:", value->name);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), value->type);
    EXPECT_EQ(std::string("ab\0", 3), value->data);

    // A key opened for reading refuses a value.
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Ports", 0,
                                           KEY_QUERY_VALUE, &key));
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegSetValueExA(key, "x", 0, REG_SZ, data, 1));
    RegCloseKey(key);
}

TEST_F(SimTest, DriverDirectoryByEnvironment)
{
    machine().spooler.runningEnvironment = "Windows 4.0";
    machine().SetDriverDirectory("Windows 4.0", "C:\\WINDOWS\\SYSTEM");
    char buffer[32];
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(buffer),
                                           sizeof buffer, &needed));
    EXPECT_STREQ("C:\\WINDOWS\\SYSTEM", buffer);
    EXPECT_EQ(18u, needed);

    char nt[] = "windows nt X86";
    EXPECT_FALSE(GetPrinterDriverDirectoryA(nullptr, nt, 1, reinterpret_cast<LPBYTE>(buffer), 10, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(41u, needed);

    char unknown[] = "Windows IA64";
    EXPECT_FALSE(GetPrinterDriverDirectoryA(nullptr, unknown, 1, reinterpret_cast<LPBYTE>(buffer),
                                            sizeof buffer, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_ENVIRONMENT), GetLastError());
}

// The spooler keeps what it was given, not the caller's buffers, and refuses
// a second printer of the same name.
TEST_F(SimTest, SpoolerKeepsDeepCopiesAndRefusesADuplicatePrinter)
{
    const std::string directory = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\";
    for (const char* name : {"d.dll", "d.gpd", "ui.dll", "dep.dll"})
        machine().files.PutFile(directory + name, name);
    char name[] = "Model";
    char list[] = "dep.dll\0\0garbage";
    DRIVER_INFO_3A driver;
    std::memset(&driver, 0, sizeof driver);
    driver.cVersion = 3;
    driver.pName = name;
    driver.pDriverPath = const_cast<LPSTR>("\\d.dll");
    driver.pDataFile = const_cast<LPSTR>("d.gpd");
    driver.pConfigFile = const_cast<LPSTR>("\\UI.DLL");
    driver.pDependentFiles = list;
    ASSERT_TRUE(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)));
    std::memset(name, 'x', sizeof name - 1);
    std::memset(list, 'x', sizeof list - 1);

    const sim::DriverRecord& stored = machine().spooler.drivers.at(0);
    EXPECT_EQ("Model", stored.pName);
    EXPECT_FALSE(stored.pEnvironment.has_value());  // null: the running environment
    EXPECT_EQ("Windows NT x86", stored.environment);
    EXPECT_EQ(std::string("dep.dll\0", 9), stored.pDependentFiles);
    EXPECT_FALSE(stored.pMonitorName.has_value());
    EXPECT_EQ("ui.dll", stored.files.at("UI.DLL"));

    PRINTER_INFO_2A printer;
    std::memset(&printer, 0, sizeof printer);
    char printerName[] = "Model";
    printer.pPrinterName = printerName;
    printer.pDriverName = printerName;
    const HANDLE handle = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer));
    ASSERT_NE(nullptr, handle);
    std::memset(printerName, 'x', sizeof printerName - 1);
    EXPECT_EQ("Model", machine().spooler.printers.at(0).pPrinterName);

    char again[] = "MODEL";
    printer.pPrinterName = again;
    EXPECT_EQ(nullptr, AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_PRINTER_ALREADY_EXISTS), GetLastError());

    char other[] = "Other";
    printer.pPrinterName = other;
    printer.pDriverName = other;
    EXPECT_EQ(nullptr, AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_UNKNOWN_PRINTER_DRIVER), GetLastError());

    EXPECT_TRUE(ClosePrinter(handle));
    EXPECT_FALSE(ClosePrinter(handle));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(SimTest, SerialPortIsExclusiveAndReportsItsState)
{
    machine().serial.ports["COM1"].state.fill(0x3C);
    const HANDLE port = CreateFileA("com1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, port);
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              CreateFileA("COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              CreateFileA("COM9", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));

    DCB dcb;
    ASSERT_TRUE(GetCommState(port, &dcb));
    EXPECT_EQ(machine().serial.ports["COM1"].state, sim::ToBytes(dcb));
    EXPECT_FALSE(ClosePrinter(port));
    EXPECT_TRUE(CloseHandle(port));
    EXPECT_FALSE(CloseHandle(port));
    EXPECT_FALSE(machine().serial.ports["COM1"].open);
}

TEST_F(SimTest, StrToIntReadsLeadingDigits)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"115200", 115200}, {"8", 8},   {"1.5", 1}, {"12b34", 12}, {" \t-42", -42},
                          {"+7", 7},          {"abc", 0}, {"", 0},    {"- 5", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.value, StrToIntA(c.text)) << '"' << c.text << '"';
}

TEST_F(SimTest, InjectedFailureHitsOnlyMatchingCalls)
{
    machine().files.PutFile("a.dll", "a");
    machine().files.PutFile("b.dll", "b");
    machine().Fail("CopyFileA", ERROR_ACCESS_DENIED, "\"b.dll\"");
    EXPECT_TRUE(CopyFileA("a.dll", "c.dll", FALSE));
    EXPECT_FALSE(CopyFileA("b.dll", "d.dll", FALSE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    EXPECT_FALSE(machine().files.Exists("d.dll"));

    machine().Fail("RegOpenKeyExA", ERROR_ACCESS_DENIED);
    machine().registry.CreateKey(HKEY_CURRENT_USER, "Software");
    HKEY key;
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_SET_VALUE, &key));
    EXPECT_EQ(std::vector<std::string>({"CopyFileA(\"a.dll\", \"c.dll\", FALSE)",
                                        "CopyFileA(\"b.dll\", \"d.dll\", FALSE)",
                                        "RegOpenKeyExA(HKEY_CURRENT_USER, \"Software\", 0, 0x2)"}),
              machine().Calls());
}

}  // namespace
