#pragma once
// Special files for the tests of careful file access, made in the test's own folder: FIFOs,
// device nodes with chosen numbers, links. Never the machine's own /dev nodes.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace specialfiles {

// A fresh folder under the system's temporary folder, removed with the object.
class TFolder {
public:
    TFolder()
    {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/specialXXXXXX";
        FPath = ::mkdtemp(pattern.data()) ? pattern + "/" : std::string();
    }
    ~TFolder()
    {
        std::error_code ignored;
        if (!FPath.empty()) std::filesystem::remove_all(FPath, ignored);
    }
    TFolder(const TFolder&) = delete;
    TFolder& operator=(const TFolder&) = delete;

    std::string operator/(const std::string& name) const { return FPath + name; }
    const std::string& Path() const { return FPath; }
    // Entries of the folder, to see that nothing was left behind.
    long Count() const
    {
        return static_cast<long>(
            std::distance(std::filesystem::directory_iterator(FPath), std::filesystem::directory_iterator()));
    }

private:
    std::string FPath;
};

// A character device node with the numbers given; false when the system does not allow it
// (the test then skips).
inline bool MakeCharDevice(const std::string& path, unsigned major, unsigned minor)
{
    return ::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(major, minor)) == 0;
}

inline bool MakeFifo(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0666) == 0;
}

inline std::string Bytes(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The kind of what stands at `path`, links not followed.
inline std::filesystem::file_type Kind(const std::string& path)
{
    return std::filesystem::symlink_status(path).type();
}

} // namespace specialfiles
