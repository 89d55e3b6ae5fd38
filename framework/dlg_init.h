// Reading a dialog-initialisation resource (resource type 240, named after
// its dialog template): the messages that fill the template's controls when
// the dialog opens. Portable: bytes in, records out.
#ifndef ORVIK_FRAMEWORK_DLG_INIT_H
#define ORVIK_FRAMEWORK_DLG_INIT_H

#include <cstddef>
#include <cstdint>

// The resource type of dialog-initialisation data (RT_DLGINIT).
const std::uint16_t kDlgInitResourceType = 240;

// CB_ADDSTRING as the data writes it (its 16-bit value, 0x0403) and as Win32
// numbers it (0x0143); both mean "add this text to the combo box".
const std::uint16_t kDlgInitComboAddString16 = 0x0403;
const std::uint16_t kDlgInitComboAddString32 = 0x0143;

inline bool IsComboAddString(std::uint16_t message)
{
    return message == kDlgInitComboAddString16 || message == kDlgInitComboAddString32;
}

// One record: send `message` with the record's bytes to control `control`.
struct DlgInitRecord {
    std::uint16_t control;
    std::uint16_t message;
    const unsigned char* data;  // the record's bytes, inside the data given
    std::uint32_t size;         // their count (for a text, its NUL included)
    // The bytes as a text, when they hold a NUL; null when they do not, and
    // such a record cannot be sent as a text.
    const char* text;
};

// Walks the records of the data, which is laid out as
//   [WORD control][WORD message][DWORD size][size bytes], ...
// in little-endian order with no alignment, and ends with a zero control
// word. The reader never reads outside the data it was given.
class DlgInitReader {
public:
    DlgInitReader(const void* data, std::size_t size);

    // Fills *record with the next record and moves past it. FALSE at the end
    // of the records: at the zero word, at the end of the data, or at a
    // record cut short by the end of the data. The reader then stays at the
    // end; Malformed() tells the last case from the others.
    bool Next(DlgInitRecord* record);
    bool Malformed() const { return m_malformed; }

private:
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_offset;
    bool m_malformed;
};

#endif  // ORVIK_FRAMEWORK_DLG_INIT_H
