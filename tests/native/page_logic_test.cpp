// The pages' portable decisions: the radio button for a class, the Detail
// Setting page's initial selections and serial-list rule, the OK handler's
// record, the About command's test and the minimised page's icon position.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

#include "core/catalogue.h"
#include "ui/page_logic.h"
#include "ui/resource.h"

namespace {

TEST(SelectOsPage, RadioButtonForEveryClass)
{
    struct Case {
        std::int32_t osClass;
        int button;
    };
    const Case cases[] = {
        {INT_MIN, 0}, {-1, 0},          {0, 0},         {1, 0},          {2, 0},         {3, 0},
        {4, 1003},    {5, 1004},        {6, 1011},      {7, 1012},       {8, 1013},      {9, 0},
        {INT_MAX, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.button, RadioButtonForOsClass(c.osClass)) << "OsClass " << c.osClass;
}

// The text a list shows at an index, through the catalogue table of the
// list's control.
std::string ItemOf(int controlId, int index)
{
    switch (controlId) {
    case IDC_PORT:
        return PortTable[index].item;
    case IDC_BAUD_RATE:
        return BaudRateTable[index].item;
    case IDC_BYTE_SIZE:
        return ByteSizeTable[index].item;
    case IDC_STOP_BITS:
        return StopBitsTable[index].item;
    case IDC_PARITY:
        return ParityTable[index].item;
    case IDC_FLOW_CONTROL:
        return FlowControlTable[index].item;
    default:
        return "(not a list with initial selection " + std::to_string(controlId) + ")";
    }
}

TEST(DetailSettingPage, InitialSelectionsShowLpt1AndTheSerialDefaults)
{
    const struct {
        int controlId;
        const char* item;
    } expected[] = {
        {IDC_PORT, "LPT1"}, {IDC_BAUD_RATE, "19200"}, {IDC_BYTE_SIZE, "8"},
        {IDC_STOP_BITS, "1"}, {IDC_PARITY, "None"},   {IDC_FLOW_CONTROL, "Hardware"},
    };
    ASSERT_EQ(sizeof expected / sizeof expected[0], sizeof kInitialSelections / sizeof kInitialSelections[0]);
    for (std::size_t i = 0; i < sizeof expected / sizeof expected[0]; ++i) {
        EXPECT_EQ(expected[i].controlId, kInitialSelections[i].controlId) << "selection " << i;
        EXPECT_EQ(expected[i].item, ItemOf(kInitialSelections[i].controlId, kInitialSelections[i].index))
            << "selection " << i;
    }
    EXPECT_FALSE(SerialListsEnabled(kInitialSelections[0].index)) << "the serial lists start disabled";
}

TEST(DetailSettingPage, SerialListsEnabledForComPortsOnly)
{
    for (int port = -1; port <= 7; ++port)
        EXPECT_EQ(port >= 3, SerialListsEnabled(port)) << "port index " << port;
}

// A page whose every list has its own selected index, so that a list read
// into the wrong field shows.
class FakeControls {
public:
    explicit FakeControls(unsigned checkState) : m_checkState(checkState) {}

    int SelectedIndex(int controlId) const
    {
        const auto it = kSelections.find(controlId);
        if (it == kSelections.end()) {
            ADD_FAILURE() << "read the selection of control " << controlId;
            return -1;
        }
        return it->second;
    }
    unsigned CheckState(int controlId) const
    {
        EXPECT_EQ(IDC_SET_DEFAULT, controlId);
        return m_checkState;
    }

    static const std::map<int, int> kSelections;

private:
    unsigned m_checkState;
};

const std::map<int, int> FakeControls::kSelections = {
    {IDC_MODULE, 0},        {IDC_PORT, 6},   {IDC_BAUD_RATE, 8},    {IDC_BYTE_SIZE, 1},
    {IDC_STOP_BITS, 2},     {IDC_PARITY, 4}, {IDC_FLOW_CONTROL, 5},
};

TEST(DetailSettingPage, OkReadsEveryListIntoItsField)
{
    const InstallChoices choices = ReadInstallChoices(FakeControls(1));
    EXPECT_EQ(0, choices.moduleIndex);
    EXPECT_EQ(6, choices.portIndex);
    EXPECT_EQ(8, choices.baudRateIndex);
    EXPECT_EQ(1, choices.byteSizeIndex);
    EXPECT_EQ(2, choices.stopBitsIndex);
    EXPECT_EQ(4, choices.parityIndex);
    EXPECT_EQ(5, choices.flowControlIndex);
    EXPECT_TRUE(choices.setDefaultPrinter);
}

TEST(DetailSettingPage, OnlyACheckedBoxSetsTheDefaultPrinter)
{
    EXPECT_FALSE(ReadInstallChoices(FakeControls(0)).setDefaultPrinter);  // BST_UNCHECKED
    EXPECT_TRUE(ReadInstallChoices(FakeControls(1)).setDefaultPrinter);   // BST_CHECKED
    EXPECT_FALSE(ReadInstallChoices(FakeControls(2)).setDefaultPrinter);  // BST_INDETERMINATE
}

TEST(SystemMenu, AboutCommandIgnoresTheLowFourBits)
{
    for (std::uint32_t id = 0x0010; id <= 0x001F; ++id)
        EXPECT_TRUE(IsAboutCommand(id)) << std::hex << id;
    const std::uint32_t others[] = {
        0x0000, 0x000F, 0x0020, 0x0110,
        0xF010,  // SC_MOVE
        0xF060,  // SC_CLOSE
        0xF093,  // SC_MOUSEMENU with its position bits
    };
    for (std::uint32_t id : others)
        EXPECT_FALSE(IsAboutCommand(id)) << std::hex << id;
}

TEST(MinimisedPage, IconCentredWithTruncationTowardZero)
{
    struct Case {
        int client;
        int icon;
        int offset;
    };
    const Case cases[] = {
        {160, 32, 64}, {161, 32, 65}, {162, 32, 65}, {32, 32, 0},  {31, 32, 0},
        {30, 32, 0},   {1, 32, -15},  {0, 32, -15},  {-1, 32, -16}, {48, 16, 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.offset, CenteredIconOffset(c.client, c.icon)) << c.client << " - " << c.icon;
}

}  // namespace
