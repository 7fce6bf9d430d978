#pragma once

#include <QGuiApplication>
#include <memory>

namespace kelvane {

// Measuring and painting text needs a QGuiApplication. Without a screen a
// command makes one of its own on the offscreen platform, for as long as it
// runs; inside a program that has one already it uses that one. Qt's own
// notes about a machine without a desktop session (no runtime folder and
// the like) are kept out of the command's output; its errors still go
// through.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

    bool Ready() const;

private:
    char m_name[12] = "kelvane-cli";
    char m_platformOption[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    int m_argc = 3;
    QtMessageHandler m_previousHandler = nullptr;
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace kelvane
