// The running Windows version, reduced to the class that picks the
// installation sequence and the radio button of the Select OS page.
#ifndef ORVIK_CORE_OS_CLASS_H
#define ORVIK_CORE_OS_CLASS_H

#include <cstdint>

// 0 not recognised (the value at start), 1 Windows 95, 2 Windows 98 and Me,
// 3 NT 4.0 and earlier, 4 Windows 2000 (and any platform other than 9x and
// NT), 5 XP, 6 Server 2003, 7 Vista, 8 Windows 7. Written only by
// ClassifyOperatingSystem.
extern std::int32_t OsClass;

// Queries the version and sets OsClass from the matching class; leaves it
// unchanged when both queries fail or no class matches.
void ClassifyOperatingSystem();

#endif  // ORVIK_CORE_OS_CLASS_H
