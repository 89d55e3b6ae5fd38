// The fixed catalogue shared by the Detail Setting page and the installation
// sequences: row N of a table is item N of the matching list on the page.
#ifndef ORVIK_CORE_CATALOGUE_H
#define ORVIK_CORE_CATALOGUE_H

#include <cstdint>

struct ModuleEntry {
    const char* label;        // item of the module list, shown only
    const char* driverFile;   // the model's driver DLL
    const char* gpdFile;      // the model's GPD printer description
    const char* printerName;  // name of the driver and of the printer
};

// One row of a list: the text the page shows and the value the installation
// uses (the same text for baud rate, byte size and stop bits).
struct ListRow {
    const char* item;
    const char* value;
};

enum {
    kModuleCount = 1,
    kPortCount = 7,
    kBaudRateCount = 9,
    kByteSizeCount = 4,
    kStopBitsCount = 3,
    kParityCount = 5,
    kFlowControlCount = 3
};

extern const ModuleEntry ModuleTable[kModuleCount];
extern const ListRow PortTable[kPortCount];
extern const ListRow BaudRateTable[kBaudRateCount];
extern const ListRow ByteSizeTable[kByteSizeCount];
extern const ListRow StopBitsTable[kStopBitsCount];
extern const ListRow ParityTable[kParityCount];
extern const ListRow FlowControlTable[kFlowControlCount];

// Rows 0 to 2 are LPT1 to LPT3; every higher port index is a COM port.
inline bool IsSerialPort(std::int32_t portIndex) { return portIndex > 2; }

// The Detail Setting page's selections when OK is pressed, as row numbers of
// the tables above. Every index names a row: the page's lists always hold a
// selection, so nothing downstream checks them.
struct InstallChoices {
    std::int32_t moduleIndex;
    std::int32_t portIndex;
    std::int32_t baudRateIndex;
    std::int32_t byteSizeIndex;
    std::int32_t stopBitsIndex;
    std::int32_t parityIndex;
    std::int32_t flowControlIndex;
    bool setDefaultPrinter;
};

#endif  // ORVIK_CORE_CATALOGUE_H
