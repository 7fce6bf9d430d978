#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvane::test {

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
    long Count() const { return std::distance(std::filesystem::directory_iterator(m_path), {}); }

private:
    std::string m_path = std::filesystem::temp_directory_path() / "kelvane-test-XXXXXX";
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, std::string_view bytes)
{
    if (!(std::ofstream(path, std::ios::binary) << bytes))
        throw std::runtime_error("cannot write " + path);
}

} // namespace kelvane::test
