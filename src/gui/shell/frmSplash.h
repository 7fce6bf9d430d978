#pragma once

#include <QDialog>
#include <QString>

namespace kelvane {

// The About window: the program's title, a picture, its version and credits.
// Made afresh for every opening and centred on the screen.
class frmSplash final : public QDialog {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent);

    // "Version 3.5 b20" for major 3, minor 5, revision 20.
    static QString VersionText(int major, int minor, int revision);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace kelvane
