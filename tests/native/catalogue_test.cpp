// The catalogue's texts and row counts, exactly as the page lists show them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue.h"

namespace {

struct TableCase {
    const char* name;
    const ListRow* rows;
    int count;
    std::vector<std::string> items;
    std::vector<std::string> values;
};

TEST(Catalogue, ModuleRow)
{
    ASSERT_EQ(1, kModuleCount);
    EXPECT_STREQ("MR-417     Series", ModuleTable[0].label);  // five spaces
    EXPECT_EQ(17u, std::string(ModuleTable[0].label).size());
    EXPECT_STREQ("MR417.dll", ModuleTable[0].driverFile);
    EXPECT_STREQ("MR417.GPD", ModuleTable[0].gpdFile);
    EXPECT_STREQ("MR-417", ModuleTable[0].printerName);
}

TEST(Catalogue, ListTablesRowByRow)
{
    const TableCase cases[] = {
        {"port", PortTable, kPortCount,
         {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"},
         {"LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:"}},
        {"baud rate", BaudRateTable, kBaudRateCount,
         {"300", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"},
         {"300", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}},
        {"byte size", ByteSizeTable, kByteSizeCount, {"5", "6", "7", "8"}, {"5", "6", "7", "8"}},
        {"stop bits", StopBitsTable, kStopBitsCount, {"1", "1.5", "2"}, {"1", "1.5", "2"}},
        {"parity", ParityTable, kParityCount,
         {"Even", "Mark", "None", "Odd", "Space"}, {"e", "m", "n", "o", "s"}},
        {"flow control", FlowControlTable, kFlowControlCount,
         {"None", "XonXoff", "Hardware"}, {" ", "x", "p"}},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.items.size(), static_cast<size_t>(c.count));
        for (int row = 0; row < c.count; ++row) {
            EXPECT_EQ(c.items[row], c.rows[row].item) << "row " << row;
            EXPECT_EQ(c.values[row], c.rows[row].value) << "row " << row;
        }
    }
}

TEST(Catalogue, SerialPortsAreIndexesAboveTwo)
{
    const bool expected[] = {false, false, false, true, true, true, true};
    for (int row = 0; row < kPortCount; ++row)
        EXPECT_EQ(expected[row], IsSerialPort(row)) << PortTable[row].item;
}

}  // namespace
