// Decoders for the resource formats the program ships: dialog templates
// (classic and extended), string tables, icon groups and the version block.
#ifndef ORVIK_TESTS_RESOURCE_FORMATS_H
#define ORVIK_TESTS_RESOURCE_FORMATS_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/executable/pe_image.h"

struct DialogControl {
    std::int32_t id = 0;
    std::string cls;   // "Button", "Edit", "Static", "ComboBox", ... or a name
    std::string text;  // UTF-8; "#N" for a resource ordinal
    std::uint32_t style = 0, exStyle = 0, helpId = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
};

struct Dialog {
    bool extended = false;
    std::uint32_t style = 0, exStyle = 0, helpId = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, cls, caption;
    std::uint16_t pointSize = 0, weight = 0;
    std::uint8_t italic = 0, charset = 0;
    std::string font;
    std::vector<DialogControl> controls;
};

bool ParseDialog(const Bytes& data, Dialog* out);

// The string with the given id from its string-table block; false if absent.
bool FindString(const PeImage& image, std::uint32_t id, std::string* out);

struct IconImage {
    int width, height, colours, bitCount;
    std::uint16_t iconId;
};
bool ParseIconGroup(const Bytes& data, std::vector<IconImage>* out);

struct VersionInfo {
    std::uint32_t fileMs = 0, fileLs = 0, productMs = 0, productLs = 0;
    std::map<std::string, std::string> strings;  // "080404b0/FileVersion" -> text
    std::vector<std::uint32_t> translations;     // language | code page << 16
};
bool ParseVersion(const Bytes& data, VersionInfo* out);

#endif  // ORVIK_TESTS_RESOURCE_FORMATS_H
