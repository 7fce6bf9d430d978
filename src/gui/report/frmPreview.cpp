#include "gui/report/frmPreview.h"

#include <QAction>
#include <QKeySequence>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QVBoxLayout>

#include "gui/display/SurfaceWidget.h"
#include "gui/shell/Twips.h"
#include "render/SystemReport.h"

namespace kelvane {

namespace {

QAction* AddViewAction(QWidget* owner, const QString& caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, owner);
    action->setShortcut(shortcut);
    owner->addAction(action);
    return action;
}

} // namespace

frmPreview::frmPreview(QWidget* parent)
    : QDialog(parent), m_previewPrinter(std::make_unique<QPrinter>(QPrinter::ScreenResolution))
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QString::fromLatin1(ReportHeaderText));
    setModal(true);
    resize(DesignedSize());

    // A screen-resolution printer: the preview's thin lines stay one pixel
    // thin at every zoom.
    PreparePrinter(*m_previewPrinter);
    m_vp = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_vp->setObjectName(QStringLiteral("vp"));
    m_vp->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_vp, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { PaintDocument(printer); });

    m_vp->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(AddViewAction(m_vp, QStringLiteral("Zoom &In"), QKeySequence::ZoomIn), &QAction::triggered, m_vp,
            [this] { m_vp->zoomIn(); });
    connect(AddViewAction(m_vp, QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut), &QAction::triggered,
            m_vp, [this] { m_vp->zoomOut(); });
    connect(AddViewAction(m_vp, QStringLiteral("Fit &Page"), QKeySequence(QStringLiteral("Ctrl+0"))),
            &QAction::triggered, m_vp, &QPrintPreviewWidget::fitInView);
    connect(AddViewAction(m_vp, QStringLiteral("Fit &Width"), QKeySequence(QStringLiteral("Ctrl+9"))),
            &QAction::triggered, m_vp, &QPrintPreviewWidget::fitToWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_vp);

    // Only its drawing is used; it is never shown.
    m_draw = new SurfaceWidget(this);
    m_draw->setObjectName(QStringLiteral("VSDraw1"));
    m_draw->hide();
}

frmPreview::~frmPreview()
{
    // The control uses the preview printer until it is gone.
    delete m_vp;
}

void frmPreview::SetDocument(ReportDocument document)
{
    m_document = std::move(document);
    // A hidden control paints its pages when it is first shown.
    if (m_vp->isVisible())
        m_vp->updatePreview();
}

bool frmPreview::PaintDocument(QPrinter* printer) const
{
    QPainter painter;
    if (printer == nullptr || !painter.begin(printer))
        return false;
    m_document.PaintOnDevice(painter);
    return painter.end();
}

void frmPreview::PreparePrinter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QString::fromLatin1(ReportHeaderText));
}

QSize frmPreview::DesignedSize()
{
    return PxSize(9600, 11400);
}

} // namespace kelvane
