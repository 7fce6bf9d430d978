#include <QHashSeed>
#include <QRegularExpression>

#include "GuiTestSupport.h"
#include "Shell.h"
#include "core/drawing/SurfaceSvg.h"
#include "core/export/SystemWriters.h"
#include "core/files/SystemFile.h"
#include "core/model/SystemCode.h"
#include "gui/files/ExportFormats.h"
#include "gui/shell/frmNewFromCode.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/views/frmForceOrbit.h"
#include "render/SurfacePainter.h"

namespace kelvane {
namespace {

struct EditMenu : ::testing::Test, test::Program {
    QString UndoText() { return Find("mnuEditUndo")->text(); }
    QString ShownCode() { return Find<QLabel>("lblSystemCode")->text(); }
    QString CodeText()
    {
        const auto& code = controller.Document().Code();
        return code ? QString::fromStdString(EncodeSystemCode(*code)) : QString();
    }
    // Saves system into the program's folder and loads it by File > Load.
    void Load(const StarSystem& system, const QString& name)
    {
        ASSERT_TRUE(SaveSystemFile(system, own.filePath(name).toStdString(), '.').Ok());
        dialogs->answers = {own.filePath(name)};
        Trigger("mnuFileLoad");
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
        const AppState& app = controller.Document().State();
        return {app.system, app.CurrentFileName, app.DisplayBackColor, CodeText()};
    }
    // Whether every view shows the current state: a refresh ran.
    void ExpectViewsShowTheState(const std::string& where)
    {
        const AppState& app = controller.Document().State();
        EXPECT_EQ(NameBox()->text(), QString::fromStdString(app.system.SystemName)) << where;
        for (int r = 0; r < StarSystem::OrbitCount; ++r)
            EXPECT_EQ(Cell("ContainsLabel", r)->text().toStdString(),
                      ContentsName(app.system.Orbit(r + 1).Type))
                << where << " orbit " << r + 1;
        EXPECT_EQ(Display()->Surface().BackColor(), app.DisplayBackColor) << where;
        EXPECT_EQ(ShownCode(), CodeText().isEmpty() ? "" : "System Code: " + CodeText()) << where;
        EXPECT_EQ(controller.Windows().OrbitalDisplay()->windowTitle(),
                  "Orbital Display (" + QString::fromStdString(app.system.SystemName) + ")")
            << where;
    }
};

// Every kind of change, made through the windows, undone and redone by the
// Edit menu's items and keys: each step puts back the whole state it
// changed, the code with it, and the views show it.
TEST_F(EditMenu, EveryKindOfStepUndoneAndRedone)
{
    Activate();
    EXPECT_FALSE(Find("mnuEditUndo")->isEnabled() || Find("mnuEditRedo")->isEnabled());
    std::vector<Seen> states{Now()};
    std::vector<QString> steps; // as the items name them
    const auto step = [&](const QString& text) {
        steps.push_back(text);
        states.push_back(Now());
        EXPECT_NE(states.back(), states[states.size() - 2]) << text.toStdString();
        EXPECT_EQ(UndoText(), "&Undo " + text);
    };

    // A report left the background white; New makes it black again.
    controller.Document().SetDisplayBackColor(ColourWhite);
    states.back() = Now();
    Trigger("mnuFileNew");
    step("New System");
    Find<QToolButton>("cmdToolbit_0")->click();
    step("New System");
    Trigger("mnuFileNewOrbits");
    step("New Orbits");

    Trigger("mnuOptionsForce3");
    frmForceOrbit* dialog = controller.Windows().ForceOrbitDialog();
    const bool belt = System().Orbit(3).Type == TypeAsteroids;
    Find<QRadioButton>(belt ? "FillOrbitNothing" : "FillOrbitAsteroids", dialog)->click();
    Find<QPushButton>("Okay", dialog)->click();
    step("Force Orbit 3");

    Choose("ContainsLabel", 4, "popContainsPlanet");
    step("Orbit 5: Planet");
    const bool hostile = System().Orbit(5).Type == TypeEnvHostile;
    Choose("EnvironmentLabel", 4, hostile ? "popEnvExcellent" : "popEnvHostile");
    step(hostile ? "Orbit 5: Excellent" : "Orbit 5: Hostile");

    StarSystem saved = System();
    saved.Orbit(1).Type = TypeEnvGood;
    saved.SystemName = "Vega";
    Load(saved, "R&D.KVN");
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
        EXPECT_EQ(Find("mnuEditRedo")->text(), "&Redo " + steps[i]);
    }
    EXPECT_FALSE(Find("mnuEditUndo")->isEnabled());
    EXPECT_EQ(UndoText(), "&Undo");
    EXPECT_EQ(controller.Document().State().DisplayBackColor, ColourWhite);
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
    EXPECT_FALSE(Find("mnuEditRedo")->isEnabled());

    // A new change after an undo drops what could have been redone. Options
    // are no part of the history.
    Trigger("mnuEditUndo");
    Trigger("mnuOptionsOrbitComplete");
    Trigger("mnuOptionsLifePoor");
    EXPECT_TRUE(Find("mnuEditRedo")->isEnabled());
    Trigger("mnuFileNewOrbits");
    EXPECT_FALSE(Find("mnuEditRedo")->isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), states[states.size() - 2]);
    EXPECT_EQ(Settings().OrbitDisplay, OrbitDisplayStyle::Complete);
    EXPECT_EQ(Settings().LifeSupport, LifeSupportLevel::Poor);
}

// A step takes back what it changed and nothing else: the file that a later
// Save As wrote and the background that a later report left stay. The Force
// Orbit dialog left open across an undo acts, when OK is pressed, on the
// system the undo left; that is a step like any other.
TEST_F(EditMenu, UndoPutsBackOnlyWhatTheStepChanged)
{
    constexpr Colour grey = 0xD2D2D2;
    controller.Document().SetDisplayBackColor(grey);
    const Seen start = Now();
    Trigger("mnuFileNew");
    const Seen generated = Now();
    Choose("ContainsLabel", 1,
           System().Orbit(2).Type == TypeNothing ? "popContainsAsteroids" : "popContainsNothing");
    const Seen edited = Now();
    controller.Document().SetDisplayBackColor(ColourWhite);
    dialogs->answers = {own.filePath("s")};
    Trigger("mnuFileSave");
    const std::string saved = own.filePath("s.KVN").toStdString();
    ASSERT_EQ(controller.Document().State().CurrentFileName, saved);

    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), (Seen{generated.system, saved, ColourWhite, generated.code}));
    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), (Seen{start.system, saved, grey, start.code}));
    Trigger("mnuEditRedo");
    Trigger("mnuEditRedo");
    EXPECT_EQ(Now(), (Seen{edited.system, saved, 0, edited.code}));

    Trigger("mnuOptionsForce10");
    frmForceOrbit* dialog = controller.Windows().ForceOrbitDialog();
    Trigger("mnuEditUndo");
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_EQ(System(), generated.system);
    Find<QRadioButton>(System().Orbit(10).Type == TypeNothing ? "FillOrbitAsteroids" : "FillOrbitNothing",
                       dialog)
        ->click();
    Find<QPushButton>("Okay", dialog)->click();
    StarSystem expected = generated.system;
    expected.Orbit(10) = System().Orbit(10);
    EXPECT_EQ(System(), expected);
    EXPECT_EQ(UndoText(), "&Undo Force Orbit 10");
    EXPECT_FALSE(Find("mnuEditRedo")->isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(System(), generated.system);
}

// At least a hundred steps back, by the key; the history keeps its depth
// and forgets the oldest beyond it. Start-up's system is no step.
TEST_F(EditMenu, AHundredStepsBackAndTheDepth)
{
    EXPECT_EQ(UndoCount(), 0);
    std::vector<Seen> states{Now()};
    Activate();
    for (int i = 0; i < 120; ++i) {
        QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
        states.push_back(Now());
    }
    ASSERT_EQ(UndoCount(), 120);
    for (int i = 119; i >= 0; --i) {
        QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(Now(), states[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_FALSE(Find("mnuEditUndo")->isEnabled());

    for (int i = 0; i < SystemDocument::Depth + 5; ++i)
        controller.Document().NewSystem();
    EXPECT_EQ(UndoCount(), SystemDocument::Depth);
    EXPECT_EQ(RedoCount(), 0);
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
    const auto name = [&] { return System().SystemName; };
    const auto undoCount = [&] { return UndoCount(); };

    box->selectAll();
    QTest::keyClicks(box, "Vega");
    QTest::keyClicks(box, " Prime");
    EXPECT_EQ(name(), "Vega Prime");
    EXPECT_EQ(undoCount(), 1);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, " II");
    EXPECT_EQ(undoCount(), 2);
    // The focus leaving the box ends a burst too.
    Find<QPushButton>("Command1", controller.Windows().QuickTips())->setFocus();
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
    EXPECT_EQ(Find("mnuEditRedo")->text(), "&Redo Rename");
    Trigger("mnuEditUndo");
    Trigger("mnuEditUndo");
    EXPECT_EQ(name(), "Vega Prime II");
    Trigger("mnuEditUndo");
    EXPECT_EQ(name(), "Vega Prime");
    Trigger("mnuEditUndo");
    EXPECT_EQ(name(), "Unnamed System");
    EXPECT_EQ(RedoCount(), 5);

    // Typing after an undo starts a new burst; typed and taken back, it is no step.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "xy");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(name(), "Unnamed System");
    EXPECT_EQ(undoCount(), 0);
    EXPECT_FALSE(Find("mnuEditUndo")->isEnabled());
}

// The code shows while the system is as generated, names the system it
// stands for, survives a rename and goes with an edit or a load; Undo
// brings it back. Copy System Code copies it.
TEST_F(EditMenu, SystemCodeShownWhileTheSystemIsAsGenerated)
{
    // That a generation's code makes its system again is the core's to show.
    const auto expectShown = [&](const std::string& where) {
        ASSERT_TRUE(controller.Document().Code()) << where;
        EXPECT_EQ(ShownCode(), "System Code: " + CodeText()) << where;
        EXPECT_TRUE(Find("mnuEditCopyCode")->isEnabled()) << where;
    };
    expectShown("start-up");
    Settings().LifeSupport = LifeSupportLevel::Excellent;
    Settings().Biozone = BiozoneWidth::Triple;
    Trigger("mnuFileNew");
    expectShown("New");
    EXPECT_EQ(controller.Document().Code()->lifeSupport, LifeSupportLevel::Excellent);
    Trigger("mnuFileNewOrbits");
    expectShown("New Orbits Only");
    const QString code = CodeText();

    QTest::keyClicks(NameBox(), "!");
    EXPECT_EQ(CodeText(), code);
    Trigger("mnuEditCopyCode");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code);

    Choose("ContainsLabel", 0,
           System().Orbit(1).Type == TypeNothing ? "popContainsAsteroids" : "popContainsNothing");
    EXPECT_FALSE(controller.Document().Code());
    EXPECT_EQ(ShownCode(), "");
    EXPECT_FALSE(Find("mnuEditCopyCode")->isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(CodeText(), code);
    EXPECT_EQ(ShownCode(), "System Code: " + code);

    // A load that changes the star or the orbits takes the code away; one
    // that brings back the same system under another name keeps it.
    StarSystem same = System();
    same.SystemName = "Same";
    Load(same, "same.KVN");
    EXPECT_EQ(CodeText(), code);
    same.Orbit(2).Moons += 1;
    Load(same, "other.KVN");
    EXPECT_EQ(ShownCode(), "");
    Trigger("mnuEditUndo");
    EXPECT_EQ(ShownCode(), "System Code: " + code);
}

// New from Code's own dialog: a malformed code says why and changes
// nothing; a good one makes its system as New makes one. A code on the
// clipboard is offered.
TEST_F(EditMenu, NewFromCodeThroughItsDialog)
{
    controller.SetDialogs(std::make_unique<QtDialogs>(main));
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
        EXPECT_EQ(UndoCount(), 0);
    }

    const SystemCode code = BatchSystemCode(7, 2, LifeSupportLevel::Poor, BiozoneWidth::Double);
    const QString text = QString::fromStdString(EncodeSystemCode(code));
    QGuiApplication::clipboard()->setText(text.toLower());
    controller.Document().SetDisplayBackColor(ColourWhite);
    State().CurrentFileName = "old.KVN";
    test::WhenModal<frmNewFromCode>([&](frmNewFromCode* dialog) {
        EXPECT_EQ(Find<QLineEdit>("txtCode", dialog)->selectedText(), text.toLower());
        Find<QPushButton>("Okay", dialog)->click();
    });
    Trigger("mnuEditNewFromCode");
    EXPECT_EQ(System(), RegenerateSystem(code));
    EXPECT_EQ(controller.Document().State().CurrentFileName, "");
    EXPECT_EQ(controller.Document().State().DisplayBackColor, 0);
    EXPECT_EQ(CodeText(), text);
    ExpectViewsShowTheState("New from Code");
    EXPECT_EQ(UndoText(), "&Undo New from Code");
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
    controller.Windows().RefreshAll();
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

    controller.Windows().FrameOf(controller.Windows().OrbitalDisplay())->close();
    QApplication::processEvents();
    Trigger("mnuEditCopyPicture");
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("image/svg+xml"), svgOf(Display()->Surface()));
    EXPECT_GT(Display()->Surface().Shapes().size(), 10u);
}

// The bytes kelvane-cli writes into output for arguments, or why it could not.
std::string CliOutput(const QString& folder, const std::string& arguments, const QString& output)
{
    const test::Ran ran = test::Shell("cd " + folder.toStdString() + " && " + test::AsAScript +
                                      KELVANE_CLI_PATH + " " + arguments + " -o " + output.toStdString());
    return ran.status == 0 ? test::ReadBytes((folder + "/" + output).toStdString())
                           : "kelvane-cli failed: " + ran.output;
}

// A PDF's bytes without the moment it was made.
std::string WithoutCreationDate(const std::string& pdf)
{
    return QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()))
        .replace(QRegularExpression("/CreationDate \\(D:[0-9]+Z?\\)"), "/CreationDate ()")
        .toLatin1()
        .toStdString();
}

// Export writes, by the filter chosen, and Copy as Text copies what
// kelvane-cli writes for the same system and options: PNG and SVG 800 pixels
// square and the report's PDF but for its creation date, as render and report
// write them for the system's file; JSON, CSV (numbered as in the code's
// run), Markdown and the text table as new writes them for its code.
TEST_F(EditMenu, ExportAndCopyAsTextWriteWhatKelvaneCliWrites)
{
    const QStringList filters{"PNG image (*.png)", "SVG image (*.svg)", "PDF report (*.pdf)",
                              "JSON (*.json)",     "CSV (*.csv)",       "Markdown (*.md)"};
    const std::string code =
        EncodeSystemCode(BatchSystemCode(11, 4, LifeSupportLevel::Good, BiozoneWidth::Triple));
    dialogs->code = DecodeSystemCode(code);
    Trigger("mnuEditNewFromCode");
    const std::string kvn = own.filePath("vega.KVN").toStdString();
    ASSERT_TRUE(SaveSystemFile(System(), kvn, '.').Ok());
    const auto file = [&](const QString& name) { return test::ReadBytes(own.filePath(name).toStdString()); };
    const auto exportTo = [&](const QString& name, int format) {
        dialogs->exportTo = EditDialogs::ExportChoice{own.filePath(name), filters[format]};
        Trigger("mnuEditExport");
        return file(name);
    };
    const auto cli = [&](const std::string& arguments, const QString& output) {
        return CliOutput(own.path(), arguments, output);
    };
    const Seen before = Now();
    exportTo("a", 0);
    EXPECT_EQ(dialogs->offered, filters);
    exportTo("a", 1);
    exportTo("a", 2);
    EXPECT_EQ(file("a.png"), cli("render " + kvn, "c.png"));
    EXPECT_EQ(file("a.svg"), cli("render " + kvn, "c.svg"));
    EXPECT_EQ(WithoutCreationDate(file("a.pdf")), WithoutCreationDate(cli("report " + kvn, "c.pdf")));
    EXPECT_EQ(exportTo("e.json", 3), cli("new --format json --code " + code, "c.json"));
    EXPECT_EQ(exportTo("e.csv", 4), cli("new --format csv --code " + code, "c.csv"));
    EXPECT_EQ(exportTo("e.md", 5), cli("new --format md --code " + code, "c.md"));
    EXPECT_NE(file("e.csv").find("\n4,Unnamed System,"), std::string::npos);
    Trigger("mnuEditCopyText");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data("text/markdown").toStdString(), file("e.md"));
    EXPECT_EQ(data->text().toStdString(), cli("new --code " + code, "c.txt"));
    // The name proposed is the system's, in the folder of the last export;
    // the format chosen last comes first.
    EXPECT_EQ(dialogs->proposals.mid(0, 3),
              QStringList({filters[0] + "|Unnamed System.png",
                           filters[0] + "|" + own.filePath("Unnamed System.png"),
                           filters[1] + "|" + own.filePath("Unnamed System.svg")}));

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
    exportTo("b.Pdf", 2);
    EXPECT_EQ(WithoutCreationDate(file("b.Pdf")),
              WithoutCreationDate(cli(
                  "report " + kvn + " --colored-text off --grey-for-black off --style complete", "d.pdf")));
    Settings().WhiteOrbits = -1;
    Settings().OrbitPenWidth = 2;
    Settings().VisibleOrbits = 0;
    const std::string lines = " --white-orbits on --thick-orbits on --orbit-lines off --style complete";
    exportTo("b.PNG", 0);
    exportTo("b.svg", 1);
    EXPECT_EQ(file("b.PNG"), cli("render " + kvn + lines, "d.png"));
    EXPECT_EQ(file("b.svg"), cli("render " + kvn + lines, "d.svg"));
    EXPECT_NE(file("b.svg"), file("a.svg"));
    EXPECT_FALSE(QFile::exists(own.filePath("b.PNG.png")));
    // Exporting and copying change nothing and are no step.
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(UndoCount(), 1);

    // After a load the file's name is proposed; a cancelled export is
    // forgotten.
    QDir(own.path()).mkdir("sub");
    exportTo("sub/c.svg", 1);
    dialogs->answers = {QString::fromStdString(kvn)};
    Trigger("mnuFileLoad");
    dialogs->exportTo.reset();
    Trigger("mnuEditExport");
    Trigger("mnuEditExport");
    EXPECT_EQ(dialogs->proposals.last(), filters[1] + "|" + own.filePath("sub/vega.svg"));

    // An existing file is replaced only after Yes; a file that cannot be
    // written says why and leaves nothing behind.
    test::WriteBytes(own.filePath("old.svg").toStdString(), "old");
    dialogs->overwrite = QMessageBox::No;
    exportTo("old", 1);
    EXPECT_EQ(dialogs->questions,
              QStringList(own.filePath("old.svg") + "\nThis file already exists. Overwrite it?"));
    EXPECT_EQ(file("old.svg"), "old");
    dialogs->overwrite = QMessageBox::Yes;
    exportTo("old", 1);
    EXPECT_EQ(file("old.svg"), file("b.svg"));
    exportTo("missing/x", 0);
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(
        dialogs->errors[0].startsWith(own.filePath("missing/x.png") + "\nThe file could not be written: "))
        << dialogs->errors[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(own.filePath("missing")));
}

// Import System puts a system from its JSON in place as one step, edits made
// elsewhere included; a refused file says which field and why, and changes
// nothing.
TEST_F(EditMenu, ImportSystemFromItsJson)
{
    StarSystem edited = System();
    edited.SystemName = "Vega \"Prime\"";
    edited.Orbit(1).Moons = 7;
    std::string json;
    AppendJson(json, edited, "", 0);
    test::WriteBytes(own.filePath("vega.json").toStdString(), json);
    const Seen before = Now();
    dialogs->answers = {own.filePath("vega.json")};
    Trigger("mnuEditImport");
    EXPECT_EQ(System(), edited);
    EXPECT_EQ(NameBox()->text(), "Vega \"Prime\"");
    EXPECT_EQ(UndoText(), "&Undo Import vega.json");
    Trigger("mnuEditUndo");
    EXPECT_EQ(Now(), before);

    const std::size_t at = json.find("\"environment\"");
    ASSERT_NE(at, std::string::npos);
    test::WriteBytes(own.filePath("lush.json").toStdString(),
                     json.substr(0, json.find(':', at) + 1) + " \"Lush\"" +
                         json.substr(json.find_first_of(",}", json.find(':', at) + 2)));
    dialogs->answers = {own.filePath("lush.json")};
    Trigger("mnuEditImport");
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains("environment: \"Lush\" is not one of"))
        << dialogs->errors[0].toStdString();
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(RedoCount(), 1);
}

} // namespace
} // namespace kelvane
