#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "GuiTestSupport.h"
#include "core/model/RandomSource.h"
#include "gui/shell/Controller.h"
#include "gui/shell/Twips.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/shell/frmSplash.h"
#include "gui/shell/mdiMain.h"

namespace kelvane {
namespace {

using test::TempFolder;

TEST(QuickTips, TextIsAssembledFromItsPieces)
{
    const QString text = frmQuickOpts::TipsText();
    const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_EQ(paragraphs[0], "You can generate a new system at any time by clicking the button above, or by "
                             "selecting New from either the toolbar or the File menu.");
    EXPECT_EQ(paragraphs[1],
              "You can force an orbit to a contain a particular feature by using the Force Orbit "
              "options from the Options menu, or by right-clicking on the orbit in the Orbital "
              "Display.");
    EXPECT_EQ(paragraphs[2],
              "You can also right-click on the items in the Contains or Environment columns of the "
              "Information window to change values there.");
    EXPECT_FALSE(text.endsWith('\n'));
}

TEST(QuickTips, LayoutKeepsSixtyTwipMargins)
{
    const frmQuickOpts::Layout designed = frmQuickOpts::LayoutFor(3090, 2820);
    EXPECT_EQ(designed.command1, QRectF(60, 60, 1485, 555));
    EXPECT_EQ(designed.command2, QRectF(1545, 60, 1485, 555));
    EXPECT_EQ(designed.text1, QRectF(60, 675, 2970, 2085));
    // Wider: both buttons grow alike; an odd width splits into halves.
    const frmQuickOpts::Layout wide = frmQuickOpts::LayoutFor(4001, 2000);
    EXPECT_EQ(wide.command1.width(), wide.command2.width());
    EXPECT_DOUBLE_EQ(wide.command1.width(), 1940.5);
    EXPECT_DOUBLE_EQ(wide.command2.right(), 4001 - 60);
    EXPECT_DOUBLE_EQ(wide.text1.bottom(), 2000 - 60);
    // Too low for the text box: it gets no height.
    EXPECT_EQ(frmQuickOpts::LayoutFor(3000, 700).text1.height(), 0);
}

TEST(QuickTips, WindowSnapsToItsMinimumAndItsButtonsWork)
{
    TempFolder folder;
    Controller controller(folder.Str());
    controller.State().random = std::make_unique<RandomSource>(RandomSource::Deterministic(5));
    controller.Main();
    frmQuickOpts* tips = controller.QuickTips();
    QMdiSubWindow* frame = controller.FrameOf(tips);
    EXPECT_EQ(frame->size(), frmQuickOpts::LoadSize());
    EXPECT_EQ(controller.MainWindow()->findChild<QPlainTextEdit*>("Text1")->toPlainText().count("\n\n"), 2);

    frame->resize(40, 300);
    EXPECT_EQ(frame->width(), Px(1440));
    frame->resize(300, 40);
    EXPECT_EQ(frame->height(), Px(1440));

    AppState& app = controller.State();
    app.system.SystemName = "Mine";
    tips->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(app.system.SystemName, "Mine");
    tips->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(app.system.SystemName, "Unnamed System");

    // Closed, it is still recorded at shutdown: normal, at its loaded place.
    const WindowPlacement loaded = app.settings.Quick;
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    controller.ShutdownApp();
    EXPECT_EQ(app.settings.Quick.State, 0);
    EXPECT_EQ(app.settings.Quick.Corner1, loaded.Corner1);
    EXPECT_EQ(app.settings.Quick.Corner4, loaded.Corner4);
    // The Window menu brings it back.
    controller.ShowQuickTips();
    EXPECT_TRUE(frame->isVisible());
    controller.MainWindow()->close();
}

TEST(About, VersionAndCentredEveryTime)
{
    EXPECT_EQ(frmSplash::VersionText(3, 5, 20), "Version 3.5 b20");
    EXPECT_EQ(frmSplash::VersionText(10, 0, 7), "Version 10.0 b7");

    TempFolder folder;
    Controller controller(folder.Str());
    controller.Main();
    for (int opening = 0; opening < 2; ++opening) {
        QRect seen;
        QString version;
        bool closed = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* about = qobject_cast<frmSplash*>(QApplication::activeModalWidget())) {
                seen = about->frameGeometry();
                version = about->findChild<QLabel*>("lblVersion")->text();
                // Moved away, it still opens centred the next time.
                about->move(0, 0);
                about->findChild<QPushButton*>("OkayButton")->click();
                closed = true;
                poll.stop();
            }
        });
        poll.start();
        QTimer::singleShot(5000, [&] { poll.stop(); });
        controller.ShowAbout();
        ASSERT_TRUE(closed);
        EXPECT_EQ(version, "Version 3.5 b20");
        const QRect screen = QApplication::primaryScreen()->geometry();
        EXPECT_LE(std::abs(seen.center().x() - screen.center().x()), 1);
        EXPECT_LE(std::abs(seen.center().y() - screen.center().y()), 1);
    }
    EXPECT_EQ(controller.MainWindow()->findChildren<frmSplash*>().size(), 0);
    controller.MainWindow()->close();
}

} // namespace
} // namespace kelvane
