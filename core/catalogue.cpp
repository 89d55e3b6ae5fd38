// The catalogue's rows, in the order of the page's lists.
#include "core/catalogue.h"

const ModuleEntry ModuleTable[kModuleCount] = {
    {"MR-417     Series", "MR417.dll", "MR417.GPD", "MR-417"},
};

const ListRow PortTable[kPortCount] = {
    {"LPT1", "LPT1:"}, {"LPT2", "LPT2:"}, {"LPT3", "LPT3:"}, {"COM1", "COM1:"},
    {"COM2", "COM2:"}, {"COM3", "COM3:"}, {"COM4", "COM4:"},
};

const ListRow BaudRateTable[kBaudRateCount] = {
    {"300", "300"},     {"1200", "1200"},   {"2400", "2400"},
    {"4800", "4800"},   {"9600", "9600"},   {"19200", "19200"},
    {"38400", "38400"}, {"57600", "57600"}, {"115200", "115200"},
};

const ListRow ByteSizeTable[kByteSizeCount] = {
    {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"},
};

const ListRow StopBitsTable[kStopBitsCount] = {
    {"1", "1"}, {"1.5", "1.5"}, {"2", "2"},
};

// Alphabetical, as the list shows them; a row number is no Windows parity
// constant.
const ListRow ParityTable[kParityCount] = {
    {"Even", "e"}, {"Mark", "m"}, {"None", "n"}, {"Odd", "o"}, {"Space", "s"},
};

// The letter of "None" is one space, so a settings text ends in ", ".
const ListRow FlowControlTable[kFlowControlCount] = {
    {"None", " "}, {"XonXoff", "x"}, {"Hardware", "p"},
};
