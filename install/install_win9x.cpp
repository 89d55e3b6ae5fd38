// Installation on Windows 95, 98 and Me: the model's 9x driver file and the
// Unidrv support files staged from the current folder, the driver registered
// for "Windows 4.0", the printer created on the chosen port, and for a COM
// port its line settings stored in the registry.
#include <cstring>

#include "host/win32.h"
#include "install/install.h"
#include "install/install_common.h"
#include "install/registry_message.h"

namespace {

const char kDriverSuffix[] = ".drv";
const char kUnidrvCore[] = "unidrv.dll";
const char kCom1PortKey[] = "System\\CurrentControlSet\\Services\\Class\\Ports\\0000";
const char kOtherComPortKey[] = "System\\CurrentControlSet\\Services\\Class\\Ports\\0001";

// An empty dependent-files list: the empty name that closes it, and one
// more NUL for readers that look for two.
const char kNoDependentFiles[2] = {'\0', '\0'};

// Bytes 8 and 9 of the DCB, the low half of its flag word, by flow-control
// row. None: fBinary, DTR enabled, RTS disabled (0x11, 0x00). XonXoff: the
// same with fOutX and fInX (0x11, 0x03). Hardware: fBinary, fOutxCtsFlow,
// DTR enabled and RTS handshake (0x15, 0x20).
const BYTE kFlowFlagBytes[3][2] = {{0x11, 0x00}, {0x11, 0x03}, {0x15, 0x20}};

// Copies a file of the current folder into the driver directory,
// overwriting. Passed over when the target path does not fit.
void Stage(const char* directory, const char* source, const char* targetName)
{
    char target[MAX_PATH];
    if (FormatText(target, sizeof target, "%s\\%s", directory, targetName))
        CopyFileA(source, target, FALSE);
}

// The Unidrv core goes in only when the directory lacks it: one that is
// there already may be newer and in use.
void StageUnidrvCore(const char* directory)
{
    char target[MAX_PATH];
    if (!FormatText(target, sizeof target, "%s\\%s", directory, kUnidrvCore))
        return;
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA(target, &found);
    if (find == INVALID_HANDLE_VALUE)
        CopyFileA(kUnidrvCore, target, FALSE);
    else
        FindClose(find);
}

// One bare file name serves as driver, data and configuration file.
void RegisterDriver(const ModuleEntry& module, char* driverName)
{
    DRIVER_INFO_3A driver;
    std::memset(&driver, 0, sizeof driver);
    driver.cVersion = 0;
    driver.pName = SpoolerText(module.printerName);
    driver.pEnvironment = SpoolerText("Windows 4.0");
    driver.pDriverPath = driverName;
    driver.pDataFile = driverName;
    driver.pConfigFile = driverName;
    driver.pHelpFile = SpoolerText("UNIDRV.HLP");
    driver.pDependentFiles = SpoolerText(kNoDependentFiles);
    driver.pMonitorName = SpoolerText("");
    driver.pDefaultDataType = SpoolerText("RAW");
    AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver));
}

// Stores the chosen line settings as the 28-byte DCB of the port's class
// key, built on the state COM1 reports, whichever COM port was chosen.
// Without that state the other fields would be undefined: nothing is stored
// and the user is told once.
void StoreLineSettings(const InstallChoices& choices)
{
    const HANDLE com1 = CreateFileA("COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (com1 == INVALID_HANDLE_VALUE) {
        ShowRegistryError();
        return;
    }
    DCB dcb;
    std::memset(&dcb, 0, sizeof dcb);
    if (!GetCommState(com1, &dcb)) {
        ShowRegistryError();
        CloseHandle(com1);
        return;
    }

    dcb.BaudRate = static_cast<DWORD>(StrToIntA(BaudRateTable[choices.baudRateIndex].value));
    dcb.ByteSize = static_cast<BYTE>(StrToIntA(ByteSizeTable[choices.byteSizeIndex].value));
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    const int flow = choices.flowControlIndex == 0 || choices.flowControlIndex == 1
                         ? choices.flowControlIndex
                         : 2;
    BYTE* bytes = reinterpret_cast<BYTE*>(&dcb);
    bytes[8] = kFlowFlagBytes[flow][0];
    bytes[9] = kFlowFlagBytes[flow][1];

    const char* keyPath = choices.portIndex == 3 ? kCom1PortKey : kOtherComPortKey;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        if (RegSetValueExA(key, "DCB", 0, REG_BINARY, bytes, sizeof dcb) != ERROR_SUCCESS)
            ShowRegistryError();
        RegCloseKey(key);
    }
    CloseHandle(com1);
}

}  // namespace

void InstallOnWin9x(const InstallChoices& choices)
{
    const ModuleEntry& module = ModuleTable[choices.moduleIndex];
    const char* port = PortTable[choices.portIndex].value;

    char directory[kDriverDirectorySize];
    const bool directoryKnown = QueryDriverDirectory(nullptr, directory);

    // The 9x driver file keeps both extensions: "MR417.dll.drv".
    char driverName[MAX_PATH];
    const bool named = FormatText(driverName, sizeof driverName, "%s%s", module.driverFile, kDriverSuffix);

    if (directoryKnown) {
        if (named)
            Stage(directory, driverName, driverName);
        Stage(directory, "iconlib.dll", "iconlib.dll");
        StageUnidrvCore(directory);
        Stage(directory, "unidrv.hlp", "unidrv.HLP");
    }

    if (named)
        RegisterDriver(module, driverName);
    // On this family the default attribute at creation is what makes the
    // printer the default printer.
    const HANDLE printer =
        AddModulePrinter(module, port, choices.setDefaultPrinter ? PRINTER_ATTRIBUTE_DEFAULT : 0);
    if (printer)
        ClosePrinter(printer);

    if (IsSerialPort(choices.portIndex))
        StoreLineSettings(choices);
}
