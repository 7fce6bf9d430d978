#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <functional>

#include "GuiTestSupport.h"
#include "core/model/RandomSource.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/report/PrintReport.h"
#include "gui/report/frmPreview.h"
#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"
#include "render/SystemReport.h"

namespace kelvane {
namespace {

using test::TempFolder;

// A started program in a folder of its own, with a seeded source and a
// print dialog that the test answers.
struct Program {
    explicit Program(const TempFolder& folder) : controller(folder.Str())
    {
        controller.State().random = std::make_unique<RandomSource>(RandomSource::Deterministic(5));
        controller.Main();
        previousDialog = SetPrintDialog([this](QPrinter& printer, QWidget*) {
            ++dialogsShown;
            return answer(printer);
        });
    }
    ~Program()
    {
        SetPrintDialog(previousDialog);
        if (controller.MainWindow()->isVisible())
            controller.MainWindow()->close();
    }

    Controller controller;
    PrintDialogFunction previousDialog;
    std::function<bool(QPrinter&)> answer = [](QPrinter&) { return false; };
    int dialogsShown = 0;
};

// Waits for a modal widget of type W, hands it to look and closes it; fails
// the test when none shows within the deadline, and then closes whatever
// modal widget there is so that nothing hangs.
template <class W> void CloseModalWhenShown(std::function<void(W*)> look)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, look] {
        QWidget* modal = QApplication::activeModalWidget();
        W* wanted = qobject_cast<W*>(modal);
        if (wanted != nullptr && wanted->isVisible()) {
            look(wanted);
            wanted->close();
        } else if (clock->elapsed() > 10000) {
            ADD_FAILURE() << "no modal " << W::staticMetaObject.className() << " showed";
            if (modal != nullptr)
                modal->close();
        } else {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
    });
    timer->start(20);
}

int CountPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

TEST(PrintReport, PreviewShowsTheReportModallyThenTheBackgroundTurnsWhite)
{
    TempFolder folder;
    Program program(folder);
    program.controller.Settings().SwapBW = 0;
    bool looked = false;
    CloseModalWhenShown<frmPreview>([&](frmPreview* preview) {
        looked = true;
        EXPECT_EQ(preview->windowTitle(), "Kelvane System Report");
        EXPECT_EQ(preview->size(), frmPreview::DesignedSize());
        // The cursor is back to normal and the wait-cursor stack untouched.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(program.controller.Mouse().BusyFlag());
        // The picture is drawn on black while the report is made.
        EXPECT_EQ(program.controller.State().DisplayBackColor, 0);

        QPrintPreviewWidget* vp = preview->findChild<QPrintPreviewWidget*>(QStringLiteral("vp"));
        ASSERT_NE(vp, nullptr);
        EXPECT_EQ(vp->geometry(), preview->rect());
        EXPECT_EQ(vp->pageCount(), 1);
        auto* draw = preview->findChild<SurfaceWidget*>(QStringLiteral("VSDraw1"));
        ASSERT_NE(draw, nullptr);
        EXPECT_FALSE(draw->isVisible());
        EXPECT_FALSE(draw->Surface().Shapes().empty());

        // The page shows, with its black picture square.
        const QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double pageArea = 0.5 * preview->width() * preview->height();
        EXPECT_GT(CountPixels(shown, qRgb(0, 0, 0)), 0.1 * pageArea);
        // The grey orbit lines stay thin lines at the preview's scale.
        EXPECT_LT(CountPixels(shown, qRgb(150, 150, 150)), 0.01 * pageArea);
    });
    program.controller.State().DisplayBackColor = 0x123456;
    PrintReport(program.controller, -1);

    EXPECT_TRUE(looked);
    EXPECT_EQ(program.dialogsShown, 0);
    EXPECT_EQ(program.controller.State().DisplayBackColor, 0xFFFFFF);
    ASSERT_NE(CurrentPreview(), nullptr);
    EXPECT_FALSE(CurrentPreview()->isVisible());
}

TEST(PrintReport, CancelledPrintPrintsNothingAndStillSetsTheBackground)
{
    TempFolder folder;
    Program program(folder);
    const std::filesystem::path pdf = folder.Path() / "report.pdf";
    program.answer = [&](QPrinter& printer) {
        // Had the answer been ignored, the report would land here.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        return false;
    };
    program.controller.State().DisplayBackColor = 0x123456;
    PrintReport(program.controller, 0); // grey for black is on by default

    EXPECT_EQ(program.dialogsShown, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(program.controller.State().DisplayBackColor, 0);
    // The document was made in a hidden preview window, on light grey.
    ASSERT_NE(CurrentPreview(), nullptr);
    EXPECT_FALSE(CurrentPreview()->isVisible());
    EXPECT_EQ(CurrentPreview()->Document().ItemsOf<ReportPicture>().at(0)->FillColor, ReportLightGrey);
}

TEST(PrintReport, PrintingToAFileGivesOnePageAndEachReportIsNew)
{
    TempFolder folder;
    Program program(folder);
    program.controller.Settings().SwapBW = 0;
    const std::filesystem::path pdf = folder.Path() / "report.pdf";
    program.answer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    };
    PrintReport(program.controller, 0);
    const QPointer<frmPreview> first = CurrentPreview();

    const std::string bytes = test::ReadFile(pdf);
    EXPECT_TRUE(bytes.starts_with("%PDF-"));
    std::size_t pages = 0;
    for (auto at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        pages += bytes.compare(at, 12, "/Type /Pages") != 0;
    EXPECT_EQ(pages, 1u);
    EXPECT_EQ(program.controller.State().DisplayBackColor, 0xFFFFFF);

    // The next report discards the last window and draws the picture anew.
    PrintReport(program.controller, 0);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(CurrentPreview(), nullptr);
}

TEST(PrintReport, QtPrintDialogIsAskedAndCancelled)
{
    TempFolder folder;
    Program program(folder);
    SetPrintDialog(nullptr); // Qt's own
    bool asked = false;
    CloseModalWhenShown<QPrintDialog>([&](QPrintDialog*) { asked = true; });
    PrintReport(program.controller, 0);
    EXPECT_TRUE(asked);
    EXPECT_EQ(program.controller.State().DisplayBackColor, 0);
}

} // namespace
} // namespace kelvane
