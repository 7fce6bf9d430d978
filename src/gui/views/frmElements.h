#pragma once

#include <QWidget>
#include <array>

#include "core/model/StarSystem.h"

class QLabel;

namespace kelvane {

class Controller;

// The Elements window: the element letters of every orbit, one row each.
class frmElements final : public QWidget {
    Q_OBJECT

public:
    explicit frmElements(Controller& controller);

    // Rewrites the ten element cells from the current system.
    void RefreshForm();

private:
    Controller& m_controller;
    std::array<QLabel*, StarSystem::OrbitCount> m_elementsLabel{};
};

} // namespace kelvane
