#pragma once

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "ScopedEnvironment.h"

#include "core/model/RandomSource.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace kelvane::test {

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A started program with a seeded source, in a fresh folder of its own, so
// that no test touches the user's settings, or in the given folder.
struct Program {
    explicit Program(const QString& folder = {})
        : controller((folder.isEmpty() ? own.path() : folder).toStdString())
    {
        controller.MutableState().random = std::make_unique<RandomSource>(RandomSource::Deterministic(3));
        controller.Main();
        main = controller.MainWindow();
    }
    ~Program()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QLocale::setDefault(locale);
    }

    template <class T = QAction> T* Find(const QString& name, const QWidget* in = nullptr) const
    {
        T* found = (in ? in : main)->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    StarSystem& System() { return controller.MutableState().system; }
    AppSettings& Settings() { return controller.Settings(); }
    SurfaceWidget* Display() { return controller.OrbitalDisplay()->vsdDisplay(); }

    QLocale locale; // the default before the test, put back after it
    // Decimal points, whatever the locale of the machine running the tests.
    ScopedEnvironment numbers{"LC_ALL", "C"};
    QTemporaryDir own;
    Controller controller;
    mdiMain* main = nullptr;
};

// Hands the next modal W to look and then closes it; fails when none shows
// within ten seconds, and closes whatever modal there is so nothing hangs.
template <class W> void WhenModal(std::function<void(W*)> look)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, look, ticks = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        W* wanted = qobject_cast<W*>(modal);
        if (wanted == nullptr && ++ticks < 500)
            return;
        if (wanted != nullptr)
            look(wanted);
        else
            ADD_FAILURE() << "no modal " << W::staticMetaObject.className() << " showed";
        if (modal != nullptr)
            modal->close();
        timer->stop();
        timer->deleteLater();
    });
    timer->start(20);
}

} // namespace kelvane::test
