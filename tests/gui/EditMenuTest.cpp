#include <QHashSeed>
#include <QProcess>
#include <QRegularExpression>

#include "GuiTestSupport.h"
#include "core/drawing/SurfaceSvg.h"
#include "core/files/SystemFile.h"
#include "core/model/SystemCode.h"
#include "gui/files/ExportFormats.h"
#include "gui/files/FileCommands.h"
#include "gui/shell/frmNewFromCode.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/views/frmForceOrbit.h"
#include "gui/views/frmInfo.h"
#include "render/SurfacePainter.h"

namespace kelvane {
namespace {

// Answers Load, Export and New from Code from a script and notes what the
// Export dialog was offered.
class EditDialogs final : public FileDialogs {
public:
    std::optional<QString> ChooseOpen(const QString& /*filter*/, const QString& /*proposed*/) override
    {
        return open;
    }
    std::optional<QString> ChooseSave(const QString& /*filter*/, const QString& /*proposed*/) override
    {
        return save;
    }
    QMessageBox::StandardButton AskOverwrite(const QString& text) override
    {
        questions << text;
        return overwrite;
    }
    void ShowLoadError(const QString& /*text*/) override {}
    std::optional<ExportChoice> ChooseExport(const QStringList& filters, const QString& selected,
                                             const QString& proposed) override
    {
        offered = filters;
        offers << selected + "|" + proposed;
        return exportTo;
    }
    void ShowExportError(const QString& text) override { exportErrors << text; }
    std::optional<SystemCode> AskSystemCode() override { return code; }

    std::optional<QString> open, save;
    std::optional<ExportChoice> exportTo;
    std::optional<SystemCode> code;
    QMessageBox::StandardButton overwrite = QMessageBox::Yes;
    QStringList questions, offered, offers, exportErrors;
};

struct EditMenu : ::testing::Test, test::Program {
    EditMenu() { controller.SetDialogs(std::unique_ptr<FileDialogs>(dialogs)); }

    // Shortcuts only reach a window that is active.
    void Activate()
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
    QAction* Item(const char* name) { return Find(QLatin1String(name)); }
    void Trigger(const char* name) { Item(name)->trigger(); }
    QLineEdit* NameBox() { return Find<QLineEdit>("txtInput", controller.Info()); }
    QLabel* Cell(const char* column, int row)
    {
        return Find<QLabel>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row), controller.Info());
    }
    QString ShownCode() { return Find<QLabel>("lblSystemCode")->text(); }
    QString CodeText()
    {
        const auto& code = controller.CurrentCode();
        return code ? QString::fromStdString(EncodeSystemCode(*code)) : QString();
    }
    // Right-clicks a cell and clicks an item of the popup menu it shows.
    void Choose(const char* column, int row, const char* item)
    {
        QTest::mouseRelease(Cell(column, row), Qt::RightButton);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(Find(item, popup)).center());
    }
    // The state a step keeps, as the views and the status bar show it too.
    struct Seen {
        StarSystem system;
        std::string file;
        Colour back;
        QString code;
        bool operator==(const Seen&) const = default;
    };
    Seen Now()
    {
        const AppState& app = controller.State();
        return {app.system, app.CurrentFileName, app.DisplayBackColor, CodeText()};
    }
    // Whether every view shows the current state: a refresh ran.
    void ExpectViewsShowTheState(const std::string& where)
    {
        const AppState& app = controller.State();
        EXPECT_EQ(NameBox()->text(), QString::fromStdString(app.system.SystemName)) << where;
        for (int r = 0; r < StarSystem::OrbitCount; ++r)
            EXPECT_EQ(Cell("ContainsLabel", r)->text().toStdString(),
                      ContentsName(app.system.Orbit(r + 1).Type))
                << where << " orbit " << r + 1;
        EXPECT_EQ(Display()->Surface().BackColor(), app.DisplayBackColor) << where;
        EXPECT_EQ(ShownCode(), CodeText().isEmpty() ? "" : "System Code: " + CodeText()) << where;
        EXPECT_EQ(controller.OrbitalDisplay()->windowTitle(),
                  "Orbital Display (" + QString::fromStdString(app.system.SystemName) + ")")
            << where;
    }

    EditDialogs* dialogs = new EditDialogs; // owned by the controller
};

// Every kind of change, made through the windows, undone and redone by the
// Edit menu's items and keys: each step puts back the whole state it
// changed, the code with it, and the views show it.
TEST_F(EditMenu, EveryKindOfStepUndoneAndRedone)
{
    Activate();
    EXPECT_FALSE(Item("mnuEditUndo")->isEnabled() || Item("mnuEditRedo")->isEnabled());
    EXPECT_EQ(Item("mnuEditUndo")->text() + "|" + Item("mnuEditRedo")->text(), "&Undo|&Redo");
    const auto undoText = [&] { return Item("mnuEditUndo")->text(); };

    std::vector<Seen> states{Now()};
    // The steps as the items name them.
    std::vector<QString> steps;
    const auto step = [&](const QString& text) {
        steps.push_back(text);
        states.push_back(Now());
        EXPECT_NE(states.back(), states[states.size() - 2]) << text.toStdString();
        EXPECT_EQ(undoText(), "&Undo " + text);
    };

    // A report left the background white; New makes it black again.
    controller.SetDisplayBackColor(ColourWhite);
    states.back() = Now();
    Trigger("mnuFileNew");
    step("New System");
    Find<QToolButton>("cmdToolbit_0")->click();
    step("New System");
    Trigger("mnuFileNewOrbits");
    step("New Orbits");

    Trigger("mnuOptionsForce3");
    frmForceOrbit* dialog = controller.ForceOrbitDialog();
    const bool belt = controller.State().system.Orbit(3).Type == TypeAsteroids;
    Find<QRadioButton>(belt ? "FillOrbitNothing" : "FillOrbitAsteroids", dialog)->click();
    Find<QPushButton>("Okay", dialog)->click();
    step("Force Orbit 3");

    Choose("ContainsLabel", 4, "popContainsPlanet");
    step("Orbit 5: Planet");
    const bool hostile = controller.State().system.Orbit(5).Type == TypeEnvHostile;
    Choose("EnvironmentLabel", 4, hostile ? "popEnvExcellent" : "popEnvHostile");
    step(hostile ? "Orbit 5: Excellent" : "Orbit 5: Hostile");

    StarSystem saved = controller.State().system;
    saved.Orbit(1).Type = TypeEnvGood;
    saved.SystemName = "Vega";
    const QString file = own.filePath("R&D.KVN");
    ASSERT_TRUE(SaveSystemFile(saved, file.toStdString(), '.').Ok());
    dialogs->open = file;
    Trigger("mnuFileLoad");
    // An ampersand in a file's name is shown, not taken as an accelerator.
    step("Load R&&D.KVN");

    QTest::keyClicks(NameBox(), " Prime");
    step("Rename");

    dialogs->code = BatchSystemCode(42, 3, LifeSupportLevel::Good, BiozoneWidth::Double);
    Trigger("mnuEditNewFromCode");
    step("New from Code");

    // Back to the start, the keys and the items in turn; then forward again.
    for (std::size_t i = steps.size(); i-- > 0;) {
        i % 2 ? Trigger("mnuEditUndo") : QTest::keyClick(NameBox(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Now(), states[i]) << "undo " << steps[i].toStdString();
        ExpectViewsShowTheState("after undoing " + steps[i].toStdString());
        EXPECT_EQ(Item("mnuEditRedo")->text(), "&Redo " + steps[i]);
    }
    EXPECT_FALSE(Item("mnuEditUndo")->isEnabled());
    EXPECT_EQ(undoText(), "&Undo");
    EXPECT_EQ(controller.State().DisplayBackColor, ColourWhite);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i % 3 == 0)
            Trigger("mnuEditRedo");
        else if (i % 3 == 1)
            QTest::keyClick(NameBox(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(NameBox(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(Now(), states[i + 1]) << "redo " << steps[i].toStdString();
        ExpectViewsShowTheState("after redoing " + steps[i].toStdString());
    }
    EXPECT_FALSE(Item("mnuEditRedo")->isEnabled());

    // A new change after an undo drops what could have been redone. Options
    // are no part of the history.
    Trigger("mnuEditUndo");
    Trigger("mnuOptionsOrbitComplete");
    Trigger("mnuOptionsLifePoor");
    EXPECT_TRUE(Item("mnuEditRedo")->isEnabled());
    Trigger("mnuFileNewOrbits");
    EXPECT_FALSE(Item("mnuEditRedo")->isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), states[states.size() - 2]);
    EXPECT_EQ(Settings().OrbitDisplay, OrbitDisplayStyle::Complete);
    EXPECT_EQ(Settings().LifeSupport, LifeSupportLevel::Poor);
}

// The Force Orbit dialog left open across an undo acts, when OK is pressed,
// on the system the undo left; that is a step like any other.
TEST_F(EditMenu, ForceOrbitDialogLeftOpenAcrossAnUndo)
{
    Trigger("mnuFileNew");
    const Seen first = Now();
    Trigger("mnuFileNew");
    Trigger("mnuOptionsForce10");
    frmForceOrbit* dialog = controller.ForceOrbitDialog();
    Trigger("mnuEditUndo");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(Now(), first);
    const bool empty = controller.State().system.Orbit(10).Type == TypeNothing;
    Find<QRadioButton>(empty ? "FillOrbitAsteroids" : "FillOrbitNothing", dialog)->click();
    Find<QPushButton>("Okay", dialog)->click();
    StarSystem expected = first.system;
    expected.Orbit(10) = controller.State().system.Orbit(10);
    EXPECT_EQ(controller.State().system, expected);
    EXPECT_EQ(Item("mnuEditUndo")->text(), "&Undo Force Orbit 10");
    EXPECT_FALSE(Item("mnuEditRedo")->isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), first);
}

// A step takes back what it changed and nothing else: the file that a later
// Save As wrote and the background that a later report left stay.
TEST_F(EditMenu, UndoPutsBackOnlyWhatTheStepChanged)
{
    constexpr Colour grey = 0xD2D2D2;
    controller.SetDisplayBackColor(grey);
    const Seen start = Now();
    Trigger("mnuFileNew");
    const Seen generated = Now();
    Choose("ContainsLabel", 1,
           controller.State().system.Orbit(2).Type == TypeNothing ? "popContainsAsteroids"
                                                                  : "popContainsNothing");
    const Seen edited = Now();
    controller.SetDisplayBackColor(ColourWhite);
    dialogs->save = own.filePath("s");
    Trigger("mnuFileSave");
    const std::string saved = own.filePath("s.KVN").toStdString();
    ASSERT_EQ(controller.State().CurrentFileName, saved);

    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), (Seen{generated.system, saved, ColourWhite, generated.code}));
    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), (Seen{start.system, saved, grey, start.code}));
    Trigger("mnuEditRedo");
    Trigger("mnuEditRedo");
    EXPECT_EQ(Now(), (Seen{edited.system, saved, 0, edited.code}));
}

// At least a hundred steps back, by the key; the history keeps its depth
// and forgets the oldest beyond it. Start-up's system is no step.
TEST_F(EditMenu, AHundredStepsBackAndTheDepth)
{
    EXPECT_EQ(controller.History().UndoCount(), 0);
    std::vector<Seen> states{Now()};
    Activate();
    for (int i = 0; i < 120; ++i) {
        QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
        states.push_back(Now());
    }
    ASSERT_EQ(controller.History().UndoCount(), 120);
    for (int i = 119; i >= 0; --i) {
        QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(Now(), states[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_FALSE(Item("mnuEditUndo")->isEnabled());

    for (int i = 0; i < SystemHistory::Depth + 5; ++i)
        controller.ChangeToNewSystem();
    EXPECT_EQ(controller.History().UndoCount(), SystemHistory::Depth);
    EXPECT_EQ(controller.History().RedoCount(), 0);
}

// Typing into the name box is one step per burst. A burst ends when the
// focus leaves the box or Enter is pressed, with any other step, and with
// Undo and Redo; a refresh writing the name into the box is no step, and a
// burst that ends where it began leaves none.
TEST_F(EditMenu, NamesTypedInBursts)
{
    Activate();
    QLineEdit* box = NameBox();
    box->setFocus();
    const auto name = [&] { return controller.State().system.SystemName; };
    const auto undoCount = [&] { return controller.History().UndoCount(); };

    box->selectAll();
    QTest::keyClicks(box, "Vega");
    QTest::keyClicks(box, " Prime");
    EXPECT_EQ(name(), "Vega Prime");
    EXPECT_EQ(undoCount(), 1);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, " II");
    EXPECT_EQ(undoCount(), 2);
    // The focus leaving the box ends a burst too.
    Find<QPushButton>("Command1", controller.QuickTips())->setFocus();
    ASSERT_FALSE(box->hasFocus());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "I");
    EXPECT_EQ(undoCount(), 3);
    // So does another change.
    Trigger("mnuFileNewOrbits");
    QTest::keyClicks(box, "!");
    EXPECT_EQ(undoCount(), 5);
    EXPECT_EQ(name(), "Vega Prime III!");

    // Ctrl+Z in the box is the menu's Undo, not the box's own; the name the
    // refresh writes into the box makes no step, so Redo stays.
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name(), "Vega Prime III");
    EXPECT_EQ(box->text(), "Vega Prime III");
    EXPECT_EQ(undoCount(), 4);
    EXPECT_EQ(Item("mnuEditRedo")->text(), "&Redo Rename");
    Trigger("mnuEditUndo");
    Trigger("mnuEditUndo");
    EXPECT_EQ(name(), "Vega Prime II");
    Trigger("mnuEditUndo");
    EXPECT_EQ(name(), "Vega Prime");
    Trigger("mnuEditUndo");
    EXPECT_EQ(name(), "Unnamed System");
    EXPECT_EQ(box->text(), "Unnamed System");
    EXPECT_EQ(controller.OrbitalDisplay()->windowTitle(), "Orbital Display (Unnamed System)");
    EXPECT_EQ(controller.History().RedoCount(), 5);

    // A name from an older file, in a single-byte code page, is written into
    // the box by the refresh after the load: that is no rename either.
    StarSystem old = controller.State().system;
    old.SystemName = "\xC9toile";
    ASSERT_TRUE(SaveSystemFile(old, own.filePath("old.KVN").toStdString(), '.').Ok());
    dialogs->open = own.filePath("old.KVN");
    Trigger("mnuFileLoad");
    EXPECT_EQ(box->text(), QString::fromLatin1("\xC9toile"));
    EXPECT_EQ(Item("mnuEditUndo")->text(), "&Undo Load old.KVN");
    Trigger("mnuEditUndo");
    EXPECT_EQ(name(), "Unnamed System");

    // Typing after an undo starts a new burst; typed and taken back, it is no step.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "xy");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(name(), "Unnamed System");
    EXPECT_EQ(undoCount(), 0);
    EXPECT_FALSE(Item("mnuEditUndo")->isEnabled());
}

// The code shows while the system is as generated, names the system it
// stands for, survives a rename and goes with an edit or a load; Undo
// brings it back. Copy System Code copies it.
TEST_F(EditMenu, SystemCodeShownWhileTheSystemIsAsGenerated)
{
    const auto expectMadeAgain = [&](const std::string& where) {
        ASSERT_TRUE(controller.CurrentCode()) << where;
        StarSystem again = RegenerateSystem(*controller.CurrentCode());
        StarSystem shown = controller.State().system;
        // What no window shows: positions of orbits without a planet, and the name.
        again.SystemName = shown.SystemName;
        for (int n = 1; n <= StarSystem::OrbitCount; ++n)
            if (!IsEnvironment(shown.Orbit(n).Type)) {
                OrbitRecord& orbit = again.Orbit(n);
                orbit.PosX = shown.Orbit(n).PosX, orbit.PosY = shown.Orbit(n).PosY;
                orbit.PosXArc = shown.Orbit(n).PosXArc, orbit.PosYArc = shown.Orbit(n).PosYArc;
            }
        EXPECT_EQ(again, shown) << where;
        EXPECT_EQ(ShownCode(), "System Code: " + CodeText()) << where;
        EXPECT_TRUE(Item("mnuEditCopyCode")->isEnabled()) << where;
    };
    expectMadeAgain("start-up");
    Settings().LifeSupport = LifeSupportLevel::Excellent;
    Settings().Biozone = BiozoneWidth::Triple;
    Trigger("mnuFileNew");
    expectMadeAgain("New");
    EXPECT_EQ(controller.CurrentCode()->lifeSupport, LifeSupportLevel::Excellent);
    Trigger("mnuFileNewOrbits");
    expectMadeAgain("New Orbits Only");
    const QString code = CodeText();

    QTest::keyClicks(NameBox(), "!");
    EXPECT_EQ(CodeText(), code);
    Trigger("mnuEditCopyCode");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code);

    Choose("ContainsLabel", 0,
           controller.State().system.Orbit(1).Type == TypeNothing ? "popContainsAsteroids"
                                                                  : "popContainsNothing");
    EXPECT_FALSE(controller.CurrentCode());
    EXPECT_EQ(ShownCode(), "");
    EXPECT_FALSE(Item("mnuEditCopyCode")->isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(CodeText(), code);
    EXPECT_EQ(ShownCode(), "System Code: " + code);

    // A load that changes the star or the orbits takes the code away; one
    // that brings back the same system under another name keeps it.
    StarSystem same = controller.State().system;
    same.SystemName = "Same";
    ASSERT_TRUE(SaveSystemFile(same, own.filePath("same.KVN").toStdString(), '.').Ok());
    dialogs->open = own.filePath("same.KVN");
    Trigger("mnuFileLoad");
    EXPECT_EQ(CodeText(), code);
    same.Orbit(2).Moons += 1;
    ASSERT_TRUE(SaveSystemFile(same, own.filePath("other.KVN").toStdString(), '.').Ok());
    dialogs->open = own.filePath("other.KVN");
    Trigger("mnuFileLoad");
    EXPECT_EQ(ShownCode(), "");
    Trigger("mnuEditUndo");
    EXPECT_EQ(ShownCode(), "System Code: " + code);
}

// New from Code's own dialog: a malformed code says why and changes
// nothing; a good one makes its system as New makes one. A code on the
// clipboard is offered.
TEST_F(EditMenu, NewFromCodeThroughItsDialog)
{
    controller.SetDialogs(std::make_unique<QtFileDialogs>(main));
    const Seen before = Now();
    QGuiApplication::clipboard()->setText("not a code");
    for (const char* text : {"2Q1G-04FB-P9", "2Q1G-04FB-P8-ZZZZ", "hello!"}) {
        std::string reason;
        ASSERT_FALSE(DecodeSystemCode(text, &reason));
        bool looked = false;
        test::WhenModal<frmNewFromCode>([&](frmNewFromCode* dialog) {
            auto* box = Find<QLineEdit>("txtCode", dialog);
            EXPECT_EQ(box->text(), "");
            EXPECT_FALSE(Find<QPushButton>("Okay", dialog)->isEnabled());
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(Find<QLabel>("lblError", dialog)->text(),
                      "This is not a system code: " + QString::fromStdString(reason) + ".");
            EXPECT_TRUE(Find<QLabel>("lblError", dialog)->isVisibleTo(dialog));
            EXPECT_EQ(box->selectedText(), text);
            looked = true;
        });
        Trigger("mnuEditNewFromCode");
        EXPECT_TRUE(looked);
        EXPECT_EQ(Now(), before) << text;
        EXPECT_EQ(controller.History().UndoCount(), 0);
    }

    const SystemCode code = BatchSystemCode(7, 2, LifeSupportLevel::Poor, BiozoneWidth::Double);
    const QString text = QString::fromStdString(EncodeSystemCode(code));
    QGuiApplication::clipboard()->setText(text.toLower());
    controller.SetDisplayBackColor(ColourWhite);
    controller.MutableState().CurrentFileName = "old.KVN";
    test::WhenModal<frmNewFromCode>([&](frmNewFromCode* dialog) {
        EXPECT_EQ(Find<QLineEdit>("txtCode", dialog)->selectedText(), text.toLower());
        Find<QPushButton>("Okay", dialog)->click();
    });
    Trigger("mnuEditNewFromCode");
    EXPECT_EQ(controller.State().system, RegenerateSystem(code));
    EXPECT_EQ(controller.State().CurrentFileName, "");
    EXPECT_EQ(controller.State().DisplayBackColor, 0);
    EXPECT_EQ(CodeText(), text);
    ExpectViewsShowTheState("New from Code");
    EXPECT_EQ(Item("mnuEditUndo")->text(), "&Undo New from Code");
    // The options stay the user's own.
    EXPECT_EQ(Settings().LifeSupport, LifeSupportLevel::Average);
}

// Copy Picture puts the drawing the display shows, with its asteroid dots,
// on the clipboard as an image and as SVG; a closed display comes back.
TEST_F(EditMenu, CopyPictureAsImageAndSvg)
{
    const auto svgOf = [](const DrawingSurface& surface) {
        return QByteArray::fromStdString(SurfaceSvg(surface, ExportPictureSize, ExportPictureSize));
    };
    // A system with a belt, whose dots differ with every drawing.
    StarSystem& system = System();
    system.Orbit(6).Type = TypeAsteroids;
    controller.RefreshAll();
    Trigger("mnuEditCopyPicture");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    const auto image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), QSize(ExportPictureSize, ExportPictureSize));
    // The star sits at the middle of the left edge in its own colour.
    EXPECT_EQ(image.pixelColor(2, ExportPictureSize / 2), ToQColor(system.StarType));
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    EXPECT_EQ(data->data("image/svg+xml"), svgOf(Display()->Surface()));

    controller.FrameOf(controller.OrbitalDisplay())->close();
    QApplication::processEvents();
    Trigger("mnuEditCopyPicture");
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("image/svg+xml"), svgOf(Display()->Surface()));
    EXPECT_GT(Display()->Surface().Shapes().size(), 10u);
}

// The bytes kelvane-cli writes for a file, or the reason it could not.
std::string CliOutput(const QString& folder, const QStringList& arguments, const QString& output)
{
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    environment.remove("DISPLAY");
    cli.setProcessEnvironment(environment);
    cli.setWorkingDirectory(folder);
    cli.start(KELVANE_CLI_PATH, arguments + QStringList{"-o", output});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return "kelvane-cli failed: " + cli.readAllStandardError().toStdString();
    return test::ReadFile((folder + "/" + output).toStdString());
}

// A PDF's bytes without the moment it was made.
std::string WithoutCreationDate(const std::string& pdf)
{
    return QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()))
        .replace(QRegularExpression("/CreationDate \\(D:[0-9]+Z?\\)"), "/CreationDate ()")
        .toLatin1()
        .toStdString();
}

// The text forms of a system made from a code, exported and copied, are
// kelvane-cli's for that code: JSON, CSV (numbered as in the code's run),
// Markdown, and the text table as plain text.
TEST_F(EditMenu, TextFormsAreWhatKelvaneCliWritesForTheCode)
{
    const SystemCode code = BatchSystemCode(11, 4, LifeSupportLevel::Good, BiozoneWidth::Triple);
    dialogs->code = code;
    Trigger("mnuEditNewFromCode");
    const QString text = QString::fromStdString(EncodeSystemCode(code));
    const auto cli = [&](const QString& format) {
        return CliOutput(own.path(), {"new", "--code", text, "--format", format}, "cli." + format);
    };
    const auto exportTo = [&](const QString& name, int format) {
        dialogs->exportTo = FileDialogs::ExportChoice{own.filePath(name), dialogs->offered.value(format)};
        Trigger("mnuEditExport");
        return test::ReadFile(own.filePath(name).toStdString());
    };
    Trigger("mnuEditExport"); // the dialog's filters, answered with nothing
    ASSERT_EQ(dialogs->offered.size(), 6);
    EXPECT_EQ(exportTo("e.json", 3), cli("json"));
    EXPECT_EQ(exportTo("e.csv", 4), cli("csv"));
    EXPECT_EQ(exportTo("e.md", 5), cli("md"));
    EXPECT_NE(cli("csv").find("\n4,Unnamed System,"), std::string::npos);

    ASSERT_TRUE(Item("mnuEditCopyText")->isEnabled());
    Trigger("mnuEditCopyText");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data("text/markdown").toStdString(), cli("md"));
    EXPECT_EQ(data->text().toStdString(), cli("text"));
    // Copying changes nothing and is no step.
    EXPECT_EQ(controller.History().UndoCount(), 1);
}

// Export writes, by the filter chosen, what kelvane-cli render and report
// write for the same system and options: PNG and SVG 800 pixels square, and
// the report's PDF but for its creation date. (The text forms are below.)
TEST_F(EditMenu, ExportWritesWhatKelvaneCliWrites)
{
    const QStringList filters{"PNG image (*.png)", "SVG image (*.svg)", "PDF report (*.pdf)",
                              "JSON (*.json)",     "CSV (*.csv)",       "Markdown (*.md)"};
    const QString kvn = own.filePath("vega.KVN");
    System().SystemName = "Vega";
    ASSERT_TRUE(SaveSystemFile(System(), kvn.toStdString(), '.').Ok());
    const auto exportTo = [&](const QString& name, int format) {
        dialogs->exportTo = FileDialogs::ExportChoice{own.filePath(name), filters[format]};
        Trigger("mnuEditExport");
    };
    const auto file = [&](const QString& name) { return test::ReadFile(own.filePath(name).toStdString()); };
    const auto cli = [&](const QStringList& arguments, const QString& output) {
        return CliOutput(own.path(), arguments, output);
    };
    const Seen before = Now();
    exportTo("a", 0);
    EXPECT_EQ(dialogs->offered, filters);
    exportTo("a", 1);
    exportTo("a", 2);
    EXPECT_EQ(file("a.png"), cli({"render", kvn}, "c.png"));
    EXPECT_EQ(file("a.svg"), cli({"render", kvn}, "c.svg"));
    EXPECT_EQ(WithoutCreationDate(file("a.pdf")), WithoutCreationDate(cli({"report", kvn}, "c.pdf")));
    // The name proposed is the system's, in the folder of the last export;
    // the format chosen last comes first.
    EXPECT_EQ(dialogs->offers,
              QStringList({filters[0] + "|Vega.png", filters[0] + "|" + own.filePath("Vega.png"),
                           filters[1] + "|" + own.filePath("Vega.svg")}));

    // The same report again and again, whatever the program's hash seed.
    for (int i = 0; i < 8; ++i) {
        QHashSeed::resetRandomGlobalSeed();
        exportTo("again.pdf", 2);
        EXPECT_EQ(WithoutCreationDate(file("again.pdf")), WithoutCreationDate(file("a.pdf"))) << i;
    }
    dialogs->questions.clear();

    // Other options, the same bytes for the same options. A name that ends
    // in the extension, in any case, keeps it.
    Settings().OrbitDisplay = OrbitDisplayStyle::Complete;
    Settings().ColorText = 0;
    Settings().SwapBW = 0;
    const QStringList style{"--style", "complete"};
    exportTo("b.Pdf", 2);
    EXPECT_EQ(WithoutCreationDate(file("b.Pdf")),
              WithoutCreationDate(
                  cli(QStringList{"report", kvn, "--colored-text", "off", "--grey-for-black", "off"} + style,
                      "d.pdf")));
    Settings().WhiteOrbits = -1;
    Settings().OrbitPenWidth = 2;
    Settings().VisibleOrbits = 0;
    const QStringList lines{"--white-orbits", "on", "--thick-orbits", "on", "--orbit-lines", "off"};
    exportTo("b.PNG", 0);
    exportTo("b.svg", 1);
    EXPECT_EQ(file("b.PNG"), cli(QStringList{"render", kvn} + lines + style, "d.png"));
    EXPECT_EQ(file("b.svg"), cli(QStringList{"render", kvn} + lines + style, "d.svg"));
    EXPECT_NE(file("b.svg"), file("a.svg"));
    EXPECT_FALSE(QFile::exists(own.filePath("b.PNG.png")));
    // Exporting changes nothing and is no step.
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(controller.History().UndoCount(), 0);

    // After a load the file's name is proposed; a cancelled export is
    // forgotten.
    QDir(own.path()).mkdir("sub");
    exportTo("sub/c.svg", 1);
    dialogs->open = kvn;
    Trigger("mnuFileLoad");
    dialogs->exportTo.reset();
    Trigger("mnuEditExport");
    Trigger("mnuEditExport");
    EXPECT_EQ(dialogs->offers.last(), filters[1] + "|" + own.filePath("sub/vega.svg"));

    // An existing file is replaced only after Yes; a file that cannot be
    // written says why and leaves nothing behind.
    test::WriteFile(own.filePath("old.svg").toStdString(), "old");
    dialogs->overwrite = QMessageBox::No;
    exportTo("old", 1);
    EXPECT_EQ(dialogs->questions,
              QStringList(own.filePath("old.svg") + "\nThis file already exists. Overwrite it?"));
    EXPECT_EQ(file("old.svg"), "old");
    dialogs->overwrite = QMessageBox::Yes;
    exportTo("old", 1);
    EXPECT_EQ(file("old.svg"), file("b.svg"));
    exportTo("missing/x", 0);
    ASSERT_EQ(dialogs->exportErrors.size(), 1);
    EXPECT_TRUE(dialogs->exportErrors[0].startsWith(own.filePath("missing/x.png") +
                                                    "\nThe file could not be written: "))
        << dialogs->exportErrors[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(own.filePath("missing")));
}

} // namespace
} // namespace kelvane
