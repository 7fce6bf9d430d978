#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kelvane {

// The Quick Tips window: two buttons that ask for a new system or new orbits,
// and three tips on how to use the program. It lays itself out anew at every
// size.
class frmQuickOpts final : public QWidget {
    Q_OBJECT

public:
    explicit frmQuickOpts(QWidget* parent = nullptr);

    // The outer size the window takes when it is loaded, before a recorded
    // placement replaces it.
    static QSize LoadSize();
    // The smallest outer width and height the window may have.
    static int MinimumOuterSide();

    // The tips text, assembled from its pieces.
    static QString TipsText();

    // Where the two buttons and the text box go in a client area of the given
    // size, in twips: Command1, Command2, Text1.
    struct Layout {
        QRectF command1, command2, text1;
    };
    static Layout LayoutFor(int clientWidthTwips, int clientHeightTwips);

signals:
    void GenerateSystemClicked();
    void RegenerateOrbitsClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyLayout();

    QPushButton* m_command1;
    QPushButton* m_command2;
    QPlainTextEdit* m_text1;
};

} // namespace kelvane
