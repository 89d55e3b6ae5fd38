// The simulated file system: drives, directories and files with their bytes.
// Names compare without regard to letter case, as on Windows, and keep the
// case they were created with.
#ifndef ORVIK_HOST_SIM_FILES_H
#define ORVIK_HOST_SIM_FILES_H

#include <map>
#include <string>
#include <vector>

namespace sim {

struct File {
    std::string path;     // full path, in the case it was created with
    std::string content;  // the file's bytes
};

class FileSystem {
public:
    FileSystem();

    // Relative paths are taken from here; a path that begins with a
    // backslash names the root of this directory's drive.
    std::string currentDirectory = "C:\\ORVIK";

    // The full path a Win32 call would act on.
    std::string Resolve(const std::string& path) const;

    // Creates a directory and every missing parent.
    void MakeDirectory(const std::string& path);
    // Creates or replaces a file, with its parent directories.
    void PutFile(const std::string& path, const std::string& content);

    bool DirectoryExists(const std::string& path) const;
    const File* Find(const std::string& path) const;
    bool Exists(const std::string& path) const { return Find(path) != nullptr; }

    // The names of the files directly in a directory, in sorted order.
    std::vector<std::string> Names(const std::string& directory) const;
    // Every file's full path, in sorted order.
    std::vector<std::string> AllFiles() const;

    // For the Win32 calls: the parent directory of a full path, and the last
    // component of any path.
    static std::string Parent(const std::string& fullPath);
    static std::string Leaf(const std::string& path);

    File* FindResolved(const std::string& fullPath);
    void Write(const std::string& fullPath, const std::string& content);
    bool Remove(const std::string& fullPath);

private:
    std::map<std::string, File> files_;  // by lower-case full path
    std::map<std::string, std::string> directories_;  // full path by lower-case full path
};

// Lower-case ASCII, for the case-insensitive keys of names.
std::string Lower(const std::string& text);

}  // namespace sim

#endif  // ORVIK_HOST_SIM_FILES_H
