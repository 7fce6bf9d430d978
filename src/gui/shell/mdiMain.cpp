#include "gui/shell/mdiMain.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/model/Codes.h"
#include "gui/shell/Placement.h"
#include "gui/shell/ToolbarIcons.h"
#include "gui/shell/Twips.h"

namespace kelvane {

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction* AddSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

QMenu* AddMenu(QWidget* parent, QMenuBar* bar, QMenu* into, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    if (bar != nullptr)
        bar->addMenu(menu);
    else if (into != nullptr)
        into->addMenu(menu);
    return menu;
}

QAction* Checkable(QAction* action)
{
    action->setCheckable(true);
    return action;
}

bool IsOn(std::int16_t value)
{
    return value != 0;
}

// The combo lists "Arced", "Complete", "Flat": positions 0, 1, 2.
constexpr OrbitDisplayStyle DisplayOfPosition[3] = {OrbitDisplayStyle::Arced, OrbitDisplayStyle::Complete,
                                                    OrbitDisplayStyle::Flat};

} // namespace

mdiMain::mdiMain(const AppState& app) : m_app(app)
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QStringLiteral("Kelvane"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    CreateToolbar();
    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    // A child window partly outside the client area can be scrolled to.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_mdiArea, 1);

    CreateFileMenu();
    CreateEditMenu();
    CreateOptionsMenu();
    CreateSectorMenu();
    CreateWindowMenu();
    CreateHelpMenu();
    CreatePopupMenus();
    CreateStatusBar();

    for (const QAction* action : findChildren<QAction*>())
        m_menuShortcuts << action->shortcuts();
    // A text box claims Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+A, Ctrl+Z and Ctrl+Y for
    // itself; the filter lets the menu items have them wherever the focus is.
    qApp->installEventFilter(this);

    // The designed client area, on first start before any placement exists,
    // is widened here so that the child windows sit side by side.
    resize(PxSize(15000, 9900));
}

mdiMain::~mdiMain() = default;

void mdiMain::CreateToolbar()
{
    auto* strip = new QWidget(centralWidget());
    strip->setObjectName(QStringLiteral("picToolbar"));
    const struct {
        ToolbarPicture picture;
        const char* tip;
        int left;
    } buttons[] = {
        {ToolbarPicture::New, "New", 60},
        {ToolbarPicture::Open, "Open...", 420},
        {ToolbarPicture::Save, "Save", 780},
        {ToolbarPicture::Print, "Print", 1260},
        {ToolbarPicture::PrintPreview, "Print Preview", 1620},
    };
    QToolButton* toolbit[5];
    for (int i = 0; i < 5; ++i) {
        auto* button = new QToolButton(strip);
        button->setObjectName(QStringLiteral("cmdToolbit_%1").arg(i));
        button->setIcon(ToolbarIcon(buttons[i].picture));
        button->setToolTip(QLatin1String(buttons[i].tip));
        button->setAutoRaise(true);
        button->setGeometry(PxRect(buttons[i].left, 0, 375, 315));
        button->setIconSize(QSize(Px(375) - 6, Px(315) - 6));
        toolbit[i] = button;
    }
    connect(toolbit[0], &QToolButton::clicked, this, &mdiMain::NewSystemRequested);
    connect(toolbit[1], &QToolButton::clicked, this, &mdiMain::LoadRequested);
    connect(toolbit[2], &QToolButton::clicked, this, &mdiMain::SaveAsRequested);
    connect(toolbit[3], &QToolButton::clicked, this, [this] { emit PrintRequested(false); });
    connect(toolbit[4], &QToolButton::clicked, this, [this] { emit PrintRequested(true); });

    m_cmbOrbitDisplay = new QComboBox(strip);
    m_cmbOrbitDisplay->setObjectName(QStringLiteral("cmbOrbitDisplay"));
    m_cmbOrbitDisplay->addItems(
        {QStringLiteral("Arced"), QStringLiteral("Complete"), QStringLiteral("Flat")});
    const int comboHeight = m_cmbOrbitDisplay->sizeHint().height();
    m_cmbOrbitDisplay->setGeometry(Px(2340), 0, Px(1215), comboHeight);
    strip->setFixedHeight(qMax(Px(315), comboHeight));
    connect(m_cmbOrbitDisplay, &QComboBox::currentIndexChanged, this, &mdiMain::OnOrbitDisplaySelected);

    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(strip);
}

void mdiMain::CreateFileMenu()
{
    QMenu* file = AddMenu(this, menuBar(), nullptr, "mnuFileMenu", QStringLiteral("&File"));
    connect(AddItem(file, "mnuFileNew", QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N"))),
            &QAction::triggered, this, &mdiMain::NewSystemRequested);
    connect(AddItem(file, "mnuFileNewOrbits", QStringLiteral("New Orbits &Only"),
                    QKeySequence(QStringLiteral("Ctrl+O"))),
            &QAction::triggered, this, &mdiMain::NewOrbitsRequested);
    AddSeparator(file, "mnuFileSpace3");
    connect(AddItem(file, "mnuFileLoad", QStringLiteral("&Load..."), QKeySequence(QStringLiteral("Ctrl+L"))),
            &QAction::triggered, this, &mdiMain::LoadRequested);
    connect(
        AddItem(file, "mnuFileSave", QStringLiteral("&Save As..."), QKeySequence(QStringLiteral("Ctrl+S"))),
        &QAction::triggered, this, &mdiMain::SaveAsRequested);
    AddSeparator(file, "mnuFileSpace");
    connect(
        AddItem(file, "mnuFilePrint", QStringLiteral("&Print..."), QKeySequence(QStringLiteral("Ctrl+P"))),
        &QAction::triggered, this, [this] { emit PrintRequested(false); });
    connect(AddItem(file, "mnuFilePrintPreview", QStringLiteral("Print Pre&view...")), &QAction::triggered,
            this, [this] { emit PrintRequested(true); });
    m_swap = Checkable(AddItem(file, "mnuFileSwap", QStringLiteral("Print &Grey for Black")));
    connect(m_swap, &QAction::triggered, this, [this] {
        emit SwapBWToggled();
        m_swap->setChecked(IsOn(m_app.settings.SwapBW));
    });
    AddSeparator(file, "mnuFileSpace2");
    connect(AddItem(file, "mnuFileExit", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X"))),
            &QAction::triggered, this, &mdiMain::ExitRequested);
    connect(file, &QMenu::aboutToShow, this, [this] { UpdateCheckmarks(CheckmarkMoment::FileMenuOpens); });
}

void mdiMain::CreateEditMenu()
{
    QMenu* edit = AddMenu(this, menuBar(), nullptr, "mnuEditMenu", QStringLiteral("&Edit"));
    m_undo = AddItem(edit, "mnuEditUndo", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    m_redo = AddItem(edit, "mnuEditRedo", QStringLiteral("&Redo"));
    m_redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(m_undo, &QAction::triggered, this, &mdiMain::UndoRequested);
    connect(m_redo, &QAction::triggered, this, &mdiMain::RedoRequested);
    AddSeparator(edit, "mnuEditSpace");
    connect(AddItem(edit, "mnuEditCopyPicture", QStringLiteral("Copy &Picture")), &QAction::triggered, this,
            &mdiMain::CopyPictureRequested);
    m_copyText = AddItem(edit, "mnuEditCopyText", QStringLiteral("Copy as &Text"));
    connect(m_copyText, &QAction::triggered, this, &mdiMain::CopyTextRequested);
    m_copyCode = AddItem(edit, "mnuEditCopyCode", QStringLiteral("Copy System &Code"));
    connect(m_copyCode, &QAction::triggered, this, &mdiMain::CopyCodeRequested);
    AddSeparator(edit, "mnuEditSpace2");
    connect(AddItem(edit, "mnuEditNewFromCode", QStringLiteral("New from Code...")), &QAction::triggered,
            this, &mdiMain::NewFromCodeRequested);
    connect(AddItem(edit, "mnuEditExport", QStringLiteral("&Export...")), &QAction::triggered, this,
            &mdiMain::ExportRequested);
    ShowHistory({}, {});
    EnableCopyText(false);
}

void mdiMain::CreateStatusBar()
{
    m_systemCode = new QLabel(statusBar());
    m_systemCode->setObjectName(QStringLiteral("lblSystemCode"));
    m_systemCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(m_systemCode);
    ShowSystemCode({});
}

void mdiMain::ShowHistory(const QString& undoStep, const QString& redoStep)
{
    // A step's name is shown as it is: an ampersand in a file's name is no
    // accelerator.
    const auto show = [](QAction* item, const QString& caption, QString step) {
        item->setEnabled(!step.isEmpty());
        item->setText(step.isEmpty() ? caption : caption + QLatin1Char(' ') + step.replace('&', "&&"));
    };
    show(m_undo, QStringLiteral("&Undo"), undoStep);
    show(m_redo, QStringLiteral("&Redo"), redoStep);
}

void mdiMain::ShowSystemCode(const QString& code)
{
    m_systemCode->setText(code.isEmpty() ? QString() : QStringLiteral("System Code: ") + code);
    m_copyCode->setEnabled(!code.isEmpty());
}

void mdiMain::EnableCopyText(bool enabled)
{
    m_copyText->setEnabled(enabled);
}

void mdiMain::CreateOptionsMenu()
{
    QMenu* options = AddMenu(this, menuBar(), nullptr, "mnuOptionsMenu", QStringLiteral("&Options"));

    // Each submenu of choices is a group of radio items: one checkmark.
    const auto radio = [](QMenu* menu, QActionGroup* group, const char* name, const char* caption,
                          const QKeySequence& shortcut = {}) {
        QAction* action = Checkable(AddItem(menu, name, QLatin1String(caption), shortcut));
        group->addAction(action);
        return action;
    };

    QMenu* life = AddMenu(this, nullptr, options, "mnuOptionsLife", QStringLiteral("&Life Support"));
    auto* lifeGroup = new QActionGroup(life);
    const struct {
        const char* name;
        const char* caption;
        LifeSupportLevel value;
    } levels[4] = {{"mnuOptionsLifePoor", "&Poor", LifeSupportLevel::Poor},
                   {"mnuOptionsLifeAverage", "&Average", LifeSupportLevel::Average},
                   {"mnuOptionsLifeGood", "&Good", LifeSupportLevel::Good},
                   {"mnuOptionsLifeExcellent", "&Excellent", LifeSupportLevel::Excellent}};
    for (int i = 0; i < 4; ++i) {
        m_lifeSupport[i] = radio(life, lifeGroup, levels[i].name, levels[i].caption);
        connect(m_lifeSupport[i], &QAction::triggered, this,
                [this, value = levels[i].value] { emit LifeSupportChosen(value); });
    }

    QMenu* biozone = AddMenu(this, nullptr, options, "mnuOptionsBiozone", QStringLiteral("&Bio Zone"));
    auto* zoneGroup = new QActionGroup(biozone);
    const struct {
        const char* name;
        const char* caption;
        BiozoneWidth value;
    } widths[3] = {{"mnuOptionsBiozoneNormal", "&Normal", BiozoneWidth::Normal},
                   {"mnuOptionsBiozoneDouble", "&Double", BiozoneWidth::Double},
                   {"mnuOptionsBiozoneTriple", "&Triple", BiozoneWidth::Triple}};
    for (int i = 0; i < 3; ++i) {
        m_biozone[i] = radio(biozone, zoneGroup, widths[i].name, widths[i].caption);
        connect(m_biozone[i], &QAction::triggered, this,
                [this, value = widths[i].value] { emit BiozoneChosen(value); });
    }

    QMenu* orbit = AddMenu(this, nullptr, options, "mnuOptionsOrbit", QStringLiteral("&Orbit Display"));
    auto* orbitGroup = new QActionGroup(orbit);
    m_orbitArced =
        radio(orbit, orbitGroup, "mnuOptionsOrbitArced", "&Arced", QKeySequence(QStringLiteral("Ctrl+A")));
    m_orbitComplete = radio(orbit, orbitGroup, "mnuOptionsOrbitComplete", "&Complete",
                            QKeySequence(QStringLiteral("Ctrl+C")));
    m_orbitFlat =
        radio(orbit, orbitGroup, "mnuOptionsOrbitFlat", "&Flat", QKeySequence(QStringLiteral("Ctrl+F")));
    connect(m_orbitArced, &QAction::triggered, this,
            [this] { emit OrbitDisplayChosen(OrbitDisplayStyle::Arced); });
    connect(m_orbitComplete, &QAction::triggered, this,
            [this] { emit OrbitDisplayChosen(OrbitDisplayStyle::Complete); });
    connect(m_orbitFlat, &QAction::triggered, this,
            [this] { emit OrbitDisplayChosen(OrbitDisplayStyle::Flat); });

    AddSeparator(options, "mnuOptionsSpace");
    QMenu* force = AddMenu(this, nullptr, options, "mnuOptionsForce", QStringLiteral("&Force Orbit"));
    for (int n = 1; n <= 10; ++n) {
        const QString caption = n < 10 ? QStringLiteral("&%1").arg(n) : QStringLiteral("1&0");
        QAction* item = AddItem(force, "", caption);
        item->setObjectName(QStringLiteral("mnuOptionsForce%1").arg(n));
        connect(item, &QAction::triggered, this, [this, n] { emit ForceOrbitRequested(n); });
    }
    AddSeparator(options, "mnuOptionsSpace2");

    m_visible = Checkable(AddItem(options, "mnuOptionsVisible", QStringLiteral("&Visible Orbit Lines"),
                                  QKeySequence(QStringLiteral("Ctrl+V"))));
    m_white = Checkable(AddItem(options, "mnuOptionsWhite", QStringLiteral("&White Orbit Lines")));
    m_thicker = Checkable(AddItem(options, "mnuOptionsThicker", QStringLiteral("&Thicker Orbit Lines")));
    m_color = Checkable(AddItem(options, "mnuOptionsColor", QStringLiteral("&Colored Text")));
    // Each toggle's checkmark shows the option's new value.
    connect(m_visible, &QAction::triggered, this, [this] {
        emit VisibleOrbitsToggled();
        m_visible->setChecked(IsOn(m_app.settings.VisibleOrbits));
    });
    connect(m_white, &QAction::triggered, this, [this] {
        emit WhiteOrbitsToggled();
        m_white->setChecked(IsOn(m_app.settings.WhiteOrbits));
    });
    connect(m_thicker, &QAction::triggered, this, [this] {
        emit ThickerOrbitsToggled();
        m_thicker->setChecked(m_app.settings.OrbitPenWidth > 1);
    });
    connect(m_color, &QAction::triggered, this, [this] {
        emit ColoredTextToggled();
        m_color->setChecked(IsOn(m_app.settings.ColorText));
    });
    connect(options, &QMenu::aboutToShow, this,
            [this] { UpdateCheckmarks(CheckmarkMoment::OptionsMenuOpens); });
}

void mdiMain::CreateSectorMenu()
{
    QMenu* sector = AddMenu(this, menuBar(), nullptr, "mnuSectorMenu", QStringLiteral("&Sector"));
    connect(AddItem(sector, "mnuSectorNew", QStringLiteral("&New Sector...")), &QAction::triggered, this,
            &mdiMain::NewSectorRequested);
    connect(AddItem(sector, "mnuSectorOpen", QStringLiteral("&Open Sector...")), &QAction::triggered, this,
            &mdiMain::OpenSectorRequested);
    m_saveSector = AddItem(sector, "mnuSectorSaveAs", QStringLiteral("Save Sector &As..."));
    connect(m_saveSector, &QAction::triggered, this, &mdiMain::SaveSectorAsRequested);
}

void mdiMain::EnableSaveSector(bool enabled)
{
    m_saveSector->setEnabled(enabled);
}

void mdiMain::CreateWindowMenu()
{
    m_windowMenu = AddMenu(this, menuBar(), nullptr, "mnuWindow", QStringLiteral("&Window"));
    m_showQuickTips = AddItem(m_windowMenu, "mnuHelpQuick", QStringLiteral("Show Quick Tips Window"));
    connect(m_showQuickTips, &QAction::triggered, this, &mdiMain::QuickTipsRequested);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &mdiMain::UpdateWindowMenu);
}

void mdiMain::CreateHelpMenu()
{
    QMenu* help = AddMenu(this, menuBar(), nullptr, "mnuHelpMenu", QStringLiteral("&Help"));
    connect(AddItem(help, "mnuHelpAbout", QStringLiteral("&About Kelvane...")), &QAction::triggered, this,
            &mdiMain::AboutRequested);
}

void mdiMain::CreatePopupMenus()
{
    // Never part of the menu bar: the Information window asks for them as
    // popups for the orbit in PopupOrbit.
    m_popContains = AddMenu(this, nullptr, nullptr, "popContains", QStringLiteral("PopupContains"));
    const struct {
        const char* name;
        const char* caption;
        OrbitContents contents;
    } contents[] = {{"popContainsPlanet", "&Planet", ContentsPlanet},
                    {"popContainsAsteroids", "&Asteroids", ContentsAsteroids},
                    {"popContainsNothing", "&Nothing", ContentsNothing}};
    for (const auto& item : contents)
        connect(AddItem(m_popContains, item.name, QLatin1String(item.caption)), &QAction::triggered, this,
                [this, c = item.contents] { emit ContentsChosen(c); });

    m_popEnv = AddMenu(this, nullptr, nullptr, "popEnv", QStringLiteral("PopupEnv"));
    const struct {
        const char* name;
        const char* caption;
        std::int32_t type;
    } environments[] = {
        {"popEnvNone", "&None", TypeEnvNone}, {"popEnvHostile", "&Hostile", TypeEnvHostile},
        {"popEnvPoor", "&Poor", TypeEnvPoor}, {"popEnvAverage", "&Average", TypeEnvAverage},
        {"popEnvGood", "&Good", TypeEnvGood}, {"popEnvExcellent", "&Excellent", TypeEnvExcellent}};
    for (const auto& item : environments)
        connect(AddItem(m_popEnv, item.name, QLatin1String(item.caption)), &QAction::triggered, this,
                [this, t = item.type] { emit EnvironmentChosen(t); });
}

void mdiMain::Load(WindowPlacement& placement)
{
    ApplyOrCapturePlacement(*this, placement);
    if (placement.State == 1)
        setWindowState(Qt::WindowMinimized);
    else if (placement.State == 2)
        setWindowState(Qt::WindowMaximized);
    UpdateCheckmarks(CheckmarkMoment::Load);
}

void mdiMain::UpdateCheckmarks(CheckmarkMoment moment)
{
    const AppSettings& s = m_app.settings;
    const bool load = moment == CheckmarkMoment::Load;
    const bool fileMenu = moment == CheckmarkMoment::FileMenuOpens;
    const bool optionsMenu = moment == CheckmarkMoment::OptionsMenuOpens;

    if (load || fileMenu)
        m_swap->setChecked(IsOn(s.SwapBW));
    if (optionsMenu) {
        // In each group checking one item clears the others; a value that
        // no item stands for checks the first.
        const auto zone = s.Biozone == BiozoneWidth::Double ? 1 : s.Biozone == BiozoneWidth::Triple ? 2 : 0;
        m_biozone[zone]->setChecked(true);
        const auto life = s.LifeSupport == LifeSupportLevel::Average     ? 1
                          : s.LifeSupport == LifeSupportLevel::Good      ? 2
                          : s.LifeSupport == LifeSupportLevel::Excellent ? 3
                                                                         : 0;
        m_lifeSupport[life]->setChecked(true);
        (s.OrbitDisplay == OrbitDisplayStyle::Flat       ? m_orbitFlat
         : s.OrbitDisplay == OrbitDisplayStyle::Complete ? m_orbitComplete
                                                         : m_orbitArced)
            ->setChecked(true);
    }
    if (load || optionsMenu) {
        m_visible->setChecked(IsOn(s.VisibleOrbits));
        m_color->setChecked(IsOn(s.ColorText));
    }
    // Opening the Options menu leaves White and Thicker alone on purpose:
    // their checkmarks are set at load and by their own commands only.
    if (load) {
        m_white->setChecked(IsOn(s.WhiteOrbits));
        m_thicker->setChecked(s.OrbitPenWidth > 1);
    }
}

void mdiMain::UpdateWindowMenu()
{
    // Below its own item the menu lists the open child windows.
    for (QAction* action : m_windowMenu->actions()) {
        if (action == m_showQuickTips)
            continue;
        m_windowMenu->removeAction(action);
        action->deleteLater();
    }
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    bool first = true;
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        if (!window->isVisible())
            continue;
        if (first)
            m_windowMenu->addSeparator();
        first = false;
        QAction* item =
            m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(window->windowTitle()));
        item->setCheckable(true);
        item->setChecked(window == m_mdiArea->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void mdiMain::SelectOrbitDisplay(OrbitDisplayStyle orbitDisplay)
{
    for (int position = 0; position < 3; ++position)
        if (DisplayOfPosition[position] == orbitDisplay)
            m_cmbOrbitDisplay->setCurrentIndex(position);
}

void mdiMain::OnOrbitDisplaySelected(int index)
{
    if (index >= 0 && index < 3)
        emit OrbitDisplayComboChosen(DisplayOfPosition[index]);
}

void mdiMain::closeEvent(QCloseEvent* event)
{
    emit Closing();
    event->accept();
}

bool mdiMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        // Left unaccepted, the key goes to the shortcuts, where the menu
        // item's own is found, instead of to the control.
        if (widget != nullptr && widget->window() == this &&
            m_menuShortcuts.contains(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kelvane
