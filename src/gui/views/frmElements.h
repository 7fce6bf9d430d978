#pragma once

#include <QWidget>

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
};

} // namespace kelvane
