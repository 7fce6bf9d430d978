#pragma once

#include <QAction>
#include <QMenu>
#include <QString>
#include <filesystem>
#include <string>

namespace kelvane::test {

// A fresh folder for one test, standing in for the program's folder, so
// that no test reads or writes the user's settings; removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string Str() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);

// The menu's items as "caption|shortcut" lines, "-" for a separator, and
// "caption>" followed by the submenu's items indented for a submenu.
QString MenuOutline(const QMenu* menu, int depth = 0);

} // namespace kelvane::test
