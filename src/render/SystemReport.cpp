#include "render/SystemReport.h"

#include "render/QtText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QStringDecoder>
#include <algorithm>
#include <string>
#include <string_view>

#include "core/drawing/OrbitalDisplay.h"
#include "core/model/NumberText.h"
#include "core/model/modGenerate.h"
#include "render/CoreText.h"
#include "render/ReportUnits.h"

namespace kelvane {

namespace {

constexpr double BodyPoints = 10;
constexpr double TitlePoints = 17.5;
constexpr double HeaderPoints = 8;
constexpr double SideTitlePoints = 20;

// The picture: 9000 twips square, and the tables start 180 twips below it.
constexpr double PictureSize = 9000;
constexpr double BelowPicture = 9180;

// Alignment 7, of the orbit tables' middle columns and of the side title:
// centred across and down.
constexpr Qt::Alignment Alignment7 = Qt::AlignCenter;

// The page holds one line of title: a name too long for width twips in font
// ends in an ellipsis, so that the picture and the tables stay on the page.
QString OneLine(const QString& text, const ReportFont& font, double width)
{
    return QFontMetricsF(TwipsFont(font)).elidedText(text, Qt::ElideRight, width);
}

// The report's own words, in the language of the installed translators.
QString Tr(const char* english)
{
    return QCoreApplication::translate("SystemReport", english);
}

QString Text(std::string_view ascii)
{
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

void SetWidths(ReportTable& table, std::initializer_list<double> inches)
{
    int column = 1;
    for (double width : inches)
        table.SetColumnWidth(column++, InchTwips(width));
}

void SetOrbitWidths(ReportTable& table)
{
    SetWidths(table, {0.5, 1, 1, 0.625, 0.625, 2.5});
}

void CentreMiddleColumns(ReportTable& table)
{
    for (int column = 2; column <= 5; ++column)
        table.SetColumnAlignment(column, Alignment7);
}

ReportTable StarTable(const StarSystem& system)
{
    ReportTable table(4, 2);
    SetWidths(table, {1.5, 1.75, 1.5, 1.75});
    table.Cell(1, 1).Text = Tr(QT_TRANSLATE_NOOP("SystemReport", "Star Type"));
    table.Cell(1, 2).Text = CoreText(StarTypeName(system.StarType, system.StarClass));
    table.Cell(1, 3).Text = Tr(QT_TRANSLATE_NOOP("SystemReport", "Star Class"));
    table.Cell(1, 4).Text = CoreText(StarClassName(system.StarClass));
    table.Cell(2, 1).Text = Tr(QT_TRANSLATE_NOOP("SystemReport", "Habitable Zone"));
    table.Cell(2, 2).Text = HabitableZoneText(system);
    for (auto [row, column] : {std::pair{1, 1}, {1, 3}, {2, 1}})
        table.Cell(row, column).BackColor = ReportLightGrey;
    return table;
}

ReportTable OrbitHeadingTable()
{
    ReportTable table(6, 1);
    SetOrbitWidths(table);
    const char* headings[] = {QT_TRANSLATE_NOOP("SystemReport", "Orbit"),
                              QT_TRANSLATE_NOOP("SystemReport", "Contains"),
                              QT_TRANSLATE_NOOP("SystemReport", "Environment"),
                              QT_TRANSLATE_NOOP("SystemReport", "Moons"),
                              QT_TRANSLATE_NOOP("SystemReport", "AUs"),
                              QT_TRANSLATE_NOOP("SystemReport", "Elements Available")};
    for (int column = 1; column <= 6; ++column) {
        table.Cell(1, column).Text = Tr(headings[column - 1]);
        table.Cell(1, column).BackColor = ReportLightGrey;
    }
    CentreMiddleColumns(table);
    return table;
}

ReportTable OrbitTable(const StarSystem& system, const AppSettings& settings, char decimalSeparator)
{
    ReportTable table(6, StarSystem::OrbitCount);
    SetOrbitWidths(table);
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        const std::int32_t type = orbit.Type;
        table.Cell(n, 1).Text = QString::number(n);

        table.Cell(n, 2).Text = CoreText(ContentsName(type));
        table.Cell(n, 3).Text = CoreText(EnvironmentName(type));
        const Colour environment = IsEnvironment(type) ? type : ColourWhite;
        if (IsPlanetType(type))
            table.Cell(n, 4).Text = QString::number(orbit.Moons);
        table.Cell(n, 5).Text = Text(OneDecimalText(orbit.AU, decimalSeparator));
        const Colour distance = WithinBiozone(system, orbit.AU) ? ColourBlue : ColourWhite;
        if (type != TypeNothing)
            table.Cell(n, 6).Text = Text(orbit.Elements.View());
        table.Cell(n, 6).FontName = QStringLiteral("Courier New");

        // Without coloured text both cells take the value 0; a fill of 0
        // would hide the black text, so the cells are left unfilled on the
        // paper's white, as the Information window shows them.
        if (settings.ColorText != 0) {
            table.Cell(n, 3).BackColor = environment;
            table.Cell(n, 5).BackColor = distance;
        }
    }
    CentreMiddleColumns(table);
    return table;
}

} // namespace

Colour ReportPictureBackColor(const AppSettings& settings)
{
    return settings.SwapBW != 0 ? ReportLightGrey : 0;
}

Colour AfterReportBackColor(const AppSettings& settings)
{
    return settings.SwapBW != 0 ? 0 : ColourWhite;
}

QString ReportTitle(const StarSystem& system)
{
    if (system.SystemName.empty())
        return Tr(QT_TRANSLATE_NOOP("SystemReport", "Unnamed System"));
    // Only the start of a name longer than any line can show is kept. Qt
    // measures a whole text in fixed point, which overflows for hundreds of
    // thousands of characters: eliding such a name gave it back whole, to be
    // laid out line after line, and the PDF carried all of it as its title.
    const std::string& name = system.SystemName;
    std::size_t bytes = std::min<std::size_t>(name.size(), 4 * MaxTitleCharacters); // enough UTF-8
    while (bytes < name.size() && bytes > 0 && (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80)
        --bytes; // not inside a UTF-8 character
    QString title = ToQt(bytes == name.size() ? name : name.substr(0, bytes));
    if (title.size() > MaxTitleCharacters || bytes < name.size()) {
        qsizetype keep = std::min<qsizetype>(title.size(), MaxTitleCharacters);
        if (title.at(keep - 1).isHighSurrogate())
            --keep;
        title.truncate(keep);
        title += QChar(0x2026);
    }
    return title;
}

QString HabitableZoneText(const StarSystem& system)
{
    // The numbers keep their form in every language; only the words change.
    return Tr(QT_TRANSLATE_NOOP("SystemReport", "%1 to %2 AUs"))
        .arg(Text(ShortNumberText(system.BiozoneMin)), Text(ShortNumberText(system.BiozoneMax)));
}

ReportDocument BuildSystemReport(const StarSystem& system, const AppSettings& settings,
                                 Colour displayBackColor, Random& random, char decimalSeparator,
                                 DrawingSurface& picture)
{
    ReportDocument document;
    document.SetPageSize(LetterWidthTwips, LetterHeightTwips);
    document.SetMargins(InchTwips(0.75), InchTwips(0.75), InchTwips(0.5), InchTwips(0.5));
    document.SetFontName(QStringLiteral("Arial"));
    document.SetFontSize(BodyPoints);
    document.SetHeaderFont({QStringLiteral("Arial"), HeaderPoints});
    document.SetHeader(Tr(ReportHeaderText));
    document.SetFooter(QString::fromLatin1(ReportFooterText));
    document.StartDoc();

    const QString title = ReportTitle(system);
    const double bodyWidth = document.PageWidth() - document.MarginLeft() - document.MarginRight();
    document.SetFontSize(TitlePoints);
    document.Paragraph(OneLine(title, document.Font(), bodyWidth));
    document.SetFontSize(BodyPoints);

    const double tablesTop = document.CurrentY() + BelowPicture;
    DrawOrbitalDisplay(picture, system, settings, displayBackColor, random);
    document.SetPictureFill(displayBackColor);
    document.Picture(picture, document.CurrentX(), document.CurrentY(), PictureSize, PictureSize);
    document.SetCurrentY(tablesTop);

    document.AddTable(StarTable(system));
    document.Paragraph(QString());
    document.AddTable(OrbitHeadingTable());
    document.AddTable(OrbitTable(system, settings, decimalSeparator));

    document.SetTextAngle(2700);
    document.SetTextAlignment(Alignment7);
    document.SetTextColor(ReportLightGrey);
    document.SetFontSize(SideTitlePoints);
    const double sideLength = InchTwips(9);
    document.TextBox(OneLine(title, document.Font(), sideLength), InchTwips(7.75), InchTwips(0.75),
                     sideLength, InchTwips(0.5));
    return document;
}

ReportDocument BuildSystemReport(const StarSystem& system, const AppSettings& settings,
                                 Colour displayBackColor, Random& random, char decimalSeparator)
{
    DrawingSurface picture;
    return BuildSystemReport(system, settings, displayBackColor, random, decimalSeparator, picture);
}

} // namespace kelvane
