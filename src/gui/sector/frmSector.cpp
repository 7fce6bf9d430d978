#include "gui/sector/frmSector.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

#include "gui/sector/SectorCaptions.h"
#include "gui/sector/SectorMapView.h"
#include "render/QtText.h"

namespace kelvane {

frmSector::frmSector(QWidget* parent)
    : QWidget(parent), m_map(new SectorMapView(this)), m_info(new QLabel(this)),
      m_notesTitle(new QLabel(this)), m_notes(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmSector"));
    setWindowTitle(tr("Sector"));
    m_map->setObjectName(QStringLiteral("picSectorMap"));
    m_info->setObjectName(QStringLiteral("lblSectorInfo"));
    m_info->setTextFormat(Qt::PlainText);
    m_info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_info->setContentsMargins(4, 2, 4, 2);

    m_notesTitle->setObjectName(QStringLiteral("lblHexNotes"));
    m_notesTitle->setTextFormat(Qt::PlainText);
    m_notesTitle->setBuddy(m_notes);
    m_notesTitle->setContentsMargins(4, 2, 4, 2);
    m_notes->setObjectName(QStringLiteral("txtHexNotes"));
    m_notes->setAccessibleName(tr("Notes"));
    m_notes->setTabChangesFocus(true);
    m_notes->setEnabled(false);
    m_notes->installEventFilter(this);
    auto* pane = new QWidget(this);
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    paneLayout->addWidget(m_notesTitle);
    paneLayout->addWidget(m_notes, 1);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splSector"));
    splitter->addWidget(m_map);
    splitter->addWidget(pane);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setCollapsible(0, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_info);
    connect(m_map, &SectorMapView::HexClicked, this, &frmSector::HexClicked);
    connect(m_map, &SectorMapView::FocusHexChanged, this, [this](HexNumber hex) {
        if (hex != m_notesHex)
            emit NotesLeft();
        ShowNotes(hex);
    });
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showingNotes && m_notesHex)
            emit NotesEdited(*m_notesHex, m_notes->toPlainText());
    });
    ShowNotes(std::nullopt);
}

QSize frmSector::DesignedSize()
{
    return {760, 560};
}

void frmSector::ShowSector(const Sector* sector, const QString& folder)
{
    m_sector = sector;
    m_folder = folder;
    m_map->SetSector(sector);
    ShowCaption();
    ShowNotes(sector != nullptr ? m_map->FocusHex() : std::nullopt);
}

void frmSector::Redraw()
{
    m_map->Redraw();
    ShowCaption();
    ShowNotes(m_notesHex);
}

void frmSector::ShowNotes(std::optional<HexNumber> hex)
{
    if (m_sector == nullptr || !hex || !m_sector->Grid().Contains(*hex)) {
        m_notesHex.reset();
        m_notesTitle->setText(tr("Notes: choose a hex on the map"));
        m_notes->setEnabled(false);
        m_showingNotes = true;
        m_notes->clear();
        m_showingNotes = false;
        return;
    }
    m_notesHex = hex;
    const SectorSystem* system = m_sector->At(*hex);
    const QString number = QString::fromStdString(hex->Text());
    m_notesTitle->setText(system != nullptr ? tr("Notes on %1 %2").arg(number, ToQt(system->name))
                                            : tr("Notes on %1").arg(number));
    m_notes->setEnabled(true);
    // Text typed here comes back from the sector as it was typed: the pane is
    // left as it is, its cursor and undo with it.
    const QString notes = ToQt(m_sector->NotesOf(*hex));
    if (m_notes->toPlainText() != notes) {
        m_showingNotes = true;
        m_notes->setPlainText(notes);
        m_showingNotes = false;
    }
}

bool frmSector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_notes && event->type() == QEvent::FocusOut)
        emit NotesLeft();
    return QWidget::eventFilter(watched, event);
}

void frmSector::SetFolder(const QString& folder)
{
    m_folder = folder;
    ShowCaption();
}

void frmSector::SetCurrentHex(std::optional<HexNumber> hex)
{
    m_map->SetCurrentHex(hex);
}

void frmSector::ShowCaption()
{
    if (m_sector == nullptr) {
        setWindowTitle(tr("Sector"));
        m_info->clear();
        return;
    }
    setWindowTitle(SectorCaption(*m_sector));
    const QString options = OptionsCaption(m_sector->options);
    m_info->setText(m_folder.isEmpty() ? tr("%1; not saved").arg(options)
                                       : tr("%1; in %2").arg(options, m_folder));
}

void frmSector::closeEvent(QCloseEvent* event)
{
    if (m_sector != nullptr && m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    emit Closing();
    // The sector is the controller's and goes with the window.
    m_sector = nullptr;
    m_map->SetSector(nullptr);
    event->accept();
}

} // namespace kelvane
