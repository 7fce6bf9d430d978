#pragma once

#include <QWidget>
#include <array>

#include "core/AppState.h"
#include "core/model/StarSystem.h"

class QLabel;

namespace kelvane {

// The Elements window: the element letters of every orbit, one row each.
class frmElements final : public QWidget {
    Q_OBJECT

public:
    explicit frmElements(const AppState& app, QWidget* parent = nullptr);

    // Rewrites the ten element cells from the current system.
    void RefreshForm();

private:
    const AppState& m_app;
    std::array<QLabel*, StarSystem::OrbitCount> m_elementsLabel{};
};

} // namespace kelvane
