#include "gui/shell/frmNewFromCode.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/CoreText.h"
#include "render/QtText.h"

namespace kelvane {

frmNewFromCode::frmNewFromCode(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNewFromCode"));
    setWindowTitle(tr("New from Code"));

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("&System code:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(prompt);

    m_txtCode = new QLineEdit(this);
    m_txtCode->setObjectName(QStringLiteral("txtCode"));
    // Room for a code of the longest kind, in its groups of four.
    m_txtCode->setMinimumWidth(m_txtCode->fontMetrics().horizontalAdvance(QStringLiteral("0000-")) * 11);
    prompt->setBuddy(m_txtCode);
    layout->addWidget(m_txtCode);

    m_lblError = new QLabel(this);
    m_lblError->setObjectName(QStringLiteral("lblError"));
    m_lblError->setWordWrap(true);
    m_lblError->setTextFormat(Qt::PlainText);
    m_lblError->hide();
    layout->addWidget(m_lblError);

    auto* buttons = new QDialogButtonBox(this);
    m_okay = buttons->addButton(QDialogButtonBox::Ok);
    m_okay->setObjectName(QStringLiteral("Okay"));
    m_okay->setDefault(true);
    m_okay->setEnabled(false);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("Cancel"));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okay, &QPushButton::clicked, this, &frmNewFromCode::OnOkay);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_txtCode, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_okay->setEnabled(!text.trimmed().isEmpty());
        m_lblError->hide();
    });
}

void frmNewFromCode::Propose(const QString& text)
{
    m_txtCode->setText(text);
    m_txtCode->selectAll();
}

QString frmNewFromCode::NotACodeMessage(const std::string& reason)
{
    return tr("This is not a system code: %1.").arg(CoreText(reason));
}

void frmNewFromCode::OnOkay()
{
    std::string reason;
    m_code = DecodeSystemCode(FromQt(m_txtCode->text()), &reason);
    if (m_code) {
        accept();
        return;
    }
    m_lblError->setText(NotACodeMessage(reason));
    m_lblError->show();
    m_txtCode->setFocus();
    m_txtCode->selectAll();
}

} // namespace kelvane
