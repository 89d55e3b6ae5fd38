// The Windows 9x sequence's line settings for a COM port, the registry
// outcomes, and the run going on past failed steps, an unknown driver
// directory or one too long for the paths built on it.
#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "install/install.h"
#include "install/registry_message.h"
#include "tests/native/install_fixture.h"

namespace {

using namespace install_test;

InstallChoices Serial(std::int32_t port, std::int32_t baud, std::int32_t byteSize, std::int32_t stopBits,
                      std::int32_t parity, std::int32_t flow)
{
    return InstallChoices{0, port, baud, byteSize, stopBits, parity, flow, false};
}

struct DcbCase {
    const char* name;
    InstallChoices choices;
    const char* key;
    DWORD baudRate;
    BYTE byteSize, flags8, flags9;
};

// Serial(port, baud row, byte-size row, stop-bits row, parity row, flow row)
const DcbCase kDcbCases[] = {
    {"COM1 115200 8 Hardware Even 2", Serial(3, 8, 3, 2, 0, 2), kCom1Key, 115200, 8, 0x15, 0x20},
    {"COM2 9600 8 None Odd 1_5", Serial(4, 4, 3, 1, 3, 0), kOtherComKey, 9600, 8, 0x11, 0x00},
    {"COM3 300 5 XonXoff Mark 1", Serial(5, 0, 0, 0, 1, 1), kOtherComKey, 300, 5, 0x11, 0x03},
    {"COM4 57600 7 Hardware Space 1", Serial(6, 7, 2, 0, 4, 2), kOtherComKey, 57600, 7, 0x15, 0x20},
    {"COM1 1200 6 None None 1", Serial(3, 1, 1, 0, 2, 0), kCom1Key, 1200, 6, 0x11, 0x00},
    {"flow row past the table counts as Hardware", Serial(3, 5, 3, 0, 2, 3), kCom1Key, 19200, 8, 0x15,
     0x20},
};

void PrintTo(const DcbCase& c, std::ostream* os) { *os << c.name; }

class Win9xDcbTest : public Win9xInstallTest, public ::testing::WithParamInterface<DcbCase> {};

TEST_P(Win9xDcbTest, StoresCom1StateWithTheChosenFieldsOverwritten)
{
    const DcbCase& c = GetParam();
    // COM2 to COM4 report other settings; only COM1's are the base.
    for (const char* other : {"COM2", "COM3", "COM4"})
        machine().serial.ports[other].state.fill(0x55);

    InstallOnWin9x(c.choices);

    sim::DcbBytes expected = com1State;
    for (int i = 0; i < 4; ++i)
        expected[4 + i] = static_cast<BYTE>(c.baudRate >> (8 * i));
    expected[8] = c.flags8;
    expected[9] = c.flags9;
    expected[18] = c.byteSize;
    expected[19] = 0;  // no parity, whatever the page shows
    expected[20] = 0;  // one stop bit, likewise
    const char* otherKey = c.key == kCom1Key ? kOtherComKey : kCom1Key;
    const sim::RegistryValue* dcb = machine().registry.FindValue(HKEY_LOCAL_MACHINE, c.key, "DCB");
    ASSERT_NE(nullptr, dcb);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), dcb->type);
    EXPECT_EQ(std::string(expected.begin(), expected.end()), dcb->data);
    EXPECT_EQ(nullptr, machine().registry.FindValue(HKEY_LOCAL_MACHINE, otherKey, "DCB"));
    ASSERT_EQ(1u, machine().CallsOf("CreateFileA").size());
    EXPECT_EQ(0u, machine().CallsOf("CreateFileA")[0].find("CreateFileA(\"COM1\""));
    EXPECT_TRUE(machine().messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Choices, Win9xDcbTest, ::testing::ValuesIn(kDcbCases),
                         [](const ::testing::TestParamInfo<DcbCase>& info) { return CaseName(info.param.name); });

// Read back through the DCB's bit fields, the two flag bytes mean what the
// flow-control choice asks for; bits 16 to 31 are as COM1 reported them.
TEST_F(Win9xInstallTest, FlowBytesSetTheNamedFlagsAndNothingElse)
{
    struct Case {
        std::int32_t flow;
        unsigned ctsFlow, dtrControl, rtsControl, outX, inX;
    };
    const Case cases[] = {{0, 0, DTR_CONTROL_ENABLE, RTS_CONTROL_DISABLE, 0, 0},
                          {1, 0, DTR_CONTROL_ENABLE, RTS_CONTROL_DISABLE, 1, 1},
                          {2, 1, DTR_CONTROL_ENABLE, RTS_CONTROL_HANDSHAKE, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flow);
        SetUp();
        InstallOnWin9x(Serial(3, 5, 3, 0, 2, c.flow));

        const sim::RegistryValue* value = machine().registry.FindValue(HKEY_LOCAL_MACHINE, kCom1Key, "DCB");
        ASSERT_NE(nullptr, value);
        const std::string& data = value->data;
        ASSERT_EQ(28u, data.size());
        sim::DcbBytes bytes;
        std::copy(data.begin(), data.end(), bytes.begin());
        const DCB dcb = sim::FromBytes(bytes);
        EXPECT_EQ(1u, dcb.fBinary);
        EXPECT_EQ(c.ctsFlow, dcb.fOutxCtsFlow);
        EXPECT_EQ(c.dtrControl, dcb.fDtrControl);
        EXPECT_EQ(c.rtsControl, dcb.fRtsControl);
        EXPECT_EQ(c.outX, dcb.fOutX);
        EXPECT_EQ(c.inX, dcb.fInX);
        for (unsigned clear : std::initializer_list<unsigned>{
                 dcb.fParity, dcb.fOutxDsrFlow, dcb.fDsrSensitivity, dcb.fTXContinueOnXoff, dcb.fErrorChar,
                 dcb.fNull, dcb.fAbortOnError, dcb.fDummy2 & 1u})
            EXPECT_EQ(0u, clear);
        EXPECT_EQ(static_cast<unsigned>(com1State[10] | com1State[11] << 8), dcb.fDummy2 >> 1);
    }
}

TEST_F(Win9xInstallTest, ParallelPortsTouchNeitherComPortNorRegistry)
{
    for (std::int32_t port : {0, 1, 2}) {
        SCOPED_TRACE(port);
        SetUp();
        InstallOnWin9x(PageDefaults(port));
        const std::vector<std::string> ops = OpNames(machine().Calls());
        EXPECT_EQ("ClosePrinter", ops.back());
        EXPECT_TRUE(machine().CallsOf("CreateFileA").empty());
        EXPECT_TRUE(machine().CallsOf("RegOpenKeyExA").empty());
    }
}

struct SerialOutcome {
    const char* name;
    void (*arrange)(sim::Machine& m);
    std::vector<std::string> tail;  // the operations after the printer's
    bool stored;
};

const SerialOutcome kSerialOutcomes[] = {
    {"port key missing",
     [](sim::Machine& m) { m.registry = sim::Registry(); },
     {"CreateFileA", "GetCommState", "StrToIntA", "StrToIntA", "RegOpenKeyExA", "CloseHandle"}, false},
    {"port key refused", [](sim::Machine& m) { m.Fail("RegOpenKeyExA", ERROR_ACCESS_DENIED); },
     {"CreateFileA", "GetCommState", "StrToIntA", "StrToIntA", "RegOpenKeyExA", "CloseHandle"}, false},
    {"value refused", [](sim::Machine& m) { m.Fail("RegSetValueExA", ERROR_ACCESS_DENIED); },
     {"CreateFileA", "GetCommState", "StrToIntA", "StrToIntA", "RegOpenKeyExA", "RegSetValueExA",
      "AfxMessageBox", "RegCloseKey", "CloseHandle"},
     false},
    // Without COM1's state the fields not chosen would be undefined: nothing
    // is stored, the user is told once, and only an open port is closed.
    {"COM1 absent", [](sim::Machine& m) { m.serial.ports.erase("COM1"); },
     {"CreateFileA", "AfxMessageBox"}, false},
    {"COM1 in use elsewhere", [](sim::Machine& m) { m.serial.ports["COM1"].open = true; },
     {"CreateFileA", "AfxMessageBox"}, false},
    {"COM1 state unreadable", [](sim::Machine& m) { m.Fail("GetCommState", ERROR_ACCESS_DENIED); },
     {"CreateFileA", "GetCommState", "AfxMessageBox", "CloseHandle"}, false},
    {"all well", [](sim::Machine&) {},
     {"CreateFileA", "GetCommState", "StrToIntA", "StrToIntA", "RegOpenKeyExA", "RegSetValueExA",
      "RegCloseKey", "CloseHandle"},
     true},
};

void PrintTo(const SerialOutcome& c, std::ostream* os) { *os << c.name; }

class Win9xSerialOutcomeTest : public Win9xInstallTest, public ::testing::WithParamInterface<SerialOutcome> {};

TEST_P(Win9xSerialOutcomeTest, OneMessageAtMostAndThePortClosedIfOpened)
{
    const SerialOutcome& c = GetParam();
    c.arrange(machine());

    InstallOnWin9x(PageDefaults(4));

    const std::vector<std::string> ops = OpNames(machine().Calls());
    const auto printer = std::find(ops.begin(), ops.end(), "ClosePrinter");
    ASSERT_NE(ops.end(), printer);
    EXPECT_EQ(c.tail, std::vector<std::string>(printer + 1, ops.end()));
    const std::size_t messages = static_cast<std::size_t>(std::count(c.tail.begin(), c.tail.end(), "AfxMessageBox"));
    ASSERT_EQ(messages, machine().messageBoxes.size());
    for (const sim::MessageBoxRecord& box : machine().messageBoxes) {
        EXPECT_EQ(kRegistryErrorMessage, box.text);
        EXPECT_EQ(static_cast<UINT>(MB_OK), box.type);
        EXPECT_EQ(0u, box.helpId);
    }
    EXPECT_EQ(c.stored, machine().registry.FindValue(HKEY_LOCAL_MACHINE, kOtherComKey, "DCB") != nullptr);
    EXPECT_EQ(nullptr, machine().registry.FindValue(HKEY_LOCAL_MACHINE, kCom1Key, "DCB"));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, Win9xSerialOutcomeTest, ::testing::ValuesIn(kSerialOutcomes),
                         [](const ::testing::TestParamInfo<SerialOutcome>& info) {
                             return CaseName(info.param.name);
                         });

}  // namespace
