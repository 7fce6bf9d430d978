#include <QScopeGuard>
#include <QtPrintSupport>

#include "GuiTestSupport.h"
#include "gui/report/ReportPrinter.h"
#include "gui/report/frmPreview.h"

namespace kelvane {
namespace {

TEST(PrintReport, PreviewThenPrintCancelledThenToAFile)
{
    test::Program program;
    Controller& controller = program.controller;
    Colour& back = program.State().DisplayBackColor;
    const QString pdf = program.own.filePath("report.pdf");
    // The print dialog prints to a file, or cancels, so an ignored cancel would show.
    bool print = false;
    int dialogsShown = 0;
    controller.Printer().SetPrintDialog([&](QPrinter& printer, QWidget*) {
        ++dialogsShown;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        return print;
    });

    // The preview: modal, over a picture drawn on black; then the background turns white.
    program.Document().Settings().SwapBW = 0;
    bool looked = false;
    test::WhenModal<frmPreview>([&](frmPreview* preview) {
        looked = true;
        EXPECT_EQ(preview->windowTitle(), "Kelvane System Report");
        // The cursor is back to normal and the wait-cursor stack untouched.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(controller.Mouse().BusyFlag());
        EXPECT_EQ(back, 0);
        EXPECT_EQ(program.Find<QPrintPreviewWidget>("vp", preview)->pageCount(), 1);
        EXPECT_FALSE(program.Find<SurfaceWidget>("VSDraw1", preview)->Surface().Shapes().empty());
        // Inside the screen's available area, its toolbar showing the view
        // actions and Print, which asks the print dialog.
        EXPECT_TRUE(preview->screen()->availableGeometry().contains(preview->frameGeometry()));
        auto* toolbar = program.Find<QToolBar>("tbPreview", preview);
        EXPECT_TRUE(toolbar->isVisible());
        QStringList texts;
        for (const QAction* action : toolbar->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        EXPECT_EQ(texts.join(','), "Zoom &In,Zoom &Out,Fit &Page,Fit &Width,-,P&rint...");
        program.Find<QAction>("actPrint", preview)->trigger();
        EXPECT_EQ(dialogsShown, 1);
    });
    back = 0x123456;
    controller.Printer().PrintReport(-1);
    EXPECT_TRUE(looked);
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(back, 0xFFFFFF);
    ASSERT_NE(controller.Printer().CurrentPreview(), nullptr);
    EXPECT_FALSE(controller.Printer().CurrentPreview()->isVisible());

    // A cancelled print prints nothing, yet sets the background: black with Grey for Black.
    program.Document().Settings().SwapBW = -1;
    back = 0x123456;
    controller.Printer().PrintReport(0);
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(back, 0);

    print = true;
    program.Document().Settings().SwapBW = 0;
    controller.Printer().PrintReport(0);
    EXPECT_TRUE(test::ReadBytes(pdf.toStdString()).starts_with("%PDF-"));
    EXPECT_EQ(back, 0xFFFFFF);
}

} // namespace
} // namespace kelvane
