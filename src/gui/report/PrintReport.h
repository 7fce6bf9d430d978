#pragma once

#include <cstdint>
#include <functional>

class QPrinter;
class QWidget;

namespace kelvane {

class Controller;
class frmPreview;

// The one-page system report: printed (preview 0) or shown in the modal
// preview window (any other value). Every report starts from a fresh preview
// window and draws the picture anew; afterwards DisplayBackColor is black
// with grey-for-black printing on and white with it off.
void PrintReport(Controller& controller, std::int16_t preview);

// The preview window of the last report, hidden once closed; null before
// the first report.
frmPreview* CurrentPreview();

// The print dialog: asked, over parent, to confirm printing on printer, where
// the user may choose another printer or a PDF file. True to print, false
// when the user cancelled.
using PrintDialogFunction = std::function<bool(QPrinter& printer, QWidget* parent)>;

// Qt's print dialog.
bool ShowQtPrintDialog(QPrinter& printer, QWidget* parent);

// Puts dialog in the place of the print dialog that printing asks (an empty
// function puts Qt's back) and returns the one it replaces. Tests answer the
// dialog this way.
PrintDialogFunction SetPrintDialog(PrintDialogFunction dialog);

} // namespace kelvane
