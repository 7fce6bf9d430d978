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
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/model/Codes.h"
#include "gui/display/Twips.h"
#include "gui/shell/Placement.h"
#include "gui/shell/ToolbarIcons.h"

namespace kelvane {

namespace {

// The combo lists "Arced", "Complete", "Flat": positions 0, 1, 2.
constexpr OrbitDisplayStyle DisplayOfPosition[3] = {OrbitDisplayStyle::Arced, OrbitDisplayStyle::Complete,
                                                    OrbitDisplayStyle::Flat};

// The table holds a menu item's English text, which is also its entry in the
// translations.
QString Translated(const QString& text)
{
    return QCoreApplication::translate("MainActions", text.toUtf8().constData());
}

} // namespace

mdiMain::mdiMain(const AppState& app, const QUndoStack& history, const ActionTable& actions) : m_app(app)
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(tr("Kelvane"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    CreateMenus(history, actions);
    CreateToolbar();
    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    // A child window partly outside the client area can be scrolled to.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_mdiArea, 1);
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
    // Each button does what its menu item does.
    const struct {
        ToolbarPicture picture;
        const char* tip;
        int left;
        const char* item;
    } buttons[] = {
        {ToolbarPicture::New, QT_TR_NOOP("New"), 60, "mnuFileNew"},
        {ToolbarPicture::Open, QT_TR_NOOP("Open..."), 420, "mnuFileLoad"},
        {ToolbarPicture::Save, QT_TR_NOOP("Save"), 780, "mnuFileSave"},
        {ToolbarPicture::Print, QT_TR_NOOP("Print"), 1260, "mnuFilePrint"},
        {ToolbarPicture::PrintPreview, QT_TR_NOOP("Print Preview"), 1620, "mnuFilePrintPreview"},
    };
    for (int i = 0; i < 5; ++i) {
        auto* button = new QToolButton(strip);
        button->setObjectName(QStringLiteral("cmdToolbit_%1").arg(i));
        button->setIcon(ToolbarIcon(buttons[i].picture));
        button->setToolTip(tr(buttons[i].tip));
        // A screen reader says the command, not the picture.
        button->setAccessibleName(tr(buttons[i].tip));
        button->setAutoRaise(true);
        button->setGeometry(PxRect(buttons[i].left, 0, 375, 315));
        button->setIconSize(QSize(Px(375) - 6, Px(315) - 6));
        connect(button, &QToolButton::clicked, Action(QLatin1String(buttons[i].item)), &QAction::trigger);
    }
    m_cmbOrbitDisplay = new QComboBox(strip);
    m_cmbOrbitDisplay->setObjectName(QStringLiteral("cmbOrbitDisplay"));
    m_cmbOrbitDisplay->setAccessibleName(tr("Orbit display style"));
    m_cmbOrbitDisplay->addItems({tr("Arced"), tr("Complete"), tr("Flat")});
    const int comboHeight = m_cmbOrbitDisplay->sizeHint().height();
    m_cmbOrbitDisplay->setGeometry(Px(2340), 0, Px(1215), comboHeight);
    strip->setFixedHeight(qMax(Px(315), comboHeight));
    connect(m_cmbOrbitDisplay, &QComboBox::currentIndexChanged, this, &mdiMain::OnOrbitDisplaySelected);
    // Tab stays inside a child window and Ctrl+Tab goes from one to the next;
    // F6 goes between the toolbar's combo and the active child, as it goes
    // between the panes of a window elsewhere.
    auto* panes = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(panes, &QShortcut::activated, this, [this] {
        const QMdiSubWindow* child = m_mdiArea->activeSubWindow();
        if (!m_cmbOrbitDisplay->hasFocus() || child == nullptr || child->widget() == nullptr) {
            m_cmbOrbitDisplay->setFocus(Qt::ShortcutFocusReason);
            return;
        }
        QWidget* inside = child->widget();
        (inside->focusWidget() != nullptr ? inside->focusWidget() : inside)
            ->setFocus(Qt::ShortcutFocusReason);
    });

    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(strip);
}

void mdiMain::CreateStatusBar()
{
    m_systemCode = new QLabel(statusBar());
    m_systemCode->setObjectName(QStringLiteral("lblSystemCode"));
    m_systemCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(m_systemCode);
    ShowSystemCode({});
}

void mdiMain::ShowSystemCode(const QString& code)
{
    m_systemCode->setText(code.isEmpty() ? QString() : tr("System Code: %1").arg(code));
    Action(QStringLiteral("mnuEditCopyCode"))->setEnabled(!code.isEmpty());
}

void mdiMain::CreateMenus(const QUndoStack& history, const ActionTable& actions)
{
    QHash<QString, QMenu*> menus;
    QHash<QMenu*, QActionGroup*> choices;
    for (const ActionRow& row : actions) {
        QMenu* into = menus.value(row.menu);
        QAction* action = nullptr;
        switch (row.kind) {
        case ActionRow::Kind::Menu:
        case ActionRow::Kind::Popup: {
            auto* menu = new QMenu(Translated(row.text), this);
            menu->setObjectName(row.id);
            menu->menuAction()->setObjectName(row.id);
            if (into != nullptr)
                into->addMenu(menu);
            else if (row.kind == ActionRow::Kind::Menu)
                menuBar()->addMenu(menu);
            menus.insert(row.id, menu);
            continue;
        }
        case ActionRow::Kind::Separator: action = into->addSeparator(); break;
        case ActionRow::Kind::Undo:
        case ActionRow::Kind::Redo:
            // Named as the steps are: "&Undo Force Orbit 3", or "&Undo" alone
            // and disabled when there is nothing.
            action = row.kind == ActionRow::Kind::Undo ? history.createUndoAction(this, Translated(row.text))
                                                       : history.createRedoAction(this, Translated(row.text));
            into->addAction(action);
            break;
        default:
            action = into->addAction(Translated(row.text));
            action->setCheckable(row.kind != ActionRow::Kind::Item);
            if (row.kind == ActionRow::Kind::Choice) {
                // The radio items of one menu: one checkmark among them.
                QActionGroup*& group = choices[into];
                if (group == nullptr)
                    group = new QActionGroup(into);
                group->addAction(action);
            }
            break;
        }
        action->setObjectName(row.id);
        action->setShortcuts(row.keys);
        if (row.handler)
            connect(action, &QAction::triggered, this, row.handler);
        // A toggle's checkmark shows the option's new value.
        if (row.kind == ActionRow::Kind::Toggle)
            connect(action, &QAction::triggered, this, [this, action] { action->setChecked(IsOn(action)); });
    }
    m_windowMenu = menus.value(QStringLiteral("mnuWindow"));
    m_showQuickTips = Action(QStringLiteral("mnuHelpQuick"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &mdiMain::UpdateWindowMenu);
    connect(menus.value(QStringLiteral("mnuFileMenu")), &QMenu::aboutToShow, this,
            [this] { UpdateCheckmarks(CheckmarkMoment::FileMenuOpens); });
    connect(menus.value(QStringLiteral("mnuOptionsMenu")), &QMenu::aboutToShow, this,
            [this] { UpdateCheckmarks(CheckmarkMoment::OptionsMenuOpens); });
    m_popContains = menus.value(QStringLiteral("popContains"));
    m_popEnv = menus.value(QStringLiteral("popEnv"));
}

QAction* mdiMain::Action(const QString& id) const
{
    return findChild<QAction*>(id);
}

bool mdiMain::IsOn(const QAction* toggle) const
{
    const AppSettings& s = m_app.settings;
    const QString& id = toggle->objectName();
    if (id == QLatin1String("mnuOptionsThicker"))
        return s.OrbitPenWidth > 1;
    const std::int16_t value = id == QLatin1String("mnuFileSwap")         ? s.SwapBW
                               : id == QLatin1String("mnuOptionsVisible") ? s.VisibleOrbits
                               : id == QLatin1String("mnuOptionsWhite")   ? s.WhiteOrbits
                                                                          : s.ColorText;
    return value != 0;
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
    const auto check = [this](const char* id) {
        QAction* item = Action(QLatin1String(id));
        item->setChecked(item->actionGroup() != nullptr || IsOn(item));
    };

    if (load || fileMenu)
        check("mnuFileSwap");
    if (optionsMenu) {
        // In each group checking one item clears the others; a value that
        // no item stands for checks the first.
        check(s.Biozone == BiozoneWidth::Double   ? "mnuOptionsBiozoneDouble"
              : s.Biozone == BiozoneWidth::Triple ? "mnuOptionsBiozoneTriple"
                                                  : "mnuOptionsBiozoneNormal");
        check(s.LifeSupport == LifeSupportLevel::Average     ? "mnuOptionsLifeAverage"
              : s.LifeSupport == LifeSupportLevel::Good      ? "mnuOptionsLifeGood"
              : s.LifeSupport == LifeSupportLevel::Excellent ? "mnuOptionsLifeExcellent"
                                                             : "mnuOptionsLifePoor");
        check(s.OrbitDisplay == OrbitDisplayStyle::Flat       ? "mnuOptionsOrbitFlat"
              : s.OrbitDisplay == OrbitDisplayStyle::Complete ? "mnuOptionsOrbitComplete"
                                                              : "mnuOptionsOrbitArced");
    }
    if (load || optionsMenu) {
        check("mnuOptionsVisible");
        check("mnuOptionsColor");
    }
    // Opening the Options menu leaves White and Thicker alone on purpose:
    // their checkmarks are set at load and by their own commands only.
    if (load) {
        check("mnuOptionsWhite");
        check("mnuOptionsThicker");
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
