#include "gui/views/frmForceOrbit.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "core/model/Codes.h"
#include "core/model/modGenerate.h"
#include "gui/display/Twips.h"
#include "gui/views/ViewLabels.h"
#include "platform/UserDecimalSeparator.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

QRadioButton* AddOption(QGroupBox* frame, const char* name, const char* caption, const QRect& rect)
{
    auto* option = new QRadioButton(frmForceOrbit::tr(caption), frame);
    option->setObjectName(QLatin1String(name));
    option->setGeometry(rect);
    return option;
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* caption, const QRect& rect)
{
    return AddViewLabel(parent, QLatin1String(name), frmForceOrbit::tr(caption), rect, LabelKind::Caption,
                        Qt::AlignLeft);
}

} // namespace

frmForceOrbit::frmForceOrbit(const AppState& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setObjectName(QStringLiteral("frmForceOrbit"));
    setWindowTitle(tr("Force Orbit"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(PxSize(4665, 3480));
    setSizeGripEnabled(false);
    CreateControls();
    CentreOnScreen();
}

void frmForceOrbit::CreateControls()
{
    auto* frame1 = new QGroupBox(tr("Fill Orbit With..."), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(PxRect(120, 120, 2175, 1575));
    m_fillOrbitPlanet =
        AddOption(frame1, "FillOrbitPlanet", QT_TR_NOOP("Planet"), PxRect(240, 360, 1095, 255));
    m_fillOrbitAsteroids =
        AddOption(frame1, "FillOrbitAsteroids", QT_TR_NOOP("Asteroids"), PxRect(240, 720, 1215, 255));
    m_fillOrbitNothing =
        AddOption(frame1, "FillOrbitNothing", QT_TR_NOOP("Nothing"), PxRect(240, 1080, 1095, 255));

    AddLabel(this, "Label1", QT_TR_NOOP("Orbit's AUs:"), PxRect(120, 1920, 1455, 255));
    m_orbitAUs = AddLabel(this, "OrbitAUs", "0", PxRect(1680, 1920, 615, 255));
    AddLabel(this, "Label3", QT_TR_NOOP("Within Biozone?"), PxRect(120, 2400, 1455, 255));
    m_withinBiozone = AddLabel(this, "WithinBiozone", QT_TR_NOOP("No"), PxRect(1680, 2400, 615, 255));

    auto* frame2 = new QGroupBox(tr("Planet Environment"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(PxRect(2400, 120, 2175, 2535));
    m_environments = {{
        {AddOption(frame2, "PlanetEnvNone", QT_TR_NOOP("None"), PxRect(240, 360, 1215, 255)), TypeEnvNone},
        {AddOption(frame2, "PlanetEnvHostile", QT_TR_NOOP("Hostile"), PxRect(240, 720, 1215, 255)),
         TypeEnvHostile},
        {AddOption(frame2, "PlanetEnvPoor", QT_TR_NOOP("Poor"), PxRect(240, 1080, 1335, 255)), TypeEnvPoor},
        {AddOption(frame2, "PlanetEnvAverage", QT_TR_NOOP("Average"), PxRect(240, 1440, 1335, 255)),
         TypeEnvAverage},
        {AddOption(frame2, "PlanetEnvGood", QT_TR_NOOP("Good"), PxRect(240, 1800, 1095, 255)), TypeEnvGood},
        {AddOption(frame2, "PlanetEnvExcellent", QT_TR_NOOP("Excellent"), PxRect(240, 2160, 1215, 255)),
         TypeEnvExcellent},
    }};

    m_okay = new QPushButton(tr("OK"), this);
    m_okay->setObjectName(QStringLiteral("Okay"));
    m_okay->setGeometry(PxRect(120, 2880, 2175, 495));
    m_okay->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setGeometry(PxRect(2400, 2880, 2175, 495));

    // The environments apply to a planet only, whoever chooses the contents.
    connect(m_fillOrbitPlanet, &QRadioButton::toggled, this, &frmForceOrbit::OnPlanetToggled);
    OnPlanetToggled(m_fillOrbitPlanet->isChecked());
    connect(m_okay, &QPushButton::clicked, this, &frmForceOrbit::OnOkay);
    // Escape and the close box reject too: the dialog is only hidden.
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmForceOrbit::CentreOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    // The window is made now so that its frame, where the platform knows
    // it already, counts in its size. In whole twips, halves dropped, as the
    // placements are kept.
    winId();
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    const int left = (Twips(area.width()) - Twips(size.width())) / 2;
    const int top = (Twips(area.height()) - Twips(size.height())) / 2;
    move(area.left() + Px(left), area.top() + Px(top));
}

void frmForceOrbit::OnPlanetToggled(bool planet)
{
    for (const EnvironmentOption& option : m_environments)
        option.button->setEnabled(planet);
}

void frmForceOrbit::ForceOrbit(int n)
{
    if (n < 1 || n > StarSystem::OrbitCount)
        return;
    const StarSystem& system = m_app.system;
    const OrbitRecord& orbit = system.Orbit(n);

    setWindowTitle(tr("Force Orbit %1").arg(n));
    m_orbitAUs->setText(QString::fromStdString(orbit.AU.Format(UserDecimalSeparator())));
    m_withinBiozone->setText(WithinBiozone(system, orbit.AU) ? tr("Yes") : tr("No"));

    if (orbit.Type == TypeNothing) {
        m_fillOrbitNothing->setChecked(true);
    } else if (orbit.Type == TypeAsteroids) {
        m_fillOrbitAsteroids->setChecked(true);
    } else {
        m_fillOrbitPlanet->setChecked(true);
        // A value outside the six codes leaves the environment as it was.
        for (const EnvironmentOption& option : m_environments)
            if (option.type == orbit.Type)
                option.button->setChecked(true);
    }

    show();
    raise();
    activateWindow();
}

int frmForceOrbit::CaptionOrbit() const
{
    bool ok = false;
    const int n = windowTitle().right(2).trimmed().toInt(&ok);
    return ok && n >= 1 && n <= StarSystem::OrbitCount ? n : 0;
}

void frmForceOrbit::OnOkay()
{
    const int n = CaptionOrbit();
    ForceChoice choice;
    bool chosen = true;
    if (m_fillOrbitPlanet->isChecked()) {
        choice.contents = ContentsPlanet;
        // None unless one of the five others is chosen.
        for (const EnvironmentOption& option : m_environments)
            if (option.button->isChecked())
                choice.environment = option.type;
    } else if (m_fillOrbitAsteroids->isChecked()) {
        choice.contents = ContentsAsteroids;
    } else if (m_fillOrbitNothing->isChecked()) {
        choice.contents = ContentsNothing;
    } else {
        chosen = false;
    }
    accept();
    if (n != 0 && chosen)
        emit Okayed(n, choice);
}

} // namespace kelvane
