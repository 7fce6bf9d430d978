#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "core/model/SystemCode.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvane {

// New from Code's dialog: a box for a system code. OK takes the code only
// when it reads as one; otherwise the dialog says why under the box and stays
// open with the text selected, so that a mistyped code can be put right.
class frmNewFromCode final : public QDialog {
    Q_OBJECT

public:
    explicit frmNewFromCode(QWidget* parent);

    // Puts text in the box, selected.
    void Propose(const QString& text);
    // The code that OK accepted; nothing before.
    const std::optional<SystemCode>& Code() const { return m_code; }

    // The dialog's message for a text that is no code, from the reason
    // the decoder gives.
    static QString NotACodeMessage(const std::string& reason);

private:
    void OnOkay();

    QLineEdit* m_txtCode = nullptr;
    QLabel* m_lblError = nullptr;
    QPushButton* m_okay = nullptr;
    std::optional<SystemCode> m_code;
};

} // namespace kelvane
