// Simulated spooler calls: GetPrinterDriverDirectoryA, AddPrinterDriverA
// (level 3), AddPrinterA (level 2) and ClosePrinter.
#include "host/sim/spooler.h"

#include <cstring>

#include "host/sim/machine.h"

namespace sim {

const std::string* Spooler::DriverDirectory(const std::string& environment) const
{
    for (const auto& entry : driverDirectories)
        if (Lower(entry.first) == Lower(environment))
            return &entry.second;
    return nullptr;
}

const DriverRecord* Spooler::FindDriver(const std::string& name, const std::string& environment) const
{
    for (const DriverRecord& d : drivers)
        if (Lower(d.pName.value_or("")) == Lower(name) &&
            Lower(d.environment) == Lower(environment))
            return &d;
    return nullptr;
}

const PrinterRecord* Spooler::FindPrinter(const std::string& name) const
{
    for (const PrinterRecord& p : printers)
        if (Lower(p.pPrinterName.value_or("")) == Lower(name))
            return &p;
    return nullptr;
}

}  // namespace sim

namespace {

sim::Text Copy(const char* text) { return text ? sim::Text(text) : sim::Text(); }

bool Empty(const char* text) { return !text || !*text; }

// Reads a dependent-files list name by name, up to the empty name that
// closes it; nothing beyond it is touched.
sim::Text CopyList(const char* list)
{
    if (!list)
        return sim::Text();
    std::size_t size = 0;
    while (list[size] != '\0')
        size += std::strlen(list + size) + 1;
    return std::string(list, size + 1);
}

std::vector<std::string> ListNames(const sim::Text& list)
{
    std::vector<std::string> names;
    if (!list)
        return names;
    for (const char* name = list->c_str(); *name; name += std::strlen(name) + 1)
        names.push_back(name);
    return names;
}

}  // namespace

BOOL WINAPI GetPrinterDriverDirectoryA(LPSTR server, LPSTR environment, DWORD level,
                                       LPBYTE driverDirectory, DWORD bufferSize, LPDWORD needed)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("GetPrinterDriverDirectoryA", sim::Args({sim::Quote(server), sim::Quote(environment),
                                                         sim::Dec(level), sim::Dec(bufferSize)})))
        return FALSE;
    if (level != 1)
        return sim::Refuse(ERROR_INVALID_LEVEL);
    const std::string* directory =
        m.spooler.DriverDirectory(environment ? environment : m.spooler.runningEnvironment);
    if (!directory)
        return sim::Refuse(ERROR_INVALID_ENVIRONMENT);
    const DWORD size = static_cast<DWORD>(directory->size() + 1);
    if (needed)
        *needed = size;
    if (bufferSize < size)
        return sim::Refuse(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(driverDirectory, directory->c_str(), size);
    return TRUE;
}

// Like Windows, looks up every file the record names by its bare name in the
// environment's driver directory and keeps copies of them, so the caller may
// delete what it staged. A driver of the same name and environment is
// replaced.
BOOL WINAPI AddPrinterDriverA(LPSTR server, DWORD level, LPBYTE driverInfo)
{
    sim::Machine& m = sim::TheMachine();
    const DRIVER_INFO_3A* info = reinterpret_cast<const DRIVER_INFO_3A*>(driverInfo);
    const bool described = info && level == 3;
    if (m.Enter("AddPrinterDriverA",
                sim::Args({sim::Quote(server), sim::Dec(level),
                           described ? sim::Quote(info->pName) : sim::Handle(driverInfo),
                           described ? sim::Quote(info->pEnvironment) : std::string("?")})))
        return FALSE;
    if (level != 3)
        return sim::Refuse(ERROR_INVALID_LEVEL);
    if (!info || Empty(info->pName) || Empty(info->pDriverPath) || Empty(info->pDataFile) ||
        Empty(info->pConfigFile))
        return sim::Refuse(ERROR_INVALID_PARAMETER);

    sim::DriverRecord record;
    record.cVersion = info->cVersion;
    record.pName = Copy(info->pName);
    record.pEnvironment = Copy(info->pEnvironment);
    record.pDriverPath = Copy(info->pDriverPath);
    record.pDataFile = Copy(info->pDataFile);
    record.pConfigFile = Copy(info->pConfigFile);
    record.pHelpFile = Copy(info->pHelpFile);
    record.pDependentFiles = CopyList(info->pDependentFiles);
    record.pMonitorName = Copy(info->pMonitorName);
    record.pDefaultDataType = Copy(info->pDefaultDataType);

    const std::string environment =
        info->pEnvironment ? info->pEnvironment : m.spooler.runningEnvironment;
    const std::string* directory = m.spooler.DriverDirectory(environment);
    if (!directory)
        return sim::Refuse(ERROR_INVALID_ENVIRONMENT);
    std::vector<std::string> named = {*record.pDriverPath, *record.pDataFile, *record.pConfigFile};
    if (!Empty(info->pHelpFile))
        named.push_back(*record.pHelpFile);
    for (const std::string& name : ListNames(record.pDependentFiles))
        named.push_back(name);
    for (const std::string& name : named) {
        const std::string leaf = sim::FileSystem::Leaf(name);
        const sim::File* file = m.files.Find(*directory + "\\" + leaf);
        if (!file)
            return sim::Refuse(ERROR_FILE_NOT_FOUND);
        record.files[leaf] = file->content;
    }

    record.environment = environment;
    for (sim::DriverRecord& existing : m.spooler.drivers) {
        if (sim::Lower(existing.pName.value_or("")) == sim::Lower(*record.pName) &&
            sim::Lower(existing.environment) == sim::Lower(environment)) {
            existing = record;
            return TRUE;
        }
    }
    m.spooler.drivers.push_back(record);
    return TRUE;
}

// Refuses a printer whose name exists and one whose driver is not installed
// for the running environment, as Windows does.
HANDLE WINAPI AddPrinterA(LPSTR server, DWORD level, LPBYTE printer)
{
    sim::Machine& m = sim::TheMachine();
    const PRINTER_INFO_2A* info = reinterpret_cast<const PRINTER_INFO_2A*>(printer);
    const bool described = info && level == 2;
    if (m.Enter("AddPrinterA", sim::Args({sim::Quote(server), sim::Dec(level),
                                           described ? sim::Quote(info->pPrinterName) : sim::Handle(printer),
                                           described ? sim::Quote(info->pPortName) : std::string("?")})))
        return nullptr;
    if (level != 2) {
        sim::Refuse(ERROR_INVALID_LEVEL);
        return nullptr;
    }
    if (!info || Empty(info->pPrinterName)) {
        sim::Refuse(ERROR_INVALID_PRINTER_NAME);
        return nullptr;
    }
    if (m.spooler.FindPrinter(info->pPrinterName)) {
        sim::Refuse(ERROR_PRINTER_ALREADY_EXISTS);
        return nullptr;
    }
    if (Empty(info->pDriverName) ||
        !m.spooler.FindDriver(info->pDriverName, m.spooler.runningEnvironment)) {
        sim::Refuse(ERROR_UNKNOWN_PRINTER_DRIVER);
        return nullptr;
    }

    sim::PrinterRecord record;
    record.pServerName = Copy(info->pServerName);
    record.pPrinterName = Copy(info->pPrinterName);
    record.pShareName = Copy(info->pShareName);
    record.pPortName = Copy(info->pPortName);
    record.pDriverName = Copy(info->pDriverName);
    record.pComment = Copy(info->pComment);
    record.pLocation = Copy(info->pLocation);
    record.hasDevMode = info->pDevMode != nullptr;
    record.pSepFile = Copy(info->pSepFile);
    record.pPrintProcessor = Copy(info->pPrintProcessor);
    record.pDatatype = Copy(info->pDatatype);
    record.pParameters = Copy(info->pParameters);
    record.hasSecurityDescriptor = info->pSecurityDescriptor != nullptr;
    record.Attributes = info->Attributes;
    record.Priority = info->Priority;
    record.DefaultPriority = info->DefaultPriority;
    record.StartTime = info->StartTime;
    record.UntilTime = info->UntilTime;
    record.Status = info->Status;
    record.cJobs = info->cJobs;
    record.AveragePPM = info->AveragePPM;
    m.spooler.printers.push_back(record);
    return m.OpenHandleFor(sim::HandleKind::Printer, info->pPrinterName);
}

BOOL WINAPI ClosePrinter(HANDLE printer)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("ClosePrinter", sim::Handle(printer)))
        return FALSE;
    if (!m.CloseHandleOf(printer, sim::HandleKind::Printer))
        return sim::Refuse(ERROR_INVALID_HANDLE);
    return TRUE;
}
