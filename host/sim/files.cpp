// Simulated file system and the Win32 file calls: CopyFileA, DeleteFileA,
// FindFirstFileA and FindClose.
#include "host/sim/files.h"

#include <algorithm>
#include <cstring>

#include "host/sim/machine.h"

namespace sim {

std::string Lower(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

FileSystem::FileSystem() { MakeDirectory(currentDirectory); }

std::string FileSystem::Resolve(const std::string& path) const
{
    std::string full;
    if (path.size() >= 2 && path[1] == ':')
        full = path;
    else if (!path.empty() && path[0] == '\\')
        full = currentDirectory.substr(0, 2) + path;
    else
        full = currentDirectory + "\\" + path;
    if (full.size() > 2 && full.back() == '\\')  // "C:\" is the drive "C:"
        full.pop_back();
    return full;
}

std::string FileSystem::Parent(const std::string& fullPath)
{
    const std::string::size_type slash = fullPath.rfind('\\');
    return slash == std::string::npos ? std::string() : fullPath.substr(0, slash);
}

std::string FileSystem::Leaf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void FileSystem::MakeDirectory(const std::string& path)
{
    std::string full = Resolve(path);
    while (full.size() > 2) {  // a drive's root ("C:") always exists
        directories_.insert({Lower(full), full});
        full = Parent(full);
    }
}

void FileSystem::PutFile(const std::string& path, const std::string& content)
{
    const std::string full = Resolve(path);
    MakeDirectory(Parent(full));
    Write(full, content);
}

bool FileSystem::DirectoryExists(const std::string& path) const
{
    const std::string full = Resolve(path);
    return full.size() == 2 || directories_.count(Lower(full)) != 0;
}

const File* FileSystem::Find(const std::string& path) const
{
    const auto it = files_.find(Lower(Resolve(path)));
    return it == files_.end() ? nullptr : &it->second;
}

std::vector<std::string> FileSystem::Names(const std::string& directory) const
{
    const std::string parent = Lower(Resolve(directory));
    std::vector<std::string> out;
    for (const auto& entry : files_)
        if (Lower(Parent(entry.second.path)) == parent)
            out.push_back(Leaf(entry.second.path));
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> FileSystem::AllFiles() const
{
    std::vector<std::string> out;
    for (const auto& entry : files_)
        out.push_back(entry.second.path);
    std::sort(out.begin(), out.end());
    return out;
}

File* FileSystem::FindResolved(const std::string& fullPath)
{
    const auto it = files_.find(Lower(fullPath));
    return it == files_.end() ? nullptr : &it->second;
}

// An existing file keeps the name it has; only its bytes change. A new one
// takes its directory's name as that was created.
void FileSystem::Write(const std::string& fullPath, const std::string& content)
{
    File& file = files_[Lower(fullPath)];
    if (file.path.empty()) {
        const auto directory = directories_.find(Lower(Parent(fullPath)));
        file.path = directory == directories_.end() ? fullPath
                                                    : directory->second + "\\" + Leaf(fullPath);
    }
    file.content = content;
}

bool FileSystem::Remove(const std::string& fullPath) { return files_.erase(Lower(fullPath)) != 0; }

}  // namespace sim

BOOL WINAPI CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("CopyFileA", sim::Args({sim::Quote(existingFile), sim::Quote(newFile),
                                         failIfExists ? "TRUE" : "FALSE"})))
        return FALSE;
    sim::FileSystem& fs = m.files;
    const sim::File* source = fs.FindResolved(fs.Resolve(existingFile));
    if (!source)
        return sim::Refuse(ERROR_FILE_NOT_FOUND);
    const std::string target = fs.Resolve(newFile);
    if (!fs.DirectoryExists(sim::FileSystem::Parent(target)))
        return sim::Refuse(ERROR_PATH_NOT_FOUND);
    if (failIfExists && fs.FindResolved(target))
        return sim::Refuse(ERROR_FILE_EXISTS);
    const std::string content = source->content;
    fs.Write(target, content);
    return TRUE;
}

BOOL WINAPI DeleteFileA(LPCSTR file)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("DeleteFileA", sim::Quote(file)))
        return FALSE;
    if (!m.files.Remove(m.files.Resolve(file)))
        return sim::Refuse(ERROR_FILE_NOT_FOUND);
    return TRUE;
}

// Finds one file by its exact name; wildcards are not simulated.
HANDLE WINAPI FindFirstFileA(LPCSTR file, LPWIN32_FIND_DATAA findData)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("FindFirstFileA", sim::Quote(file)))
        return INVALID_HANDLE_VALUE;
    const std::string full = m.files.Resolve(file);
    if (!m.files.DirectoryExists(sim::FileSystem::Parent(full))) {
        sim::Refuse(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const sim::File* found = m.files.FindResolved(full);
    if (!found) {
        sim::Refuse(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::memset(findData, 0, sizeof *findData);
    findData->dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    findData->nFileSizeLow = static_cast<DWORD>(found->content.size());
    const std::string name = sim::FileSystem::Leaf(found->path);
    std::strncpy(findData->cFileName, name.c_str(), sizeof findData->cFileName - 1);
    return m.OpenHandleFor(sim::HandleKind::Find, found->path);
}

BOOL WINAPI FindClose(HANDLE find)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("FindClose", sim::Handle(find)))
        return FALSE;
    if (!m.CloseHandleOf(find, sim::HandleKind::Find))
        return sim::Refuse(ERROR_INVALID_HANDLE);
    return TRUE;
}
