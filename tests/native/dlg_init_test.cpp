// Reading dialog-initialisation data: the records of well-formed data, and a
// bounded, clean stop on data that is cut short or malformed.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/dlg_init.h"

namespace {

typedef std::vector<unsigned char> Bytes;

void AppendWord(Bytes& out, std::uint16_t value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void AppendDword(Bytes& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
}

// One record as the resource compiler lays it out; `bytes` is the record's
// data exactly (a text with its NUL, or not).
void AppendRecord(Bytes& out, std::uint16_t control, std::uint16_t message, const std::string& bytes)
{
    AppendWord(out, control);
    AppendWord(out, message);
    AppendDword(out, static_cast<std::uint32_t>(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// What a reader yields, as "control/message/text" lines; "-" for a record
// that holds no text.
std::vector<std::string> ReadAll(const void* data, std::size_t size, bool* malformed)
{
    std::vector<std::string> lines;
    DlgInitReader reader(data, size);
    DlgInitRecord record;
    while (reader.Next(&record)) {
        lines.push_back(std::to_string(record.control) + "/" + std::to_string(record.message) + "/" +
                        (record.text ? std::string(record.text) : std::string("-")));
    }
    EXPECT_FALSE(reader.Next(&record)) << "the reader stays at the end";
    *malformed = reader.Malformed();
    return lines;
}

// Two lists as the Detail Setting page's data holds them: odd text sizes put
// the following records at odd offsets.
Bytes TwoListsData()
{
    Bytes data;
    AppendRecord(data, 1011, 0x0403, std::string("MR-417     Series", 18));
    AppendRecord(data, 1014, 0x0403, std::string("LPT1", 5));
    AppendRecord(data, 1014, 0x0403, std::string("COM1", 5));
    AppendRecord(data, 1018, 0x0143, std::string("Odd", 4));
    AppendWord(data, 0);
    return data;
}

const std::vector<std::string> kTwoListsRecords = {
    "1011/1027/MR-417     Series", "1014/1027/LPT1", "1014/1027/COM1", "1018/323/Odd"};

TEST(DlgInitReader, ReadsEveryRecordInOrderUpToTheZeroWord)
{
    Bytes data = TwoListsData();
    // Anything after the zero word is not read.
    AppendRecord(data, 1015, 0x0403, std::string("300", 4));
    bool malformed = true;
    EXPECT_EQ(kTwoListsRecords, ReadAll(data.data(), data.size(), &malformed));
    EXPECT_FALSE(malformed);
}

TEST(DlgInitReader, RecordPointsAtItsBytesAndCountsTheNul)
{
    const Bytes data = TwoListsData();
    DlgInitReader reader(data.data(), data.size());
    DlgInitRecord record;
    ASSERT_TRUE(reader.Next(&record));
    EXPECT_EQ(data.data() + 8, record.data);
    EXPECT_EQ(18u, record.size);
    EXPECT_EQ(reinterpret_cast<const char*>(record.data), record.text);
}

TEST(DlgInitReader, EmptyDataAndDataEndingAtARecordBoundaryEndCleanly)
{
    bool malformed = true;
    EXPECT_TRUE(ReadAll(nullptr, 16, &malformed).empty());
    EXPECT_FALSE(malformed);

    const Bytes zeroOnly = {0, 0};
    EXPECT_TRUE(ReadAll(zeroOnly.data(), zeroOnly.size(), &malformed).empty());
    EXPECT_FALSE(malformed);

    Bytes noZeroWord;
    AppendRecord(noZeroWord, 1014, 0x0403, std::string("LPT1", 5));
    EXPECT_EQ(std::vector<std::string>{"1014/1027/LPT1"}, ReadAll(noZeroWord.data(), noZeroWord.size(), &malformed));
    EXPECT_FALSE(malformed);
}

// Every cut of the data, each in a heap block of exactly its size so that a
// read past its end is caught: the records wholly inside the cut are read,
// and a cut inside a record (not at its start) is reported as malformed.
TEST(DlgInitReader, EveryCutShortDataYieldsTheWholeRecordsAndNoMore)
{
    const Bytes full = TwoListsData();
    std::vector<std::size_t> recordEnds;  // offsets where a record ends
    for (std::size_t offset = 0; offset + 2 < full.size();) {
        const std::uint32_t size = full[offset + 4] | (full[offset + 5] << 8);
        offset += 8 + size;
        recordEnds.push_back(offset);
    }
    ASSERT_EQ(kTwoListsRecords.size(), recordEnds.size());

    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        std::vector<unsigned char> exact(full.begin(), full.begin() + cut);
        bool malformed = false;
        const std::vector<std::string> lines = ReadAll(exact.data(), exact.size(), &malformed);

        std::size_t whole = 0;
        while (whole < recordEnds.size() && recordEnds[whole] <= cut)
            ++whole;
        const bool atBoundary = cut == 0 || (whole > 0 && recordEnds[whole - 1] == cut);
        EXPECT_EQ(std::vector<std::string>(kTwoListsRecords.begin(), kTwoListsRecords.begin() + whole), lines)
            << "cut at " << cut;
        EXPECT_EQ(!atBoundary, malformed) << "cut at " << cut;
    }
}

TEST(DlgInitReader, SizeBeyondTheDataStopsWithoutReadingIt)
{
    for (std::uint32_t size : {6u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        Bytes data;
        AppendWord(data, 1014);
        AppendWord(data, 0x0403);
        AppendDword(data, size);
        data.insert(data.end(), {'L', 'P', 'T', '1', 0});
        bool malformed = false;
        EXPECT_TRUE(ReadAll(data.data(), data.size(), &malformed).empty()) << size;
        EXPECT_TRUE(malformed) << size;
    }
}

TEST(DlgInitReader, BytesWithoutANulAreNoTextButTheWalkGoesOn)
{
    Bytes data;
    AppendRecord(data, 1014, 0x0403, "LPT1");  // no NUL
    AppendRecord(data, 1014, 0x0403, "");      // nothing at all
    AppendRecord(data, 1014, 0x0403, std::string("COM1", 5));
    AppendWord(data, 0);
    bool malformed = true;
    const std::vector<std::string> expected = {"1014/1027/-", "1014/1027/-", "1014/1027/COM1"};
    EXPECT_EQ(expected, ReadAll(data.data(), data.size(), &malformed));
    EXPECT_FALSE(malformed);
}

TEST(DlgInitReader, ComboAddStringInBothEncodingsOnly)
{
    EXPECT_TRUE(IsComboAddString(0x0403));   // as the resource data writes it
    EXPECT_TRUE(IsComboAddString(0x0143));   // Win32's CB_ADDSTRING
    EXPECT_FALSE(IsComboAddString(0x0401));  // the list box's, 16-bit
    EXPECT_FALSE(IsComboAddString(0x0180));  // LB_ADDSTRING
    EXPECT_FALSE(IsComboAddString(0));
}

}  // namespace
