// The application name from the module path.
#include "framework/app_name.h"

void AppNameFromModulePath(const char* path, LeadBytePredicate isLeadByte, char* name, std::size_t nameSize)
{
    if (name == nullptr || nameSize == 0)
        return;
    name[0] = '\0';
    if (path == nullptr)
        return;

    // One pass in characters, so that the second byte of a two-byte
    // character is never taken for a separator or a dot.
    std::size_t start = 0;
    std::size_t end = 0;  // the last dot of the file name, or its end
    bool dotSeen = false;
    std::size_t i = 0;
    while (path[i] != '\0') {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (isLeadByte != nullptr && isLeadByte(c) && path[i + 1] != '\0') {
            i += 2;
            continue;
        }
        if (c == '\\' || c == '/' || c == ':') {
            start = i + 1;
            dotSeen = false;
        } else if (c == '.') {
            end = i;
            dotSeen = true;
        }
        ++i;
    }
    if (!dotSeen)
        end = i;

    std::size_t out = 0;
    std::size_t j = start;
    while (j < end) {
        const unsigned char c = static_cast<unsigned char>(path[j]);
        const std::size_t width = (isLeadByte != nullptr && isLeadByte(c) && j + 1 < end) ? 2 : 1;
        if (out + width >= nameSize)
            break;
        for (std::size_t k = 0; k < width; ++k)
            name[out++] = path[j + k];
        j += width;
    }
    name[out] = '\0';
}
