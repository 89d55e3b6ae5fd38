// Installation on the NT family: the module's Unidrv minidriver, staged from
// "win2k" into the driver directory, registered for "Windows NT x86" at
// version 3, and a printer for it on the chosen port.
#include <cstring>

#include "host/win32.h"
#include "install/install.h"
#include "install/install_common.h"
#include "install/registry_message.h"

namespace {

const char kEnvironment[] = "Windows NT x86";
const char kSourceFolder[] = "win2k";
const char kWindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
const char kPortsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

// The files staged in the driver directory, in the order they are copied and
// deleted: the module's DLL and GPD file, then the Unidrv core.
enum { kModuleFileCount = 2, kStagedFileCount = 8 };
const char* const kUnidrvFiles[kStagedFileCount - kModuleFileCount] = {
    "UNIDRV.DLL", "UNIDRVUI.DLL", "UNIRES.DLL", "UNIDRV.HLP", "TTFSUB.GPD", "STDNAMES.GPD",
};

// The dependent files that follow the module's DLL: five names, each with
// its NUL, and the literal's own NUL as the empty name that closes the list.
const char kUnidrvDependents[] = "TTFSUB.GPD\0STDNAMES.GPD\0uniDRVui.DLL\0uniDRV.DLL\0UNIRES.DLL\0";
static_assert(sizeof kUnidrvDependents == 60, "five names and the closing NUL");
enum { kDependentFilesSize = 256 };

struct StagedFiles {
    const char* names[kStagedFileCount];
};

StagedFiles StagedFilesOf(const ModuleEntry& module)
{
    StagedFiles files;
    files.names[0] = module.driverFile;
    files.names[1] = module.gpdFile;
    for (int i = kModuleFileCount; i < kStagedFileCount; ++i)
        files.names[i] = kUnidrvFiles[i - kModuleFileCount];
    return files;
}

// Deletes the first `count` staged files from the driver directory. A path
// that does not fit is passed over.
void DeleteStaged(const char* directory, const StagedFiles& files, int count)
{
    for (int i = 0; i < count; ++i) {
        char target[MAX_PATH];
        if (FormatText(target, sizeof target, "%s\\%s", directory, files.names[i]))
            DeleteFileA(target);
    }
}

// Copies every staged file from the source folder, overwriting. A file whose
// source or target path does not fit is passed over like a failed copy.
void CopyStaged(const char* directory, const StagedFiles& files)
{
    for (int i = 0; i < kStagedFileCount; ++i) {
        char source[MAX_PATH];
        char target[MAX_PATH];
        if (FormatText(source, sizeof source, "%s\\%s", kSourceFolder, files.names[i]) &&
            FormatText(target, sizeof target, "%s\\%s", directory, files.names[i]))
            CopyFileA(source, target, FALSE);
    }
}

// The module's DLL, then the Unidrv names, in a zero-filled buffer. False
// when the DLL's name leaves no room for them.
bool BuildDependentFiles(const char* driverFile, char (&list)[kDependentFilesSize])
{
    std::memset(list, 0, sizeof list);
    const std::size_t length = std::strlen(driverFile);
    if (length + 1 + sizeof kUnidrvDependents > sizeof list)
        return false;
    std::memcpy(list, driverFile, length);
    std::memcpy(list + length + 1, kUnidrvDependents, sizeof kUnidrvDependents);
    return true;
}

// The spooler finds each file by its bare name in the driver directory and
// keeps copies of its own, so the staged files can go afterwards.
void RegisterDriver(const ModuleEntry& module)
{
    char dependents[kDependentFilesSize];
    char dataFile[MAX_PATH];
    if (!BuildDependentFiles(module.driverFile, dependents) ||
        !FormatText(dataFile, sizeof dataFile, "\\%s", module.gpdFile))
        return;

    DRIVER_INFO_3A driver;
    std::memset(&driver, 0, sizeof driver);
    driver.cVersion = 3;
    driver.pName = SpoolerText(module.printerName);
    driver.pEnvironment = SpoolerText(kEnvironment);
    driver.pDriverPath = SpoolerText("\\uniDRV.DLL");
    driver.pDataFile = dataFile;
    driver.pConfigFile = SpoolerText("\\uniDRVui.DLL");
    driver.pHelpFile = SpoolerText("\\uniDRV.HLP");
    driver.pDependentFiles = dependents;
    driver.pMonitorName = SpoolerText("");
    driver.pDefaultDataType = SpoolerText("RAW");
    AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver));
}

// Sets a REG_SZ value under an existing key, its terminating NUL counted in
// the size as the registry expects. A key that cannot be opened is passed
// over in silence; a value that cannot be set is reported.
void StoreText(HKEY root, const char* keyPath, const char* name, const char* text)
{
    HKEY key;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    const DWORD size = static_cast<DWORD>(std::strlen(text) + 1);
    if (RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) != ERROR_SUCCESS)
        ShowRegistryError();
    RegCloseKey(key);
}

}  // namespace

void InstallOnNt(const InstallChoices& choices)
{
    const ModuleEntry& module = ModuleTable[choices.moduleIndex];
    const char* port = PortTable[choices.portIndex].value;
    const StagedFiles staged = StagedFilesOf(module);

    char directory[kDriverDirectorySize];
    const bool directoryKnown = QueryDriverDirectory(SpoolerText(kEnvironment), directory);
    if (directoryKnown) {
        DeleteStaged(directory, staged, kModuleFileCount);
        CopyStaged(directory, staged);
    }

    RegisterDriver(module);
    const HANDLE printer = AddModulePrinter(module, port, 0);

    if (choices.setDefaultPrinter) {
        char device[MAX_PATH];
        if (FormatText(device, sizeof device, "%s,%s,%s", module.printerName, "winspool", port))
            StoreText(HKEY_CURRENT_USER, kWindowsKey, "Device", device);
        else
            ShowRegistryError();
    }

    if (IsSerialPort(choices.portIndex)) {
        char settings[MAX_PATH];
        if (FormatText(settings, sizeof settings, "%s,%s,%s,%s,%s",
                       BaudRateTable[choices.baudRateIndex].value,
                       ParityTable[choices.parityIndex].value,
                       ByteSizeTable[choices.byteSizeIndex].value,
                       StopBitsTable[choices.stopBitsIndex].value,
                       FlowControlTable[choices.flowControlIndex].value))
            StoreText(HKEY_LOCAL_MACHINE, kPortsKey, port, settings);
        else
            ShowRegistryError();
    }

    if (directoryKnown)
        DeleteStaged(directory, staged, kStagedFileCount);
    if (printer)
        ClosePrinter(printer);
}
