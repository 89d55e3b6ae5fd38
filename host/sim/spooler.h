// The simulated local print spooler: driver directories by environment, and
// the drivers and printers it holds as deep copies of the records it was
// given, so a test sees exactly what a caller passed.
#ifndef ORVIK_HOST_SIM_SPOOLER_H
#define ORVIK_HOST_SIM_SPOOLER_H

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/win32.h"

namespace sim {

// A text member as the caller passed it: no value for a null pointer.
typedef std::optional<std::string> Text;

// A DRIVER_INFO_3A as registered, member by member.
struct DriverRecord {
    DWORD cVersion = 0;
    Text pName, pEnvironment, pDriverPath, pDataFile, pConfigFile, pHelpFile;
    // The list's raw bytes up to and including the empty name that closes it.
    Text pDependentFiles;
    Text pMonitorName, pDefaultDataType;
    // The spooler's own copies of the named files, by file name as named,
    // taken from the driver directory at registration.
    std::map<std::string, std::string> files;
    // The environment it is installed for: pEnvironment, or the running one
    // when that was null.
    std::string environment;
};

// A PRINTER_INFO_2A as created, member by member.
struct PrinterRecord {
    Text pServerName, pPrinterName, pShareName, pPortName, pDriverName, pComment, pLocation;
    bool hasDevMode = false;
    Text pSepFile, pPrintProcessor, pDatatype, pParameters;
    bool hasSecurityDescriptor = false;
    DWORD Attributes = 0, Priority = 0, DefaultPriority = 0, StartTime = 0, UntilTime = 0,
          Status = 0, cJobs = 0, AveragePPM = 0;
};

struct Spooler {
    // The environment a null environment argument stands for.
    std::string runningEnvironment = "Windows NT x86";
    // What GetPrinterDriverDirectoryA reports, by environment; an
    // environment missing here is refused with ERROR_INVALID_ENVIRONMENT.
    std::map<std::string, std::string> driverDirectories;
    std::vector<DriverRecord> drivers;
    std::vector<PrinterRecord> printers;

    // Lookups compare names and environments without regard to case.
    const std::string* DriverDirectory(const std::string& environment) const;
    const DriverRecord* FindDriver(const std::string& name, const std::string& environment) const;
    const PrinterRecord* FindPrinter(const std::string& name) const;
};

}  // namespace sim

#endif  // ORVIK_HOST_SIM_SPOOLER_H
