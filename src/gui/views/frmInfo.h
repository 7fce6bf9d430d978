#pragma once

#include <QWidget>
#include <array>

#include "core/AppState.h"
#include "core/model/StarSystem.h"

class QLabel;
class QLineEdit;

namespace kelvane {

// The Information window: the system's name, star, habitable zone and one
// row per orbit. It shows the state it is given and reports what the user
// asks for: a new name typed into the name box, and right-clicks on the
// Contains and Environment cells, which ask for the popup menus of an orbit.
class frmInfo final : public QWidget {
    Q_OBJECT

public:
    explicit frmInfo(const AppState& app, QWidget* parent = nullptr);

    // Rewrites every value control from the current state.
    void RefreshForm();

signals:
    // The name box's whole text changed, by the user or by RefreshForm.
    void NameEdited(const QString& name);
    // The user is done with the name box for now: Enter, or the focus left it.
    void NameEditingFinished();
    // The right button was released over the Contains cell of orbit n (1 to
    // 10), or over its Environment cell; globalPosition is the pointer's.
    void ContainsPopupAsked(int n, const QPoint& globalPosition);
    void EnvironmentPopupAsked(int n, const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Column = std::array<QLabel*, StarSystem::OrbitCount>;

    void CreateUpperBlock();
    void CreateTable();

    const AppState& m_app;
    QLineEdit* m_txtInput = nullptr;
    QLabel* m_starTypeLabel = nullptr;
    QLabel* m_starClassLabel = nullptr;
    QLabel* m_biozoneLabel = nullptr;
    Column m_containsLabel{};
    Column m_environmentLabel{};
    Column m_moonsLabel{};
    Column m_auLabel{};
};

} // namespace kelvane
