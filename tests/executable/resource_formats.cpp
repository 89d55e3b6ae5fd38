// Decoding dialog templates, string tables, icon groups and version blocks.
#include "tests/executable/resource_formats.h"

namespace {

const char* ClassName(std::uint16_t ordinal)
{
    switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return "?";
    }
}

// A name or ordinal field: 0 for none, 0xFFFF and an ordinal, or a text.
std::string NameOrOrdinal(ByteReader& r, bool isClass)
{
    const size_t start = r.pos();
    const std::uint16_t first = r.U16();
    if (first == 0)
        return std::string();
    if (first == 0xFFFF) {
        const std::uint16_t ordinal = r.U16();
        return isClass ? ClassName(ordinal) : "#" + std::to_string(ordinal);
    }
    r.Seek(start);
    return r.WideString();
}

const std::uint32_t kDsSetFont = 0x40;

}  // namespace

bool ParseDialog(const Bytes& data, Dialog* d)
{
    ByteReader r(data);
    std::uint16_t count;
    if (data.size() >= 4 && data[2] == 0xFF && data[3] == 0xFF && data[0] == 1) {
        d->extended = true;
        r.Seek(4);
        d->helpId = r.U32();
        d->exStyle = r.U32();
        d->style = r.U32();
    } else {
        d->style = r.U32();
        d->exStyle = r.U32();
    }
    count = r.U16();
    d->x = r.S16();
    d->y = r.S16();
    d->cx = r.S16();
    d->cy = r.S16();
    d->menu = NameOrOrdinal(r, false);
    d->cls = NameOrOrdinal(r, false);
    d->caption = r.WideString();
    if (d->style & kDsSetFont) {
        d->pointSize = r.U16();
        if (d->extended) {
            d->weight = r.U16();
            d->italic = r.U8();
            d->charset = r.U8();
        }
        d->font = r.WideString();
    }
    for (std::uint16_t i = 0; i < count && !r.failed(); ++i) {
        DialogControl c;
        r.AlignTo(4);
        if (d->extended) {
            c.helpId = r.U32();
            c.exStyle = r.U32();
            c.style = r.U32();
        } else {
            c.style = r.U32();
            c.exStyle = r.U32();
        }
        c.x = r.S16();
        c.y = r.S16();
        c.cx = r.S16();
        c.cy = r.S16();
        c.id = d->extended ? static_cast<std::int32_t>(r.U32()) : r.S16();
        c.cls = NameOrOrdinal(r, true);
        c.text = NameOrOrdinal(r, false);
        const std::uint16_t extra = r.U16();
        r.Seek(r.pos() + extra);
        d->controls.push_back(c);
    }
    return !r.failed();
}

bool FindString(const PeImage& image, std::uint32_t id, std::string* out)
{
    const Bytes* block = image.Find(6, id / 16 + 1);
    if (!block)
        return false;
    ByteReader r(*block);
    for (std::uint32_t i = 0; i < 16 && !r.failed(); ++i) {
        const std::uint16_t length = r.U16();
        std::vector<std::uint16_t> units;
        for (std::uint16_t k = 0; k < length; ++k)
            units.push_back(r.U16());
        if (i == id % 16) {
            *out = Utf16ToUtf8(units);
            return !r.failed() && length > 0;
        }
    }
    return false;
}

bool ParseIconGroup(const Bytes& data, std::vector<IconImage>* out)
{
    ByteReader r(data);
    r.U16();
    if (r.U16() != 1)
        return false;
    const std::uint16_t count = r.U16();
    for (std::uint16_t i = 0; i < count; ++i) {
        IconImage image;
        image.width = r.U8();
        image.height = r.U8();
        image.colours = r.U8();
        r.U8();
        r.U16();  // planes
        image.bitCount = r.U16();
        r.U32();  // bytes in resource
        image.iconId = r.U16();
        out->push_back(image);
    }
    return !r.failed();
}

namespace {

// One node of the version tree: length, value length, type, key, value,
// children, each aligned to 4 bytes.
void ParseVersionNode(ByteReader& r, size_t end, const std::string& path, VersionInfo* info)
{
    const size_t start = r.pos();
    const std::uint16_t length = r.U16();
    const std::uint16_t valueLength = r.U16();
    const std::uint16_t type = r.U16();
    const std::string key = r.WideString();
    r.AlignTo(4);
    const size_t nodeEnd = start + length < end ? start + length : end;
    const std::string here = path.empty() ? key : path + "/" + key;
    if (key == "VS_VERSION_INFO" && valueLength >= 52) {
        r.U32();  // signature
        r.U32();  // structure version
        info->fileMs = r.U32();
        info->fileLs = r.U32();
        info->productMs = r.U32();
        info->productLs = r.U32();
        r.Seek(r.pos() + 52 - 24);
    } else if (type == 1 && valueLength > 0) {
        info->strings[here] = r.WideString();
    } else if (key == "Translation") {
        for (std::uint16_t i = 0; i + 4 <= valueLength; i += 4)
            info->translations.push_back(r.U32());
    } else {
        r.Seek(r.pos() + valueLength);
    }
    r.AlignTo(4);
    while (r.pos() + 6 <= nodeEnd && !r.failed()) {
        const size_t child = r.pos();
        ParseVersionNode(r, nodeEnd, key == "VS_VERSION_INFO" || key == "StringFileInfo" ||
                                             key == "VarFileInfo" ? std::string() : here,
                         info);
        if (r.pos() <= child)
            break;
        r.AlignTo(4);
    }
    r.Seek(nodeEnd);
}

}  // namespace

bool ParseVersion(const Bytes& data, VersionInfo* out)
{
    ByteReader r(data);
    ParseVersionNode(r, data.size(), std::string(), out);
    return !r.failed();
}
