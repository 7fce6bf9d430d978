// The main window's commands, one row each, in the order of the menus. Their
// texts are the English ones; the main window translates them as it builds
// the menus, in the context "MainActions".

#include <QMenu>

#include "gui/files/EditCommands.h"
#include "gui/files/ExportCommand.h"
#include "gui/sector/SectorCommands.h"
#include "gui/shell/ChildWindows.h"
#include "gui/shell/Controller.h"
#include "gui/shell/QtDialogs.h"
#include "gui/shell/frmSplash.h"
#include "gui/shell/mdiMain.h"
#include "gui/views/frmInfo.h"

namespace kelvane {

namespace {

// A toggled option becomes false when it was true (any non-zero value) and
// true (-1) when it was false.
void Toggle(std::int16_t& option)
{
    option = option != 0 ? 0 : -1;
}

QList<QKeySequence> Keys(const char* keys)
{
    return {QKeySequence(QLatin1String(keys))};
}

} // namespace

ActionTable Controller::MainActions()
{
    using Kind = ActionRow::Kind;
    // The options change outside the history; the handlers outlive this
    // function and reach everything through this.
    const auto settings = [this]() -> AppSettings& { return m_document.Settings(); };
    const auto refreshAfter = [this](std::function<void()> change) {
        return [this, change = std::move(change)] { ChangeAndRefresh(change); };
    };
    const auto menu = [](const char* in, const char* id, const char* text) {
        return ActionRow{Kind::Menu, QLatin1String(in), QLatin1String(id), QLatin1String(text), {}, {}};
    };
    const auto item = [](const char* in, const char* id, const char* text, std::function<void()> handler,
                         QList<QKeySequence> keys = {}, Kind kind = Kind::Item) {
        return ActionRow{kind,
                         QLatin1String(in),
                         QLatin1String(id),
                         QLatin1String(text),
                         std::move(keys),
                         std::move(handler)};
    };
    const auto separator = [](const char* in, const char* id) {
        return ActionRow{Kind::Separator, QLatin1String(in), QLatin1String(id), {}, {}, {}};
    };

    const auto newFromCode = [this] {
        const std::optional<SystemCode> code = Questions().AskSystemCode();
        if (!code)
            return;
        // A code far into a seeded run takes a moment to make again.
        ChangeAndRefresh([&] {
            const BusyCursor busy(m_mouse);
            m_document.NewFromCode(*code);
        });
    };
    // Closing the main window records the settings and keeps an open
    // sector (ShutdownApp, on its Closing), once.
    const auto exitProgram = [this] { m_main->close(); };

    ActionTable table = {
        menu("", "mnuFileMenu", QT_TRANSLATE_NOOP("MainActions", "&File")),
        item("mnuFileMenu", "mnuFileNew", QT_TRANSLATE_NOOP("MainActions", "&New"),
             refreshAfter([this] { m_document.NewSystem(); }), Keys("Ctrl+N")),
        item("mnuFileMenu", "mnuFileNewOrbits", QT_TRANSLATE_NOOP("MainActions", "New Orbits &Only"),
             refreshAfter([this] { m_document.NewOrbits(); }), Keys("Ctrl+O")),
        separator("mnuFileMenu", "mnuFileSpace3"),
        item(
            "mnuFileMenu", "mnuFileLoad", QT_TRANSLATE_NOOP("MainActions", "&Load..."),
            [this] {
                if (const std::optional<std::string> path = ChooseSystemFile(Questions(), m_document))
                    LoadFile(*path);
            },
            Keys("Ctrl+L")),
        item(
            "mnuFileMenu", "mnuFileSave", QT_TRANSLATE_NOOP("MainActions", "&Save As..."),
            [this] { SaveSystemAsCommand(m_document, Questions()); }, Keys("Ctrl+S")),
        separator("mnuFileMenu", "mnuFileSpace"),
        item(
            "mnuFileMenu", "mnuFilePrint", QT_TRANSLATE_NOOP("MainActions", "&Print..."),
            [this] { m_printer->PrintReport(0); }, Keys("Ctrl+P")),
        item("mnuFileMenu", "mnuFilePrintPreview", QT_TRANSLATE_NOOP("MainActions", "Print Pre&view..."),
             [this] { m_printer->PrintReport(-1); }),
        item(
            "mnuFileMenu", "mnuFileSwap", QT_TRANSLATE_NOOP("MainActions", "Print &Grey for Black"),
            [settings] { Toggle(settings().SwapBW); }, {}, Kind::Toggle),
        separator("mnuFileMenu", "mnuFileSpace2"),
        item("mnuFileMenu", "mnuFileExit", QT_TRANSLATE_NOOP("MainActions", "E&xit"), exitProgram,
             Keys("Ctrl+X")),

        menu("", "mnuEditMenu", QT_TRANSLATE_NOOP("MainActions", "&Edit")),
        {Kind::Undo,
         QStringLiteral("mnuEditMenu"),
         QStringLiteral("mnuEditUndo"),
         QLatin1String(QT_TRANSLATE_NOOP("MainActions", "&Undo")),
         Keys("Ctrl+Z"),
         {}},
        {Kind::Redo,
         QStringLiteral("mnuEditMenu"),
         QStringLiteral("mnuEditRedo"),
         QLatin1String(QT_TRANSLATE_NOOP("MainActions", "&Redo")),
         {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))},
         {}},
        separator("mnuEditMenu", "mnuEditSpace"),
        item("mnuEditMenu", "mnuEditCopyPicture", QT_TRANSLATE_NOOP("MainActions", "Copy &Picture"),
             [this] { CopyPictureCommand(m_windows->DisplayedDrawing()); }),
        item("mnuEditMenu", "mnuEditCopyText", QT_TRANSLATE_NOOP("MainActions", "Copy as &Text"),
             [this] { CopyTextCommand(m_document); }),
        item("mnuEditMenu", "mnuEditCopyCode", QT_TRANSLATE_NOOP("MainActions", "Copy System &Code"),
             [this] { CopySystemCodeCommand(m_document); }),
        separator("mnuEditMenu", "mnuEditSpace2"),
        item("mnuEditMenu", "mnuEditNewFromCode", QT_TRANSLATE_NOOP("MainActions", "New from Code..."),
             newFromCode),
        item("mnuEditMenu", "mnuEditImport", QT_TRANSLATE_NOOP("MainActions", "&Import System..."),
             refreshAfter([this] { ImportSystemCommand(m_document, Questions()); })),
        item("mnuEditMenu", "mnuEditExport", QT_TRANSLATE_NOOP("MainActions", "&Export..."),
             [this] { ExportCommand(m_document, Questions(), Questions(), m_lastExport); }),

        menu("", "mnuOptionsMenu", QT_TRANSLATE_NOOP("MainActions", "&Options")),
        menu("mnuOptionsMenu", "mnuOptionsLife", QT_TRANSLATE_NOOP("MainActions", "&Life Support")),
    };
    const struct {
        const char* id;
        const char* text;
        LifeSupportLevel value;
    } levels[] = {
        {"mnuOptionsLifePoor", QT_TRANSLATE_NOOP("MainActions", "&Poor"), LifeSupportLevel::Poor},
        {"mnuOptionsLifeAverage", QT_TRANSLATE_NOOP("MainActions", "&Average"), LifeSupportLevel::Average},
        {"mnuOptionsLifeGood", QT_TRANSLATE_NOOP("MainActions", "&Good"), LifeSupportLevel::Good},
        {"mnuOptionsLifeExcellent", QT_TRANSLATE_NOOP("MainActions", "&Excellent"),
         LifeSupportLevel::Excellent}};
    for (const auto& level : levels)
        table.push_back(item(
            "mnuOptionsLife", level.id, level.text,
            [settings, value = level.value] { settings().LifeSupport = value; }, {}, Kind::Choice));
    table.push_back(
        menu("mnuOptionsMenu", "mnuOptionsBiozone", QT_TRANSLATE_NOOP("MainActions", "&Bio Zone")));
    const struct {
        const char* id;
        const char* text;
        BiozoneWidth value;
    } widths[] = {
        {"mnuOptionsBiozoneNormal", QT_TRANSLATE_NOOP("MainActions", "&Normal"), BiozoneWidth::Normal},
        {"mnuOptionsBiozoneDouble", QT_TRANSLATE_NOOP("MainActions", "&Double"), BiozoneWidth::Double},
        {"mnuOptionsBiozoneTriple", QT_TRANSLATE_NOOP("MainActions", "&Triple"), BiozoneWidth::Triple}};
    for (const auto& width : widths)
        table.push_back(item(
            "mnuOptionsBiozone", width.id, width.text,
            [settings, value = width.value] { settings().Biozone = value; }, {}, Kind::Choice));
    table.push_back(
        menu("mnuOptionsMenu", "mnuOptionsOrbit", QT_TRANSLATE_NOOP("MainActions", "&Orbit Display")));
    const struct {
        const char* id;
        const char* text;
        const char* keys;
        OrbitDisplayStyle value;
    } styles[] = {{"mnuOptionsOrbitArced", QT_TRANSLATE_NOOP("MainActions", "&Arced"), "Ctrl+A",
                   OrbitDisplayStyle::Arced},
                  {"mnuOptionsOrbitComplete", QT_TRANSLATE_NOOP("MainActions", "&Complete"), "Ctrl+C",
                   OrbitDisplayStyle::Complete},
                  {"mnuOptionsOrbitFlat", QT_TRANSLATE_NOOP("MainActions", "&Flat"), "Ctrl+F",
                   OrbitDisplayStyle::Flat}};
    for (const auto& style : styles)
        table.push_back(
            item("mnuOptionsOrbit", style.id, style.text,
                 refreshAfter([settings, value = style.value] { settings().OrbitDisplay = value; }),
                 Keys(style.keys), Kind::Choice));
    table.push_back(separator("mnuOptionsMenu", "mnuOptionsSpace"));
    table.push_back(
        menu("mnuOptionsMenu", "mnuOptionsForce", QT_TRANSLATE_NOOP("MainActions", "&Force Orbit")));
    for (int n = 1; n <= StarSystem::OrbitCount; ++n)
        table.push_back({Kind::Item,
                         QStringLiteral("mnuOptionsForce"),
                         QStringLiteral("mnuOptionsForce%1").arg(n),
                         n < 10 ? QStringLiteral("&%1").arg(n) : QStringLiteral("1&0"),
                         {},
                         [this, n] { m_windows->ForceOrbit(n); }});
    const auto setContents = [this](OrbitContents contents) {
        return [this, contents] {
            ChangeAndRefresh([&] { m_document.SetContents(m_document.State().PopupOrbit, contents); });
        };
    };
    const auto setEnvironment = [this](std::int32_t environment) {
        return [this, environment] {
            ChangeAndRefresh([&] { m_document.SetEnvironment(m_document.State().PopupOrbit, environment); });
        };
    };
    table.insert(
        table.end(),
        {
            separator("mnuOptionsMenu", "mnuOptionsSpace2"),
            item("mnuOptionsMenu", "mnuOptionsVisible",
                 QT_TRANSLATE_NOOP("MainActions", "&Visible Orbit Lines"),
                 refreshAfter([settings] { Toggle(settings().VisibleOrbits); }), Keys("Ctrl+V"),
                 Kind::Toggle),
            item("mnuOptionsMenu", "mnuOptionsWhite", QT_TRANSLATE_NOOP("MainActions", "&White Orbit Lines"),
                 refreshAfter([settings] { Toggle(settings().WhiteOrbits); }), {}, Kind::Toggle),
            item("mnuOptionsMenu", "mnuOptionsThicker",
                 QT_TRANSLATE_NOOP("MainActions", "&Thicker Orbit Lines"), refreshAfter([settings] {
                     std::int16_t& width = settings().OrbitPenWidth;
                     width = width < 2 ? 2 : 1;
                 }),
                 {}, Kind::Toggle),
            item(
                "mnuOptionsMenu", "mnuOptionsColor", QT_TRANSLATE_NOOP("MainActions", "&Colored Text"),
                [this, settings] {
                    Toggle(settings().ColorText);
                    m_windows->Info()->RefreshForm();
                },
                {}, Kind::Toggle),

            menu("", "mnuSectorMenu", QT_TRANSLATE_NOOP("MainActions", "&Sector")),
            item("mnuSectorMenu", "mnuSectorNew", QT_TRANSLATE_NOOP("MainActions", "&New Sector..."),
                 [this] {
                     if (MayCloseSector())
                         NewSectorCommand(m_document, Questions(), m_mouse, m_lastSectorRequest);
                 }),
            item("mnuSectorMenu", "mnuSectorOpen", QT_TRANSLATE_NOOP("MainActions", "&Open Sector..."),
                 [this] {
                     if (MayCloseSector())
                         OpenSectorCommand(m_document, Questions(), m_mouse);
                 }),
            item("mnuSectorMenu", "mnuSectorSaveAs", QT_TRANSLATE_NOOP("MainActions", "Save Sector &As..."),
                 [this] { SaveSectorAsCommand(m_document, Questions(), Questions(), m_mouse); }),
            item("mnuSectorMenu", "mnuSectorRename", QT_TRANSLATE_NOOP("MainActions", "&Rename Sector..."),
                 [this] { RenameSectorCommand(m_document, Questions()); }),
            item("mnuSectorMenu", "mnuSectorVault",
                 QT_TRANSLATE_NOOP("MainActions", "Export Notes &Vault..."),
                 [this] { ExportVaultCommand(m_document, Questions(), m_mouse); }),

            menu("", "mnuWindow", QT_TRANSLATE_NOOP("MainActions", "&Window")),
            item("mnuWindow", "mnuHelpQuick", QT_TRANSLATE_NOOP("MainActions", "Show Quick Tips Window"),
                 [this] { m_windows->ShowQuickTips(); }),

            menu("", "mnuHelpMenu", QT_TRANSLATE_NOOP("MainActions", "&Help")),
            item("mnuHelpMenu", "mnuHelpAbout", QT_TRANSLATE_NOOP("MainActions", "&About Kelvane..."),
                 [this] {
                     frmSplash about(m_main.get());
                     about.exec();
                 }),

            // Never on the menu bar: the Information window asks for them as
            // popups for the orbit in PopupOrbit.
            {Kind::Popup, {}, QStringLiteral("popContains"), QStringLiteral("PopupContains"), {}, {}},
            item("popContains", "popContainsPlanet", QT_TRANSLATE_NOOP("MainActions", "&Planet"),
                 setContents(ContentsPlanet)),
            item("popContains", "popContainsAsteroids", QT_TRANSLATE_NOOP("MainActions", "&Asteroids"),
                 setContents(ContentsAsteroids)),
            item("popContains", "popContainsNothing", QT_TRANSLATE_NOOP("MainActions", "&Nothing"),
                 setContents(ContentsNothing)),
            {Kind::Popup, {}, QStringLiteral("popEnv"), QStringLiteral("PopupEnv"), {}, {}},
            item("popEnv", "popEnvNone", QT_TRANSLATE_NOOP("MainActions", "&None"),
                 setEnvironment(TypeEnvNone)),
            item("popEnv", "popEnvHostile", QT_TRANSLATE_NOOP("MainActions", "&Hostile"),
                 setEnvironment(TypeEnvHostile)),
            item("popEnv", "popEnvPoor", QT_TRANSLATE_NOOP("MainActions", "&Poor"),
                 setEnvironment(TypeEnvPoor)),
            item("popEnv", "popEnvAverage", QT_TRANSLATE_NOOP("MainActions", "&Average"),
                 setEnvironment(TypeEnvAverage)),
            item("popEnv", "popEnvGood", QT_TRANSLATE_NOOP("MainActions", "&Good"),
                 setEnvironment(TypeEnvGood)),
            item("popEnv", "popEnvExcellent", QT_TRANSLATE_NOOP("MainActions", "&Excellent"),
                 setEnvironment(TypeEnvExcellent)),
        });
    return table;
}

} // namespace kelvane
