#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GuiTestSupport.h"
#include "core/files/SystemFile.h"
#include "core/model/NumberText.h"

namespace kelvane {
namespace {

struct FileCommands : ::testing::Test, test::Program {
    QString In(const QString& name) const { return own.filePath(name); }
    bool IsFile(const QString& name) const { return QFileInfo(own.filePath(name)).isFile(); }

    AppState& app = State();
};

TEST_F(FileCommands, SaveAndLoad)
{
    // A fresh system proposes its name, without an extension, and then the
    // file; after New Orbits Only or New the name again.
    dialogs->answers = {In("Unnamed System"), In("x"), In("y")};
    Trigger("mnuFileSave");
    Trigger("mnuFileSave");
    Trigger("mnuFileNewOrbits");
    app.system.SystemName = "Vega";
    Trigger("mnuFileSave");
    Trigger("mnuFileNew");
    Trigger("mnuFileSave");
    EXPECT_EQ(dialogs->proposals, QStringList({"save Unnamed System", "save " + In("Unnamed System.KVN"),
                                               "save Vega", "save Unnamed System"}));

    // An extension of another kind is kept, and so is a name without one in
    // a folder whose name has a point.
    QDir(own.path()).mkdir("my.systems");
    dialogs->answers = {In("alpha"), In("alpha.txt"), In("my.systems/gamma")};
    for (int i = 0; i < 3; ++i)
        Trigger("mnuFileSave");
    EXPECT_TRUE(IsFile("Unnamed System.KVN") && IsFile("alpha.KVN") && IsFile("alpha.txt") &&
                IsFile("my.systems/gamma"));
    EXPECT_FALSE(IsFile("alpha.txt.KVN"));

    // The question names the final file; No leaves it be and asks for no other name.
    const std::string beta = In("beta.KVN").toStdString();
    test::WriteBytes(beta, "old contents");
    dialogs->answers = {In("beta"), In("beta")};
    dialogs->overwrite = QMessageBox::No;
    app.CurrentFileName.clear();
    const auto asked = dialogs->proposals.size();
    Trigger("mnuFileSave");
    EXPECT_EQ(dialogs->questions, QStringList(In("beta.KVN") + "\nThis file already exists. Overwrite it?"));
    EXPECT_EQ(test::ReadBytes(beta), "old contents");
    EXPECT_EQ(dialogs->proposals.size(), asked + 1);
    EXPECT_EQ(app.CurrentFileName, "");
    dialogs->overwrite = QMessageBox::Yes;
    Trigger("mnuFileSave");
    EXPECT_EQ(test::ReadBytes(beta), SystemFileText(app.system, '.'));

    // Cancelled dialogs, a missing folder and a missing file change nothing.
    const StarSystem before = app.system;
    dialogs->answers = {"", "", In("no-such-folder/x"), In("missing.KVN")};
    Trigger("mnuFileSave");
    Trigger("mnuFileLoad");
    Trigger("mnuFileSave");
    Trigger("mnuFileLoad");
    EXPECT_EQ(app.system, before);
    EXPECT_EQ(app.CurrentFileName, beta);
    EXPECT_TRUE(dialogs->loadErrors.isEmpty());

    StarSystem saved = app.system;
    saved.SystemName = "Vega";
    ASSERT_TRUE(SaveSystemFile(saved, In("vega.KVN").toStdString(), '.').Ok());
    dialogs->answers = {In("vega.KVN")};
    Trigger("mnuFileLoad");
    EXPECT_EQ(app.system, saved);
    EXPECT_EQ(Windows().OrbitalDisplay()->windowTitle(), "Orbital Display (Vega)");
    // After a load both dialogs propose the file.
    Trigger("mnuFileLoad");
    Trigger("mnuFileSave");
    EXPECT_EQ(dialogs->proposals.mid(dialogs->proposals.size() - 2),
              QStringList({"open " + In("vega.KVN"), "save " + In("vega.KVN")}));

    // A file of neither kind: the "Load Error" box, nothing loaded.
    test::WriteBytes(In("other.KVN").toStdString(), "not a system\n");
    dialogs->answers = {In("other.KVN")};
    Trigger("mnuFileLoad");
    EXPECT_EQ(dialogs->loadErrors, QStringList({"This is not a Kelvane 2.0 file."}));
    EXPECT_EQ(app.system, saved);
    EXPECT_EQ(app.CurrentFileName, In("vega.KVN").toStdString());
}

// Load then Save As gives back the very bytes of a name the user did not
// edit: longer than a text box holds by default, in an older code page,
// with a line feed and a control character; an edit is taken as UTF-8.
TEST_F(FileCommands, ANameIsWrittenBackByteForByteUntilItIsEdited)
{
    StarSystem system = app.system;
    system.SystemName = "Caf\xE9 " + std::string(40000, 'n') + "\n\x01 \xFF";
    const std::string file = In("old.KVN").toStdString(), copy = In("copy.KVN").toStdString();
    test::WriteBytes(file, SystemFileText(system, '.'));
    dialogs->answers = {In("old.KVN"), In("copy.KVN")};
    Trigger("mnuFileLoad");
    Trigger("mnuFileSave");
    EXPECT_EQ(app.system.SystemName.size(), system.SystemName.size());
    EXPECT_TRUE(test::ReadBytes(copy) == test::ReadBytes(file));

    auto* box = main->findChild<QLineEdit*>("txtInput");
    ASSERT_NE(box, nullptr);
    box->end(false);
    QTest::keyClick(box, Qt::Key_Exclam);
    EXPECT_EQ(app.system.SystemName, "Caf\xC3\xA9 " + std::string(40000, 'n') + "\n\x01 \xC3\xBF!");
}

// The desktop program takes the decimal separator from the C library, as
// kelvane-cli does: under a French locale that is not installed Qt would
// still think in French, but both write and read ".".
TEST_F(FileCommands, TheSeparatorIsTheOneKelvaneCliUses)
{
    const QTemporaryDir noLocales;
    const test::ScopedEnvironment path("LOCPATH", noLocales.path().toUtf8().constData());
    const test::ScopedEnvironment french("LC_ALL", "fr_FR.UTF-8");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    dialogs->answers = {In("french.KVN")};
    Trigger("mnuFileSave");
    EXPECT_EQ(test::ReadBytes(In("french.KVN").toStdString()), SystemFileText(app.system, '.'));
    EXPECT_EQ(main->findChild<QLabel*>("AULabel_0")->text(),
              QString::fromStdString(OneDecimalText(app.system.Orbit(1).AU, '.')));
}

// A pipe, a device and a read-only file are refused at once, as a failed
// write: no message, no waiting, the file name unchanged.
TEST_F(FileCommands, SaveAsEndsSilentlyOnWhatItMayNotWrite)
{
    const std::string pipe = In("pipe.KVN").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    // With a reader, a Save As that opened the pipe would not wait but write.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const std::string locked = In("locked.KVN").toStdString();
    test::WriteBytes(locked, "old contents");
    std::filesystem::permissions(locked, std::filesystem::perms(0444));
    std::filesystem::create_symlink("/dev/null", In("null.KVN").toStdString());
    app.CurrentFileName = "before.KVN";

    dialogs->answers = {In("pipe.KVN"), In("null.KVN"), In("locked.KVN")};
    for (int i = 0; i < 3; ++i)
        Trigger("mnuFileSave");
    EXPECT_EQ(dialogs->questions,
              QStringList(In("locked.KVN") + "\nThis file already exists. Overwrite it?"));
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_EQ(test::ReadBytes(locked), "old contents");
    EXPECT_EQ(app.CurrentFileName, "before.KVN");
    EXPECT_EQ(
        QDir(own.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList({"locked.KVN", "null.KVN", "pipe.KVN"}));
}

} // namespace
} // namespace kelvane
