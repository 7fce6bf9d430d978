#include "gui/sector/frmNewSector.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <charconv>

#include "gui/sector/SectorCaptions.h"
#include "render/QtText.h"

namespace kelvane {

frmNewSector::frmNewSector(const SectorRequest& proposed, QWidget* parent)
    : QDialog(parent), m_request(proposed)
{
    setObjectName(QStringLiteral("frmNewSector"));
    setWindowTitle(tr("New Sector"));
    const SectorOptions& options = proposed.options;

    auto* form = new QFormLayout;
    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("spnWidth"));
    m_width->setRange(1, SectorOptions::MaxWidth);
    m_width->setValue(options.width);
    form->addRow(tr("&Width (columns):"), m_width);
    m_height = new QSpinBox(this);
    m_height->setObjectName(QStringLiteral("spnHeight"));
    m_height->setRange(1, SectorOptions::MaxHeight);
    m_height->setValue(options.height);
    form->addRow(tr("&Height (rows):"), m_height);
    m_density = new QDoubleSpinBox(this);
    m_density->setObjectName(QStringLiteral("spnDensity"));
    m_density->setRange(0, 1);
    m_density->setDecimals(2);
    m_density->setSingleStep(0.05);
    m_density->setValue(options.density);
    m_density->setToolTip(tr("The chance that a hex holds a system"));
    form->addRow(tr("&Density:"), m_density);
    m_random = new QCheckBox(tr("&Random seed"), this);
    m_random->setObjectName(QStringLiteral("chkRandomSeed"));
    m_random->setChecked(proposed.randomSeed);
    form->addRow(QString(), m_random);
    m_seed = new QLineEdit(QString::number(options.seed), this);
    m_seed->setObjectName(QStringLiteral("txtSeed"));
    m_seed->setEnabled(!proposed.randomSeed);
    form->addRow(tr("&Seed:"), m_seed);
    auto* generation = new QLabel(GenerationCaption(options), this);
    generation->setObjectName(QStringLiteral("lblGeneration"));
    generation->setToolTip(tr("As the Options menu has them"));
    form->addRow(tr("Systems:"), generation);

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("lblError"));
    m_error->setWordWrap(true);
    m_error->setTextFormat(Qt::PlainText);
    m_error->hide();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* okay = buttons->addButton(QDialogButtonBox::Ok);
    okay->setObjectName(QStringLiteral("Okay"));
    okay->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_error);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okay, &QPushButton::clicked, this, &frmNewSector::OnOkay);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_random, &QCheckBox::toggled, this, [this](bool random) {
        m_seed->setEnabled(!random);
        m_error->hide();
        if (!random) {
            m_seed->setFocus();
            m_seed->selectAll();
        }
    });
    connect(m_seed, &QLineEdit::textChanged, m_error, &QWidget::hide);
}

void frmNewSector::OnOkay()
{
    SectorRequest request = m_request;
    request.options.width = m_width->value();
    request.options.height = m_height->value();
    request.options.density = m_density->value();
    request.randomSeed = m_random->isChecked();
    if (!request.randomSeed) {
        const std::string text = FromQt(m_seed->text().trimmed());
        std::uint64_t seed = 0;
        const auto read = std::from_chars(text.data(), text.data() + text.size(), seed);
        if (text.empty() || read.ec != std::errc{} || read.ptr != text.data() + text.size()) {
            m_error->setText(tr("The seed is a whole number from 0 to 18446744073709551615."));
            m_error->show();
            m_seed->setFocus();
            m_seed->selectAll();
            return;
        }
        request.options.seed = seed;
    }
    m_request = request;
    accept();
}

} // namespace kelvane
