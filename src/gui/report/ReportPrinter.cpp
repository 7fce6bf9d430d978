#include "gui/report/ReportPrinter.h"

#include <QPrintDialog>
#include <QPrinter>

#include "gui/display/MousePointer.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/document/SystemDocument.h"
#include "gui/report/frmPreview.h"
#include "platform/UserDecimalSeparator.h"
#include "render/SystemReport.h"

namespace kelvane {

namespace {

bool ShowQtPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

ReportPrinter::ReportPrinter(SystemDocument& document, MousePointer& mouse, QWidget* parent)
    : m_document(document), m_mouse(mouse), m_parent(parent), m_printDialog(ShowQtPrintDialog)
{}

void ReportPrinter::SetPrintDialog(PrintDialogFunction dialog)
{
    m_printDialog = dialog ? std::move(dialog) : PrintDialogFunction(ShowQtPrintDialog);
}

void ReportPrinter::PrintDocument(const frmPreview& window, QWidget* parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    frmPreview::PreparePrinter(printer);
    if (m_printDialog(printer, parent))
        window.PaintDocument(&printer);
}

void ReportPrinter::PrintReport(int preview)
{
    const AppState& app = m_document.State();
    {
        const BusyCursor busy(m_mouse);
        // Every report starts from a new, empty document in a new window.
        if (m_preview) {
            m_preview->close();
            delete m_preview.data();
        }
        m_preview = new frmPreview(m_parent);
        // The preview's own Print prints the document it shows.
        QObject::connect(m_preview.data(), &frmPreview::PrintRequested, m_preview.data(),
                         [this, window = m_preview.data()] { PrintDocument(*window, window); });

        m_document.SetDisplayBackColor(ReportPictureBackColor(app.settings));
        m_preview->SetDocument(BuildSystemReport(app.system, app.settings, app.DisplayBackColor,
                                                 m_document.Source(), UserDecimalSeparator(),
                                                 m_preview->VSDraw1()->Surface()));
    }
    if (preview != 0)
        m_preview->exec();
    else
        PrintDocument(*m_preview, m_parent);
    m_document.SetDisplayBackColor(AfterReportBackColor(app.settings));
}

} // namespace kelvane
