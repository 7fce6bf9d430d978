#include "gui/views/frmInfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <limits>
#include <vector>

#include "core/model/NumberText.h"
#include "core/model/modGenerate.h"
#include "gui/display/Twips.h"
#include "gui/views/LabelGrid.h"
#include "gui/views/ViewLabels.h"
#include "platform/UserDecimalSeparator.h"
#include "render/CoreText.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

// The table: a heading row, then ten rows 240 twips apart and 255 high, so
// that the borders of neighbouring rows meet.
constexpr int HeadingTop = 1260;
constexpr int FirstRowTop = 1500;
constexpr int RowPitch = 240;
constexpr int RowHeight = 255;

struct ColumnLayout {
    const char* heading;
    const char* caption;
    const char* cells;
    int left;
    int width;
};

constexpr ColumnLayout OrbitColumn{"Label3", QT_TRANSLATE_NOOP("kelvane::frmInfo", "Orbit"),
                                   "OrbitNumberLabel", 0, 435};
constexpr ColumnLayout ContainsColumn{"Label4", QT_TRANSLATE_NOOP("kelvane::frmInfo", "Contains"),
                                      "ContainsLabel", 540, 855};
constexpr ColumnLayout EnvironmentColumn{"Label5", QT_TRANSLATE_NOOP("kelvane::frmInfo", "Environment"),
                                         "EnvironmentLabel", 1500, 975};
constexpr ColumnLayout MoonsColumn{"Label9", QT_TRANSLATE_NOOP("kelvane::frmInfo", "Moons"), "MoonsLabel",
                                   2580, 555};
constexpr ColumnLayout AUColumn{"Label6", QT_TRANSLATE_NOOP("kelvane::frmInfo", "AUs"), "AULabel", 3240, 615};

QString CellName(const char* array, int row)
{
    return QLatin1String(array) + QLatin1Char('_') + QString::number(row);
}

} // namespace

frmInfo::frmInfo(const AppState& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(tr("Information"));
    setFixedSize(PxSize(3870, 3975));
    CreateUpperBlock();
    CreateTable();
}

void frmInfo::CreateUpperBlock()
{
    const auto caption = [this](const char* name, const char* text, int top) {
        return AddViewLabel(this, QLatin1String(name), tr(text), PxRect(120, top, 1455, 255),
                            LabelKind::Caption, Qt::AlignLeft);
    };
    const auto value = [this](const char* name, int top) {
        return AddViewLabel(this, QLatin1String(name), QString(), PxRect(1680, top, 2175, 255),
                            LabelKind::Cell, Qt::AlignLeft);
    };

    QLabel* nameCaption = caption("Label8", QT_TR_NOOP("System Name"), 120);
    m_txtInput = new QLineEdit(this);
    m_txtInput->setObjectName(QStringLiteral("txtInput"));
    // The caption names the box for a screen reader.
    nameCaption->setBuddy(m_txtInput);
    m_txtInput->setAccessibleName(nameCaption->text());
    m_txtInput->setGeometry(PxRect(1680, 60, 2175, 285));
    m_txtInput->setMaxLength(std::numeric_limits<int>::max()); // names are never cut
    connect(m_txtInput, &QLineEdit::textChanged, this, &frmInfo::NameEdited);
    connect(m_txtInput, &QLineEdit::editingFinished, this, &frmInfo::NameEditingFinished);

    caption("Label2", QT_TR_NOOP("Star Type"), 480);
    m_starTypeLabel = value("StarTypeLabel", 480);
    caption("Label1", QT_TR_NOOP("Star Class"), 720);
    m_starClassLabel = value("StarClassLabel", 720);
    caption("Label7", QT_TR_NOOP("Habitable Zone"), 960);
    m_biozoneLabel = value("BiozoneLabel", 960);
}

void frmInfo::CreateTable()
{
    // The table's labels stand in a grid that begins at the heading row, so
    // that they are read as one table.
    auto* grid = new LabelGrid(this);
    grid->setObjectName(QStringLiteral("OrbitTable"));
    grid->setAccessibleName(tr("Orbits"));
    grid->setGeometry(PxRect(0, HeadingTop, 3870, FirstRowTop + RowPitch * 9 + RowHeight - HeadingTop));
    std::vector<QLabel*> headings;
    std::vector<std::vector<QLabel*>> rows(StarSystem::OrbitCount);
    const auto column = [&](const ColumnLayout& layout, Column* cells) {
        headings.push_back(AddViewLabel(grid, QLatin1String(layout.heading), tr(layout.caption),
                                        PxRect(layout.left, 0, layout.width, RowHeight), LabelKind::Heading,
                                        Qt::AlignHCenter));
        for (int r = 0; r < StarSystem::OrbitCount; ++r) {
            // The orbit numbers are fixed; every other cell is written by
            // RefreshForm.
            const QString text = cells == nullptr ? QString::number(r + 1) : QString();
            QLabel* cell = AddViewLabel(
                grid, CellName(layout.cells, r), text,
                PxRect(layout.left, FirstRowTop - HeadingTop + RowPitch * r, layout.width, RowHeight),
                LabelKind::Cell, Qt::AlignHCenter);
            rows[static_cast<std::size_t>(r)].push_back(cell);
            if (cells != nullptr)
                (*cells)[static_cast<std::size_t>(r)] = cell;
        }
    };
    column(OrbitColumn, nullptr);
    column(ContainsColumn, &m_containsLabel);
    column(EnvironmentColumn, &m_environmentLabel);
    column(MoonsColumn, &m_moonsLabel);
    column(AUColumn, &m_auLabel);
    grid->SetHeadings(std::move(headings));
    for (std::vector<QLabel*>& row : rows)
        grid->AddRow(std::move(row));
    for (QLabel* cell : m_containsLabel)
        cell->installEventFilter(this);
    for (QLabel* cell : m_environmentLabel)
        cell->installEventFilter(this);
}

void frmInfo::RefreshForm()
{
    const AppState& app = m_app;
    const StarSystem& system = app.system;

    // Assigning the name the box already shows would be no change at all.
    const QString name = ToQt(system.SystemName);
    if (m_txtInput->text() != name)
        m_txtInput->setText(name);

    m_starClassLabel->clear();
    m_starTypeLabel->clear();
    m_starTypeLabel->setText(CoreText(StarTypeName(system.StarType, system.StarClass)));
    m_starClassLabel->setText(CoreText(StarClassName(system.StarClass)));

    m_biozoneLabel->setText(tr("%1 to %2 AUs")
                                .arg(QString::fromStdString(ShortNumberText(system.BiozoneMin)),
                                     QString::fromStdString(ShortNumberText(system.BiozoneMax))));

    // SwapBW counts as on for any non-zero value; ColorText only for -1.
    const bool printBackground = app.settings.SwapBW != 0 && app.DisplayBackColor == ColourWhite;
    const bool colorText = app.settings.ColorText == -1;
    const char separator = UserDecimalSeparator();

    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const auto r = static_cast<std::size_t>(n - 1);
        const OrbitRecord& orbit = system.Orbit(n);

        Colour environmentBack = ColourWhite;
        m_containsLabel[r]->setText(CoreText(ContentsName(orbit.Type)));
        m_environmentLabel[r]->setText(CoreText(EnvironmentName(orbit.Type)));
        if (IsEnvironment(orbit.Type)) {
            environmentBack = orbit.Type;
            m_moonsLabel[r]->setText(QString::number(orbit.Moons));
        } else {
            m_moonsLabel[r]->clear();
        }

        m_auLabel[r]->setText(QString::fromStdString(OneDecimalText(orbit.AU, separator)));
        Colour auBack = WithinBiozone(system, orbit.AU) ? ColourBlue : ColourWhite;

        if (printBackground)
            environmentBack = auBack = app.DisplayBackColor;
        if (!colorText)
            environmentBack = auBack = ColourWhite;
        SetCellBackground(m_environmentLabel[r], environmentBack);
        SetCellBackground(m_auLabel[r], auBack);
    }
}

bool frmInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        for (int r = 0; r < StarSystem::OrbitCount; ++r) {
            const auto i = static_cast<std::size_t>(r);
            const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            if (watched == m_containsLabel[i]) {
                emit ContainsPopupAsked(r + 1, at);
                return true;
            }
            if (watched == m_environmentLabel[i]) {
                emit EnvironmentPopupAsked(r + 1, at);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kelvane
