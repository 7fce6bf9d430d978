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
    QString ShownCode() { return Find<QLabel>("lblSystemCode")->text(); }
    QString CodeText()
    {
        const auto& code = Document().Code();
        return code ? QString::fromStdString(EncodeSystemCode(*code)) : QString();
    }
    // Whether every view shows the current state: a refresh ran.
    void ExpectViewsShowTheState(const std::string& where)
    {
        const AppState& app = Document().State();
        EXPECT_EQ(NameBox()->text(), QString::fromStdString(app.system.SystemName)) << where;
        for (int r = 0; r < StarSystem::OrbitCount; ++r)
            EXPECT_EQ(Cell("ContainsLabel", r)->text().toStdString(),
                      ContentsName(app.system.Orbit(r + 1).Type))
                << where << " orbit " << r + 1;
        EXPECT_EQ(Display()->Surface().BackColor(), app.DisplayBackColor) << where;
        EXPECT_EQ(ShownCode(), CodeText().isEmpty() ? "" : "System Code: " + CodeText()) << where;
        EXPECT_EQ(Windows().OrbitalDisplay()->windowTitle(),
                  "Orbital Display (" + QString::fromStdString(app.system.SystemName) + ")")
            << where;
    }
};

// Every item and button that changes the system reaches the document as its
// step, named in the Edit menu's items; the items and all three keys undo
// and redo them, and the views show each state put back. What a step puts
// back is the document's to show.
TEST_F(EditMenu, EveryKindOfStepUndoneAndRedone)
{
    Activate();
    // Start-up's system is no step.
    EXPECT_FALSE(Find("mnuEditUndo")->isEnabled() || Find("mnuEditRedo")->isEnabled());
    std::vector<QString> steps; // as the items name them
    const auto step = [&](const QString& text) {
        steps.push_back(text);
        EXPECT_EQ(UndoText(), "&Undo " + text);
        EXPECT_EQ(UndoCount(), static_cast<int>(steps.size())) << text.toStdString();
    };

    // A report left the background white; New makes it black again.
    Document().SetDisplayBackColor(ColourWhite);
    Trigger("mnuFileNew");
    step("New System");
    Find<QToolButton>("cmdToolbit_0")->click();
    step("New System");
    Trigger("mnuFileNewOrbits");
    step("New Orbits");

    Trigger("mnuOptionsForce3");
    frmForceOrbit* dialog = Windows().ForceOrbitDialog();
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
    ASSERT_TRUE(SaveSystemFile(saved, own.filePath("R&D.KVN").toStdString(), '.').Ok());
    dialogs->answers = {own.filePath("R&D.KVN")};
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
        ExpectViewsShowTheState("after undoing " + steps[i].toStdString());
        EXPECT_EQ(Find("mnuEditRedo")->text(), "&Redo " + steps[i]);
    }
    EXPECT_FALSE(Find("mnuEditUndo")->isEnabled());
    EXPECT_EQ(UndoText(), "&Undo");
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i % 3 == 0)
            Trigger("mnuEditRedo");
        else if (i % 3 == 1)
            QTest::keyClick(NameBox(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(NameBox(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(UndoText(), "&Undo " + steps[i]);
        ExpectViewsShowTheState("after redoing " + steps[i].toStdString());
    }
    EXPECT_FALSE(Find("mnuEditRedo")->isEnabled());
}

// The Force Orbit dialog left open across an undo acts, when OK is pressed,
// on the system the undo left; that is a step like any other.
TEST_F(EditMenu, TheForceOrbitDialogActsOnTheSystemAnUndoLeft)
{
    Trigger("mnuFileNew");
    const StarSystem generated = System();
    Trigger("mnuFileNewOrbits");
    Trigger("mnuOptionsForce10");
    frmForceOrbit* dialog = Windows().ForceOrbitDialog();
    Trigger("mnuEditUndo");
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_EQ(System(), generated);
    Find<QRadioButton>(System().Orbit(10).Type == TypeNothing ? "FillOrbitAsteroids" : "FillOrbitNothing",
                       dialog)
        ->click();
    Find<QPushButton>("Okay", dialog)->click();
    StarSystem expected = generated;
    expected.Orbit(10) = System().Orbit(10);
    EXPECT_EQ(System(), expected);
    EXPECT_EQ(UndoText(), "&Undo Force Orbit 10");
    EXPECT_FALSE(Find("mnuEditRedo")->isEnabled());
}

// The name box ends a burst of typing when the focus leaves it or Enter is
// pressed; what a refresh writes into it is no step. Ctrl+Z in the box is
// the menu's Undo, not the box's own. Bursts themselves are the document's.
TEST_F(EditMenu, TheNameBoxEndsBurstsAndEchoesNoStep)
{
    Activate();
    QLineEdit* box = NameBox();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "Vega");
    QTest::keyClicks(box, " Prime");
    EXPECT_EQ(System().SystemName, "Vega Prime");
    EXPECT_EQ(UndoCount(), 1);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, " II");
    EXPECT_EQ(UndoCount(), 2);
    Find<QPushButton>("Command1", Windows().QuickTips())->setFocus();
    ASSERT_FALSE(box->hasFocus());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "I");
    EXPECT_EQ(UndoCount(), 3);

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(System().SystemName, "Vega Prime II");
    EXPECT_EQ(box->text(), "Vega Prime II");
    EXPECT_EQ(UndoCount(), 2);
    EXPECT_EQ(Find("mnuEditRedo")->text(), "&Redo Rename");
}

// The code shows while the system has one, from start-up on, and Copy
// System Code copies it; with the code gone, neither; Undo shows it again.
TEST_F(EditMenu, SystemCodeShownAndCopied)
{
    ASSERT_FALSE(CodeText().isEmpty());
    EXPECT_EQ(ShownCode(), "System Code: " + CodeText());
    Trigger("mnuFileNewOrbits");
    const QString code = CodeText();
    EXPECT_EQ(ShownCode(), "System Code: " + code);
    Trigger("mnuEditCopyCode");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code);

    Choose("ContainsLabel", 0,
           System().Orbit(1).Type == TypeNothing ? "popContainsAsteroids" : "popContainsNothing");
    EXPECT_EQ(ShownCode(), "");
    EXPECT_FALSE(Find("mnuEditCopyCode")->isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(ShownCode(), "System Code: " + code);
    EXPECT_TRUE(Find("mnuEditCopyCode")->isEnabled());
}

// New from Code's own dialog: a malformed code says why and changes
// nothing; a good one makes its system as New makes one. A code on the
// clipboard is offered.
TEST_F(EditMenu, NewFromCodeThroughItsDialog)
{
    controller.SetDialogs(std::make_unique<QtDialogs>(main));
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
        EXPECT_EQ(UndoCount(), 0) << text;
    }

    const SystemCode code = BatchSystemCode(7, 2, LifeSupportLevel::Poor, BiozoneWidth::Double);
    const QString text = QString::fromStdString(EncodeSystemCode(code));
    QGuiApplication::clipboard()->setText(text.toLower());
    test::WhenModal<frmNewFromCode>([&](frmNewFromCode* dialog) {
        EXPECT_EQ(Find<QLineEdit>("txtCode", dialog)->selectedText(), text.toLower());
        Find<QPushButton>("Okay", dialog)->click();
    });
    Trigger("mnuEditNewFromCode");
    EXPECT_EQ(CodeText(), text);
    ExpectViewsShowTheState("New from Code");
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
    Windows().RefreshAll();
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

    Frame(Windows().OrbitalDisplay())->close();
    QApplication::processEvents();
    Trigger("mnuEditCopyPicture");
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("image/svg+xml"), svgOf(Display()->Surface()));
    EXPECT_GT(Display()->Surface().Shapes().size(), 10u);
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
    // The bytes kelvane-cli writes into output for arguments, or why it could not.
    const auto cli = [&](const std::string& arguments, const QString& output) {
        const test::Ran ran = test::Shell("cd " + own.path().toStdString() + " && " + test::AsAScript +
                                          KELVANE_CLI_PATH + " " + arguments + " -o " + output.toStdString());
        return ran.status == 0 ? file(output) : "kelvane-cli failed: " + ran.output;
    };
    // What an export could change: the system, its file, the background.
    const auto now = [&] {
        const AppState& app = Document().State();
        return std::tuple(app.system, app.CurrentFileName, app.DisplayBackColor);
    };
    const auto before = now();
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
    EXPECT_TRUE(now() == before);
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
    dialogs->answers = {own.filePath("vega.json")};
    Trigger("mnuEditImport");
    EXPECT_EQ(System(), edited);
    EXPECT_EQ(NameBox()->text(), "Vega \"Prime\"");
    EXPECT_EQ(UndoText(), "&Undo Import vega.json");

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
    EXPECT_EQ(System(), edited);
    EXPECT_EQ(UndoCount(), 1);
}

} // namespace
} // namespace kelvane
