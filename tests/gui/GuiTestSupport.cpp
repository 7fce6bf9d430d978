#include "GuiTestSupport.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

namespace kelvane::test {

TempFolder::TempFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::filesystem::temp_directory_path() /
             ("kelvane-gui-" + std::to_string(::getpid()) + "-" + (info ? info->name() : "x"));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

QString MenuOutline(const QMenu* menu, int depth)
{
    QString out;
    const QString indent(depth * 2, QLatin1Char(' '));
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            out += indent + QStringLiteral("-\n");
        } else if (const QMenu* sub = QMenu::menuInAction(action)) {
            out += indent + action->text() + QStringLiteral(">\n") + MenuOutline(sub, depth + 1);
        } else {
            out += indent + action->text();
            if (!action->shortcut().isEmpty())
                out += QLatin1Char('|') + action->shortcut().toString();
            out += QLatin1Char('\n');
        }
    }
    return out;
}

} // namespace kelvane::test
