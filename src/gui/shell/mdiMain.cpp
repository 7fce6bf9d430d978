#include "gui/shell/mdiMain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/model/Codes.h"
#include "gui/shell/Controller.h"
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

// The combo lists "Arced", "Complete", "Flat": positions 0, 1, 2 stand for
// OrbitDisplay 1, 3, 2.
constexpr std::int16_t DisplayOfPosition[3] = {1, 3, 2};

} // namespace

mdiMain::mdiMain(Controller& controller) : m_controller(controller)
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
    layout->addWidget(m_mdiArea, 1);

    CreateFileMenu();
    CreateOptionsMenu();
    CreateWindowMenu();
    CreateHelpMenu();
    CreatePopupMenus();

    // The designed client area, on first start before any placement exists,
    // is widened here so that the child windows sit side by side.
    resize(PxSize(15000, 9900));
}

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
    connect(toolbit[0], &QToolButton::clicked, this, [this] { m_controller.NewSystemCommand(); });
    connect(toolbit[1], &QToolButton::clicked, this, [this] { m_controller.OpenSystemCommand(); });
    connect(toolbit[2], &QToolButton::clicked, this, [this] { m_controller.SaveSystemAsCommand(); });
    connect(toolbit[3], &QToolButton::clicked, this, [this] { m_controller.PrintReport(false); });
    connect(toolbit[4], &QToolButton::clicked, this, [this] { m_controller.PrintReport(true); });

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
            &QAction::triggered, this, [this] { m_controller.NewSystemCommand(); });
    connect(AddItem(file, "mnuFileNewOrbits", QStringLiteral("New Orbits &Only"),
                    QKeySequence(QStringLiteral("Ctrl+O"))),
            &QAction::triggered, this, [this] { m_controller.NewOrbitsOnlyCommand(); });
    AddSeparator(file, "mnuFileSpace3");
    connect(AddItem(file, "mnuFileLoad", QStringLiteral("&Load..."), QKeySequence(QStringLiteral("Ctrl+L"))),
            &QAction::triggered, this, [this] { m_controller.OpenSystemCommand(); });
    connect(
        AddItem(file, "mnuFileSave", QStringLiteral("&Save As..."), QKeySequence(QStringLiteral("Ctrl+S"))),
        &QAction::triggered, this, [this] { m_controller.SaveSystemAsCommand(); });
    AddSeparator(file, "mnuFileSpace");
    connect(
        AddItem(file, "mnuFilePrint", QStringLiteral("&Print..."), QKeySequence(QStringLiteral("Ctrl+P"))),
        &QAction::triggered, this, [this] { m_controller.PrintReport(false); });
    connect(AddItem(file, "mnuFilePrintPreview", QStringLiteral("Print Pre&view...")), &QAction::triggered,
            this, [this] { m_controller.PrintReport(true); });
    m_swap = Checkable(AddItem(file, "mnuFileSwap", QStringLiteral("Print &Grey for Black")));
    connect(m_swap, &QAction::triggered, this, [this] {
        m_controller.ToggleSwapBW();
        UpdateFileChecks();
    });
    AddSeparator(file, "mnuFileSpace2");
    connect(AddItem(file, "mnuFileExit", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X"))),
            &QAction::triggered, this, [this] {
                m_controller.ShutdownApp();
                close();
            });
    connect(file, &QMenu::aboutToShow, this, &mdiMain::UpdateFileChecks);
}

void mdiMain::CreateOptionsMenu()
{
    QMenu* options = AddMenu(this, menuBar(), nullptr, "mnuOptionsMenu", QStringLiteral("&Options"));

    QMenu* life = AddMenu(this, nullptr, options, "mnuOptionsLife", QStringLiteral("&Life Support"));
    const char* lifeNames[4] = {"mnuOptionsLifePoor", "mnuOptionsLifeAverage", "mnuOptionsLifeGood",
                                "mnuOptionsLifeExcellent"};
    const char* lifeCaptions[4] = {"&Poor", "&Average", "&Good", "&Excellent"};
    for (int i = 0; i < 4; ++i) {
        m_lifeSupport[i] = Checkable(AddItem(life, lifeNames[i], QLatin1String(lifeCaptions[i])));
        connect(m_lifeSupport[i], &QAction::triggered, this,
                [this, i] { m_controller.SetLifeSupport(static_cast<std::int16_t>(i + 1)); });
    }

    QMenu* biozone = AddMenu(this, nullptr, options, "mnuOptionsBiozone", QStringLiteral("&Bio Zone"));
    const char* zoneNames[3] = {"mnuOptionsBiozoneNormal", "mnuOptionsBiozoneDouble",
                                "mnuOptionsBiozoneTriple"};
    const char* zoneCaptions[3] = {"&Normal", "&Double", "&Triple"};
    for (int i = 0; i < 3; ++i) {
        m_biozone[i] = Checkable(AddItem(biozone, zoneNames[i], QLatin1String(zoneCaptions[i])));
        connect(m_biozone[i], &QAction::triggered, this,
                [this, i] { m_controller.SetBiozone(static_cast<std::int16_t>(i + 1)); });
    }

    QMenu* orbit = AddMenu(this, nullptr, options, "mnuOptionsOrbit", QStringLiteral("&Orbit Display"));
    m_orbitArced = Checkable(AddItem(orbit, "mnuOptionsOrbitArced", QStringLiteral("&Arced"),
                                     QKeySequence(QStringLiteral("Ctrl+A"))));
    m_orbitComplete = Checkable(AddItem(orbit, "mnuOptionsOrbitComplete", QStringLiteral("&Complete"),
                                        QKeySequence(QStringLiteral("Ctrl+C"))));
    m_orbitFlat = Checkable(AddItem(orbit, "mnuOptionsOrbitFlat", QStringLiteral("&Flat"),
                                    QKeySequence(QStringLiteral("Ctrl+F"))));
    connect(m_orbitArced, &QAction::triggered, this, [this] { m_controller.SetOrbitDisplay(1); });
    connect(m_orbitComplete, &QAction::triggered, this, [this] { m_controller.SetOrbitDisplay(3); });
    connect(m_orbitFlat, &QAction::triggered, this, [this] { m_controller.SetOrbitDisplay(2); });

    AddSeparator(options, "mnuOptionsSpace");
    QMenu* force = AddMenu(this, nullptr, options, "mnuOptionsForce", QStringLiteral("&Force Orbit"));
    for (int n = 1; n <= 10; ++n) {
        const QString caption = n < 10 ? QStringLiteral("&%1").arg(n) : QStringLiteral("1&0");
        QAction* item = AddItem(force, "", caption);
        item->setObjectName(QStringLiteral("mnuOptionsForce%1").arg(n));
        connect(item, &QAction::triggered, this, [this, n] { m_controller.ForceOrbit(n); });
    }
    AddSeparator(options, "mnuOptionsSpace2");

    m_visible = Checkable(AddItem(options, "mnuOptionsVisible", QStringLiteral("&Visible Orbit Lines"),
                                  QKeySequence(QStringLiteral("Ctrl+V"))));
    m_white = Checkable(AddItem(options, "mnuOptionsWhite", QStringLiteral("&White Orbit Lines")));
    m_thicker = Checkable(AddItem(options, "mnuOptionsThicker", QStringLiteral("&Thicker Orbit Lines")));
    m_color = Checkable(AddItem(options, "mnuOptionsColor", QStringLiteral("&Colored Text")));
    // Each toggle's checkmark shows the option's new value.
    const Controller& c = m_controller;
    connect(m_visible, &QAction::triggered, this, [this, &c] {
        m_controller.ToggleVisibleOrbits();
        m_visible->setChecked(IsOn(c.Settings().VisibleOrbits));
    });
    connect(m_white, &QAction::triggered, this, [this, &c] {
        m_controller.ToggleWhiteOrbits();
        m_white->setChecked(IsOn(c.Settings().WhiteOrbits));
    });
    connect(m_thicker, &QAction::triggered, this, [this, &c] {
        m_controller.ToggleThickerOrbits();
        m_thicker->setChecked(c.Settings().OrbitPenWidth > 1);
    });
    connect(m_color, &QAction::triggered, this, [this, &c] {
        m_controller.ToggleColoredText();
        m_color->setChecked(IsOn(c.Settings().ColorText));
    });
    connect(options, &QMenu::aboutToShow, this, &mdiMain::UpdateOptionsChecks);
}

void mdiMain::CreateWindowMenu()
{
    m_windowMenu = AddMenu(this, menuBar(), nullptr, "mnuWindow", QStringLiteral("&Window"));
    m_showQuickTips = AddItem(m_windowMenu, "mnuHelpQuick", QStringLiteral("Show Quick Tips Window"));
    connect(m_showQuickTips, &QAction::triggered, this, [this] { m_controller.ShowQuickTips(); });
    connect(m_windowMenu, &QMenu::aboutToShow, this, &mdiMain::UpdateWindowMenu);
}

void mdiMain::CreateHelpMenu()
{
    QMenu* help = AddMenu(this, menuBar(), nullptr, "mnuHelpMenu", QStringLiteral("&Help"));
    connect(AddItem(help, "mnuHelpAbout", QStringLiteral("&About Kelvane...")), &QAction::triggered, this,
            [this] { m_controller.ShowAbout(); });
}

void mdiMain::CreatePopupMenus()
{
    // Never part of the menu bar: the Information window shows them as
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
                [this, c = item.contents] { m_controller.PopupSetContents(c); });

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
                [this, t = item.type] { m_controller.PopupSetEnvironment(t); });
}

void mdiMain::Load()
{
    WindowPlacement& placement = m_controller.Settings().Main;
    ApplyOrCapturePlacement(*this, placement);
    if (placement.State == 1)
        setWindowState(Qt::WindowMinimized);
    else if (placement.State == 2)
        setWindowState(Qt::WindowMaximized);

    const AppSettings& s = m_controller.Settings();
    m_swap->setChecked(IsOn(s.SwapBW));
    m_visible->setChecked(IsOn(s.VisibleOrbits));
    m_white->setChecked(IsOn(s.WhiteOrbits));
    m_thicker->setChecked(s.OrbitPenWidth > 1);
    m_color->setChecked(IsOn(s.ColorText));
}

void mdiMain::UpdateFileChecks()
{
    m_swap->setChecked(IsOn(m_controller.Settings().SwapBW));
}

void mdiMain::UpdateOptionsChecks()
{
    const AppSettings& s = m_controller.Settings();
    for (QAction* item : m_biozone)
        item->setChecked(false);
    m_biozone[s.Biozone == 2 ? 1 : s.Biozone == 3 ? 2 : 0]->setChecked(true);
    for (QAction* item : m_lifeSupport)
        item->setChecked(false);
    m_lifeSupport[s.LifeSupport >= 2 && s.LifeSupport <= 4 ? s.LifeSupport - 1 : 0]->setChecked(true);
    m_orbitArced->setChecked(false);
    m_orbitComplete->setChecked(false);
    m_orbitFlat->setChecked(false);
    (s.OrbitDisplay == 2   ? m_orbitFlat
     : s.OrbitDisplay == 3 ? m_orbitComplete
                           : m_orbitArced)
        ->setChecked(true);
    m_visible->setChecked(IsOn(s.VisibleOrbits));
    m_color->setChecked(IsOn(s.ColorText));
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

void mdiMain::SelectOrbitDisplay(std::int16_t orbitDisplay)
{
    for (int position = 0; position < 3; ++position)
        if (DisplayOfPosition[position] == orbitDisplay)
            m_cmbOrbitDisplay->setCurrentIndex(position);
}

void mdiMain::OnOrbitDisplaySelected(int index)
{
    // A refresh moves the selection itself while the hourglass shows.
    if (m_controller.Mouse().BusyFlag())
        return;
    if (index >= 0 && index < 3)
        m_controller.SetOrbitDisplay(DisplayOfPosition[index]);
}

void mdiMain::closeEvent(QCloseEvent* event)
{
    m_controller.ShutdownApp();
    event->accept();
}

} // namespace kelvane
