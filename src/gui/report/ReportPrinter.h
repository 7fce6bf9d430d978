#pragma once

#include <QPointer>
#include <functional>

#include "gui/report/frmPreview.h"

class QPrinter;
class QWidget;

namespace kelvane {

class MousePointer;
class SystemDocument;

// The one-page system report, printed or shown in the modal preview window.
class ReportPrinter {
public:
    // The print dialog: asked, over parent, to confirm printing on printer,
    // where the user may choose another printer or a PDF file. True to
    // print, false when the user cancelled.
    using PrintDialogFunction = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // parent is the window the preview and the print dialog belong to.
    ReportPrinter(SystemDocument& document, MousePointer& mouse, QWidget* parent);

    // Prints the report (preview 0) or shows it in the preview (any other
    // value). Every report starts from a fresh preview window and draws the
    // picture anew; afterwards DisplayBackColor is black with grey-for-black
    // printing on and white with it off.
    void PrintReport(int preview);
    // The preview window of the last report, hidden once closed; null before
    // the first report.
    frmPreview* CurrentPreview() const { return m_preview.data(); }
    // Puts dialog in the place of Qt's print dialog (an empty function puts
    // Qt's back). Tests answer the dialog this way.
    void SetPrintDialog(PrintDialogFunction dialog);

private:
    // The document of window on the printer that the print dialog, over
    // parent, confirms; nothing when the user cancels.
    void PrintDocument(const frmPreview& window, QWidget* parent) const;

    SystemDocument& m_document;
    MousePointer& m_mouse;
    QWidget* m_parent;
    QPointer<frmPreview> m_preview;
    PrintDialogFunction m_printDialog;
};

} // namespace kelvane
