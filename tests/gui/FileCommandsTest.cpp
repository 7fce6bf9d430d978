#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "core/files/SystemFile.h"
#include "core/model/RandomSource.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/files/FileCommands.h"
#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"

namespace kelvane {
namespace {

using test::TempFolder;

// Answers the file dialogs from a script and notes what they were asked.
class ScriptedDialogs final : public FileDialogs {
public:
    std::optional<QString> ChooseOpen(const QString& filter, const QString& proposed) override
    {
        return Answer(filter, proposed);
    }
    std::optional<QString> ChooseSave(const QString& filter, const QString& proposed) override
    {
        return Answer(filter, proposed);
    }
    QMessageBox::StandardButton AskOverwrite(const QString& text) override
    {
        questions.push_back(text);
        return overwrite;
    }
    void ShowLoadError(const QString& text) override { loadErrors.push_back(text); }

    QStringList answers; // an empty answer cancels; none left cancels too
    QStringList proposals;
    QStringList questions;
    QStringList loadErrors;
    QMessageBox::StandardButton overwrite = QMessageBox::Yes;

private:
    std::optional<QString> Answer(const QString& filter, const QString& proposed)
    {
        EXPECT_EQ(filter, "Kelvane files,*.KVN (*.KVN)");
        proposals << proposed;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }
};

class FileCommands : public ::testing::Test {
protected:
    FileCommands() : controller(folder.Str())
    {
        controller.State().random = std::make_unique<RandomSource>(RandomSource::Deterministic(11));
        controller.Main();
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        controller.SetDialogs(std::move(owned));
    }
    ~FileCommands() override { controller.MainWindow()->close(); }

    QString In(const std::string& name) const
    {
        return QString::fromStdString((folder.Path() / name).string());
    }
    std::string Caption() { return controller.OrbitalDisplay()->windowTitle().toStdString(); }

    TempFolder folder;
    Controller controller;
    ScriptedDialogs* dialogs = nullptr;
};

TEST_F(FileCommands, SaveProposesTheNameOrTheFileAndAddsTheExtension)
{
    AppState& app = controller.State();
    // A fresh system: its name, without an extension.
    dialogs->answers.push_back(In("Unnamed System"));
    controller.SaveSystemAsCommand();
    EXPECT_EQ(dialogs->proposals.back(), "Unnamed System");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() / "Unnamed System.KVN"));
    EXPECT_EQ(app.CurrentFileName, (folder.Path() / "Unnamed System.KVN").string());
    EXPECT_EQ(Caption(), "Orbital Display (Unnamed System)");

    // Then the file; after New Orbits Only the name again.
    controller.SaveSystemAsCommand();
    EXPECT_EQ(dialogs->proposals.back().toStdString(), app.CurrentFileName);
    controller.NewOrbitsOnlyCommand();
    app.system.SystemName = "Vega";
    controller.SaveSystemAsCommand();
    EXPECT_EQ(dialogs->proposals.back(), "Vega");

    dialogs->answers = {In("alpha"), In("alpha.txt")};
    controller.SaveSystemAsCommand();
    controller.SaveSystemAsCommand();
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "alpha.KVN"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "alpha.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "alpha.txt.KVN"));

    // A point in a folder's name counts too.
    std::filesystem::create_directory(folder.Path() / "my.systems");
    dialogs->answers = {In("my.systems/gamma")};
    controller.SaveSystemAsCommand();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() / "my.systems" / "gamma"));
    EXPECT_TRUE(dialogs->questions.isEmpty());
}

TEST_F(FileCommands, OverwriteIsAskedForTheFinalName)
{
    AppState& app = controller.State();
    const auto beta = folder.Path() / "beta.KVN";
    test::WriteFile(beta, "old contents");
    dialogs->answers = {In("beta")};
    dialogs->overwrite = QMessageBox::No;
    app.CurrentFileName.clear();
    controller.SaveSystemAsCommand();
    ASSERT_EQ(dialogs->questions.size(), 1);
    EXPECT_EQ(dialogs->questions[0], In("beta.KVN") + "\nThis file already exists. Overwrite it?");
    EXPECT_EQ(test::ReadFile(beta), "old contents");
    EXPECT_EQ(dialogs->proposals.size(), 1); // the dialog did not open again
    EXPECT_EQ(app.CurrentFileName, "");

    dialogs->answers = {In("beta")};
    dialogs->overwrite = QMessageBox::Cancel;
    controller.SaveSystemAsCommand();
    EXPECT_EQ(test::ReadFile(beta), "old contents");

    dialogs->answers = {In("beta")};
    dialogs->overwrite = QMessageBox::Yes;
    controller.SaveSystemAsCommand();
    EXPECT_EQ(test::ReadFile(beta), SystemFileText(app.system, '.'));
    EXPECT_EQ(app.CurrentFileName, beta.string());
}

TEST_F(FileCommands, FailuresAndCancelChangeNothing)
{
    AppState& app = controller.State();
    const StarSystem before = app.system;
    controller.SaveSystemAsCommand(); // cancelled
    controller.OpenSystemCommand();   // cancelled
    dialogs->answers = {In("no-such-folder/x"), In("missing.KVN")};
    controller.SaveSystemAsCommand();
    controller.OpenSystemCommand();
    EXPECT_EQ(app.system, before);
    EXPECT_EQ(app.CurrentFileName, "");
    EXPECT_TRUE(dialogs->loadErrors.isEmpty());
}

TEST_F(FileCommands, LoadShowsTheSystemEverywhere)
{
    AppState& app = controller.State();
    StarSystem saved = app.system;
    saved.SystemName = "Vega";
    const auto path = folder.Path() / "vega.KVN";
    ASSERT_TRUE(SaveSystemFile(saved, path.string(), '.').Ok());
    controller.NewSystemCommand();

    dialogs->answers = {In("vega.KVN")};
    controller.OpenSystemCommand();
    EXPECT_EQ(app.system, saved);
    EXPECT_EQ(app.CurrentFileName, path.string());
    EXPECT_EQ(Caption(), "Orbital Display (Vega)");
    EXPECT_EQ(dialogs->proposals.back(), "");
    controller.OpenSystemCommand(); // cancelled: proposes the loaded file
    EXPECT_EQ(dialogs->proposals.back().toStdString(), path.string());

    // A file of neither kind: the "Load Error" box, nothing loaded.
    test::WriteFile(folder.Path() / "other.KVN", "not a system\n");
    dialogs->answers = {In("other.KVN")};
    controller.OpenSystemCommand();
    EXPECT_EQ(dialogs->loadErrors, QStringList({"This is not a Kelvane 2.0 file."}));
    EXPECT_EQ(app.system, saved);
    EXPECT_EQ(app.CurrentFileName, path.string());
}

TEST(FileExists, OnlyRegularFiles)
{
    TempFolder folder;
    test::WriteFile(folder.Path() / "a.KVN", "x");
    EXPECT_TRUE(FileExists((folder.Path() / "a.KVN").string()));
    EXPECT_FALSE(FileExists(folder.Str()));
    EXPECT_FALSE(FileExists((folder.Path() / "b.KVN").string()));
    EXPECT_FALSE(FileExists(""));
}

} // namespace
} // namespace kelvane
