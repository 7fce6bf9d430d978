#pragma once

#include <QDialog>
#include <memory>

#include "render/ReportDocument.h"

class QPrinter;
class QPrintPreviewWidget;
class QToolBar;

namespace kelvane {

class SurfaceWidget;

// The print preview window: it holds the report document and shows it in
// the printing control vp, which fills the window below a toolbar with zoom
// in and out, fit the page or its width, and print (the same actions are in
// the control's context menu and on the usual keys). It opens at its design
// size, or smaller where the screen has less room, inside the screen's
// available area.
// VSDraw1 is a second drawing surface that is never shown: the report's
// picture is drawn on it. The same window, hidden, prints the document.
class frmPreview final : public QDialog {
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent = nullptr);
    ~frmPreview() override;

    QPrintPreviewWidget* vp() const { return m_vp; }
    SurfaceWidget* VSDraw1() const { return m_draw; }

    // The document that the preview shows and the printout prints.
    const ReportDocument& Document() const { return m_document; }
    void SetDocument(ReportDocument document);

    // The one routine that puts the document on paper, for the preview and
    // the printout alike: the page's corner at the printer's paper corner,
    // at the printer's resolution. False when the printer cannot be painted
    // on (no printer, a file that cannot be written).
    bool PaintDocument(QPrinter* printer) const;

    // US Letter portrait, the whole paper addressable, the report's name.
    static void PreparePrinter(QPrinter& printer);

    // The window's size each time it opens, where the screen has room.
    static QSize DesignedSize();

signals:
    // The toolbar's Print: print the document through the print dialog.
    void PrintRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Size and place inside the available area of the screen, the window
    // manager's frame included.
    void PlaceOnScreen();

    std::unique_ptr<QPrinter> m_previewPrinter;
    QToolBar* m_toolbar;
    QPrintPreviewWidget* m_vp;
    SurfaceWidget* m_draw;
    ReportDocument m_document;
};

} // namespace kelvane
