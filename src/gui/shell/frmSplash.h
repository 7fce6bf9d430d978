#pragma once

#include <QDialog>

namespace kelvane {

// The About window: the program's title, a picture, its version and credits.
// Made afresh for every opening and centred on the screen.
class frmSplash final : public QDialog {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace kelvane
