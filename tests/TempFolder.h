#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/mount.h>
#include <unistd.h>

namespace kelvane::test {

inline std::string ReadBytes(const std::filesystem::path& path);

// The names in a folder, hidden ones included.
inline std::set<std::string> NamesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// What a folder holds: each name with its bytes, or where it links to.
inline std::map<std::string, std::string> FilesIn(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] =
            entry.is_symlink()        ? "-> " + std::filesystem::read_symlink(entry.path()).string()
            : entry.is_regular_file() ? ReadBytes(entry.path())
                                      : "(other)";
    return files;
}

// A fresh empty folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder()
    {
        if (::mkdtemp(m_path.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder");
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string operator/(std::string_view name) const { return m_path + "/" + std::string(name); }
    const std::string& Path() const { return m_path; }
    long Count() const { return std::distance(std::filesystem::directory_iterator(m_path), {}); }
    std::set<std::string> Names() const { return NamesIn(m_path); }

private:
    std::string m_path = std::filesystem::temp_directory_path() / "kelvane-test-XXXXXX";
};

// A fresh folder on a file system of its own that holds only 64 KiB, for a
// real "No space left on device". Mounting needs root; Mounted() tells
// whether it worked.
class SmallDisk {
public:
    SmallDisk() : m_mounted(::mount("tmpfs", m_folder.Path().c_str(), "tmpfs", 0, "size=64k") == 0) {}
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.Path().c_str(), MNT_DETACH);
    }
    bool Mounted() const { return m_mounted; }
    const TempFolder& Folder() const { return m_folder; }

private:
    TempFolder m_folder;
    bool m_mounted;
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes)
{
    if (!(std::ofstream(path, std::ios::binary) << bytes))
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace kelvane::test
