// The application's name as the framework derives it: the executable's file
// name without its extension. Portable.
#ifndef ORVIK_FRAMEWORK_APP_NAME_H
#define ORVIK_FRAMEWORK_APP_NAME_H

#include <cstddef>

// Tells whether a byte starts a two-byte character of the ANSI code page
// (on Chinese Windows a GBK character's second byte can be a backslash).
typedef bool (*LeadBytePredicate)(unsigned char byte);

// Writes into name (nameSize bytes with the NUL, nameSize > 0) the file name
// of `path` without its extension: the part after the last '\\', '/' or ':'
// up to its last '.'. A name that does not fit is cut short at a character
// boundary. isLeadByte may be null for a single-byte code page.
void AppNameFromModulePath(const char* path, LeadBytePredicate isLeadByte, char* name, std::size_t nameSize);

#endif  // ORVIK_FRAMEWORK_APP_NAME_H
