#pragma once

#include <QTest>
#include <QtWidgets>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "ScopedEnvironment.h"
#include "TempFolder.h"

#include "core/model/RandomSource.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/files/FileCommands.h"
#include "gui/sector/frmSector.h"
#include "gui/shell/ChildWindows.h"
#include "gui/shell/Controller.h"
#include "gui/shell/QtDialogs.h"
#include "gui/shell/mdiMain.h"
#include "gui/views/frmInfo.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace kelvane::test {

// Our texts and paths as Qt's.
inline QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}
inline QString Q(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// A small sector: 6 x 5 hexes from seed 5.
inline const SectorOptions SmallSector{5, 6, 5, 0.6, LifeSupportLevel::Good, BiozoneWidth::Double};

// The first hex, column by column, that holds no system.
inline HexNumber EmptyHex(const Sector& sector)
{
    for (int c = 1; c <= sector.Grid().Width(); ++c)
        for (int r = 1; r <= sector.Grid().Height(); ++r)
            if (sector.At({c, r}) == nullptr)
                return {c, r};
    ADD_FAILURE() << "no empty hex";
    return {1, 1};
}

struct DocumentAccess {
    static AppState& State(SystemDocument& document) { return document.m_app; }
};

// Answers every dialog of the File, Edit and Sector menus from a script and
// notes what each was offered, asked and told. A file dialog takes the next
// of the answers; an empty one, or none left, cancels.
class ScriptedDialogs final : public Dialogs {
public:
    std::optional<QString> ChooseOpen(const QString& filter, const QString& proposed) override
    {
        return Answer("open ", filter, proposed);
    }
    std::optional<QString> ChooseSave(const QString& filter, const QString& proposed) override
    {
        return Answer("save ", filter, proposed);
    }
    QMessageBox::StandardButton AskOverwrite(const QString& text) override
    {
        questions << text;
        return overwrite;
    }
    void ShowLoadError(const QString& text) override { loadErrors << text; }
    std::optional<ExportChoice> ChooseExport(const QStringList& filters, const QString& selected,
                                             const QString& proposed) override
    {
        offered = filters;
        proposals << selected + "|" + proposed;
        return exportTo;
    }
    void ShowExportError(const QString& text) override { errors << text; }
    void ShowImportError(const QString& text) override { errors << text; }
    std::optional<SystemCode> AskSystemCode() override { return code; }
    std::optional<SectorRequest> AskNewSector(const SectorRequest& /*proposed*/) override { return sector; }
    std::optional<QString> ChooseSectorFolder(const QString& proposed) override
    {
        proposals << "sector open " + proposed;
        return folder;
    }
    std::optional<SectorSaveChoice> ChooseSectorSaveFolder(const QString& proposed) override
    {
        proposals << "sector save " + proposed;
        return folder ? std::optional(SectorSaveChoice{*folder, book}) : std::nullopt;
    }
    // Progress as it was last shown; a cancel when cancelSave is set.
    std::unique_ptr<WorkProgress> ShowSaveProgress(const QString& /*folder*/) override
    {
        struct Progress final : WorkProgress {
            explicit Progress(ScriptedDialogs& owner) : dialogs(owner) {}
            void SetProgress(int done, int total) override { dialogs.progress = {done, total}; }
            bool Cancelled() override { return dialogs.cancelSave; }
            ScriptedDialogs& dialogs;
        };
        return std::make_unique<Progress>(*this);
    }
    void ShowSectorError(const QString& text) override { errors << text; }
    std::optional<QString> ChooseVaultFolder(const QString& proposed) override
    {
        proposals << "vault " + proposed;
        return folder;
    }
    CloseChoice AskSaveSector(const QString& name) override
    {
        questions << "save sector " + name;
        return closeChoice;
    }
    std::optional<QString> AskSectorName(const QString& current) override
    {
        proposals << "sector name " + current;
        return sectorName;
    }

    QStringList answers, proposals, questions, loadErrors, errors, offered;
    QMessageBox::StandardButton overwrite = QMessageBox::Yes;
    std::optional<ExportChoice> exportTo;
    std::optional<SystemCode> code;
    std::optional<SectorRequest> sector;
    std::optional<QString> folder;
    std::optional<QString> sectorName;
    CloseChoice closeChoice = CloseChoice::Cancel;
    bool book = true;
    bool cancelSave = false;
    std::pair<int, int> progress;

private:
    std::optional<QString> Answer(const QString& kind, const QString& filter, const QString& proposed)
    {
        EXPECT_TRUE(filter == "Kelvane files,*.KVN (*.KVN)" ||
                    filter == QCoreApplication::translate("FileCommands", "System JSON (*.json)"))
            << filter.toStdString();
        proposals << kind + proposed;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        return answer.isEmpty() ? std::nullopt : std::optional(answer);
    }
};

// A started program with a seeded source and scripted dialogs, in a fresh
// folder of its own, so that no test touches the user's settings, or in the
// given folder.
struct Program {
    // kept, when given, is where the open sector is kept at the end.
    explicit Program(const QString& folder = {}, const QString& kept = {})
        : controller((folder.isEmpty() ? own.path() : folder).toStdString(), kept.toStdString())
    {
        controller.SetDialogs(std::unique_ptr<Dialogs>(dialogs));
        controller.Document().Source() = RandomSource::Deterministic(3);
        controller.Main();
        main = controller.MainWindow();
    }
    ~Program()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QLocale::setDefault(locale);
    }

    template <class T = QAction> T* Find(const QString& name, const QWidget* in = nullptr) const
    {
        T* found = (in ? in : main)->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void Trigger(const QString& item) const { Find(item)->trigger(); }
    // The state as no step would change it, to set up what a test needs.
    AppState& State() { return DocumentAccess::State(controller.Document()); }
    StarSystem& System() { return State().system; }
    AppSettings& Settings() { return controller.Document().Settings(); }
    int UndoCount() { return controller.Document().History().index(); }
    ChildWindows& Windows() { return controller.Windows(); }
    SystemDocument& Document() { return controller.Document(); }
    const Sector* CurrentSector() { return Document().CurrentSector(); }
    QMdiSubWindow* Frame(QWidget* content) { return Windows().FrameOf(content); }
    SurfaceWidget* Display() { return Windows().OrbitalDisplay()->vsdDisplay(); }
    QLineEdit* NameBox() { return Find<QLineEdit>("txtInput", Windows().Info()); }
    QString UndoText() const { return Find("mnuEditUndo")->text(); }
    // The Window menu's items as it shows them when it opens.
    QStringList WindowMenu() const
    {
        auto* menu = Find<QMenu>("mnuWindow");
        emit menu->aboutToShow();
        QStringList titles;
        for (const QAction* action : menu->actions())
            titles << action->text();
        return titles;
    }
    // Makes a sector through the Sector menu; the frame of its window.
    QMdiSubWindow* NewSector(const SectorOptions& options = SmallSector)
    {
        dialogs->sector = SectorRequest{options, false};
        Trigger("mnuSectorNew");
        return Frame(Windows().SectorWindow());
    }
    // A cell of the Information window's orbit table.
    QLabel* Cell(const char* column, int row)
    {
        return Find<QLabel>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row), Windows().Info());
    }
    // Right-clicks a cell and clicks an item of the popup menu it shows.
    void Choose(const char* column, int row, const char* item)
    {
        QTest::mouseRelease(Cell(column, row), Qt::RightButton);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(Find(item, popup)).center());
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    // Shortcuts only reach a window that is active.
    void Activate() const
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    QLocale locale; // the default before the test, put back after it
    // Decimal points, whatever the locale of the machine running the tests.
    ScopedEnvironment numbers{"LC_ALL", "C"};
    QTemporaryDir own;
    Controller controller;
    ScriptedDialogs* dialogs = new ScriptedDialogs; // owned by the controller
    mdiMain* main = nullptr;
};

// Hands the next modal W to look and then closes it; fails when none shows
// within ten seconds, and closes whatever modal there is so nothing hangs.
template <class W> void WhenModal(std::function<void(W*)> look)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, look, ticks = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        W* wanted = qobject_cast<W*>(modal);
        if (wanted == nullptr && ++ticks < 500)
            return;
        if (wanted != nullptr)
            look(wanted);
        else
            ADD_FAILURE() << "no modal " << W::staticMetaObject.className() << " showed";
        if (modal != nullptr)
            modal->close();
        timer->stop();
        timer->deleteLater();
    });
    timer->start(20);
}

} // namespace kelvane::test
