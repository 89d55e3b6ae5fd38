// Simulated machines ready for each installation sequence: the source files
// in place, the registry keys the sequences write under, and a check that no
// handle is left open.
#ifndef ORVIK_TESTS_INSTALL_FIXTURE_H
#define ORVIK_TESTS_INSTALL_FIXTURE_H

#include <cctype>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "tests/native/sim_fixture.h"

namespace install_test {

const char kNtDirectory[] = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
const char k9xDirectory[] = "C:\\WINDOWS\\SYSTEM";
const char kWindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
const char kPortsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
const char kCom1Key[] = "System\\CurrentControlSet\\Services\\Class\\Ports\\0000";
const char kOtherComKey[] = "System\\CurrentControlSet\\Services\\Class\\Ports\\0001";

// The eight files of the NT family's source folder, in staging order.
const std::vector<std::string> kNtFiles = {"MR417.dll",  "MR417.GPD",  "UNIDRV.DLL", "UNIDRVUI.DLL",
                                           "UNIRES.DLL", "UNIDRV.HLP", "TTFSUB.GPD", "STDNAMES.GPD"};

// The page's selections when it opens: the module, LPT1, 19200 baud, 8 data
// bits, 1 stop bit, parity None, flow Hardware, the default-printer box set.
inline InstallChoices PageDefaults(std::int32_t portIndex = 0)
{
    return InstallChoices{0, portIndex, 5, 3, 0, 2, 2, true};
}

// What a source file holds in these tests: its name, so a copy shows where
// it came from.
inline std::string SourceBytes(const std::string& name) { return "source of " + name; }

// A file's bytes on the simulated machine, or a marker when it is absent.
inline std::string ContentOf(const std::string& path)
{
    const sim::File* file = sim::TheMachine().files.Find(path);
    return file ? file->content : std::string("(no such file)");
}

// Only the operation names of a call log.
inline std::vector<std::string> OpNames(const std::vector<std::string>& calls)
{
    std::vector<std::string> names;
    for (const std::string& call : calls)
        names.push_back(call.substr(0, call.find('(')));
    return names;
}

// A test name from a case's description.
inline std::string CaseName(const char* text)
{
    std::string name;
    for (const char* p = text; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

// A path of `length` characters under C:\ for a driver directory.
inline std::string DirectoryOfLength(std::size_t length)
{
    std::string path = "C:\\";
    while (path.size() < length)
        path += path.size() % 60 == 59 && path.size() + 1 < length ? '\\' : 'd';
    return path;
}

// Leaves every test with no handle of the machine open.
class InstallTest : public SimTest {
protected:
    void TearDown() override { EXPECT_EQ(std::vector<std::string>(), machine().OpenHandles()); }
};

// Windows XP with the "win2k" folder and both registry keys in place.
class NtInstallTest : public InstallTest {
protected:
    void SetUp() override { Arrange(true, true); }

    void Arrange(bool windowsKey, bool portsKey)
    {
        InstallTest::SetUp();
        for (const std::string& name : kNtFiles)
            machine().files.PutFile("win2k\\" + name, SourceBytes(name));
        if (windowsKey)
            machine().registry.CreateKey(HKEY_CURRENT_USER, kWindowsKey);
        if (portsKey)
            machine().registry.CreateKey(HKEY_LOCAL_MACHINE, kPortsKey);
    }
};

// Windows 98 with its driver directory, the four source files in the
// current folder and both port keys; COM1's state has a distinct value in
// every byte, so each byte read from it can be told apart.
class Win9xInstallTest : public InstallTest {
protected:
    void SetUp() override
    {
        InstallTest::SetUp();
        machine().version.platformId = VER_PLATFORM_WIN32_WINDOWS;
        machine().version.major = 4;
        machine().version.minor = 10;
        machine().spooler.runningEnvironment = "Windows 4.0";
        machine().SetDriverDirectory("Windows 4.0", k9xDirectory);
        for (const char* name : {"MR417.dll.drv", "iconlib.dll", "unidrv.dll", "unidrv.hlp"})
            machine().files.PutFile(name, SourceBytes(name));
        machine().registry.CreateKey(HKEY_LOCAL_MACHINE, kCom1Key);
        machine().registry.CreateKey(HKEY_LOCAL_MACHINE, kOtherComKey);
        for (std::size_t i = 0; i < com1State.size(); ++i)
            com1State[i] = static_cast<BYTE>(0xA0 + i);
        machine().serial.ports["COM1"].state = com1State;
    }

    sim::DcbBytes com1State;
};

}  // namespace install_test

#endif  // ORVIK_TESTS_INSTALL_FIXTURE_H
