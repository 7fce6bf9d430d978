#include "gui/report/PrintReport.h"

#include <QGuiApplication>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/display/SurfaceWidget.h"
#include "gui/report/frmPreview.h"
#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"
#include "platform/UserDecimalSeparator.h"
#include "render/QtText.h"
#include "render/SystemReport.h"

namespace kelvane {

namespace {

QPointer<frmPreview>& LastPreview()
{
    static QPointer<frmPreview> preview;
    return preview;
}

PrintDialogFunction& PrintDialog()
{
    static PrintDialogFunction dialog = ShowQtPrintDialog;
    return dialog;
}

// The document of window on the printer that the print dialog, over parent,
// confirms; nothing when the user cancels.
void PrintDocument(const frmPreview& window, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    frmPreview::PreparePrinter(printer);
    if (PrintDialog()(printer, parent))
        window.PaintDocument(&printer);
}

} // namespace

frmPreview* CurrentPreview()
{
    return LastPreview().data();
}

bool ShowQtPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialogFunction SetPrintDialog(PrintDialogFunction dialog)
{
    PrintDialogFunction previous = std::move(PrintDialog());
    PrintDialog() = dialog ? std::move(dialog) : PrintDialogFunction(ShowQtPrintDialog);
    return previous;
}

void PrintReport(Controller& controller, std::int16_t preview)
{
    const AppState& app = controller.State();
    // Set directly, not through the wait-cursor stack, so BusyFlag stays.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    // Every report starts from a new, empty document in a new window.
    QPointer<frmPreview>& window = LastPreview();
    if (window) {
        window->close();
        delete window.data();
    }
    window = new frmPreview(controller.MainWindow());
    // The preview's own Print prints the document it shows.
    QObject::connect(window.data(), &frmPreview::PrintRequested, window.data(),
                     [preview = window.data()] { PrintDocument(*preview, preview); });

    controller.SetDisplayBackColor(ReportPictureBackColor(app.settings));
    window->SetDocument(BuildSystemReport(app.system, app.settings, app.DisplayBackColor, *app.random,
                                          UserDecimalSeparator(), window->VSDraw1()->Surface()));
    QGuiApplication::restoreOverrideCursor();

    if (preview != 0) {
        window->exec();
    } else {
        PrintDocument(*window, controller.MainWindow());
    }

    controller.SetDisplayBackColor(AfterReportBackColor(app.settings));
}

} // namespace kelvane
