#include "core/export/SystemCsv.h"

#include "core/export/OrbitTypeTexts.h"
#include "core/model/Codes.h"
#include "core/text/BufferedAppender.h"

namespace kelvane {

namespace {

bool NeedsCsvQuotes(std::string_view field)
{
    // Every byte is looked at, without an early return, so that the compiler
    // compares sixteen at a time; fields here are short.
    unsigned char special = 0;
    for (const char c : field)
        special |= static_cast<unsigned char>(c == ',' || c == '"' || c == '\r' || c == '\n');
    return special != 0;
}

// A field as it is, or in quotes with its own quotes doubled when it holds a
// comma, a quote, CR or LF.
void PutCsvField(BufferedAppender& out, std::string_view field)
{
    if (!NeedsCsvQuotes(field)) {
        out.Put(field);
        return;
    }
    out.Put('"');
    for (const char c : field) {
        if (c == '"')
            out.Put('"');
        out.Put(c);
    }
    out.Put('"');
}

// "contents,environment\n" for an orbit's type, the end of its row, with the
// names the JSON gives (no environment for anything but a planet).
std::string_view OrbitNames(std::int32_t type)
{
    static const OrbitTypeTexts names([](std::int32_t orbitType) {
        return std::string(ContentsKeyword(orbitType)) + ',' + std::string(EnvironmentName(orbitType)) + '\n';
    });
    return names.Of(type);
}

// A whole number and the comma after it, at p; the end of what was written.
template <typename Int> char* WriteColumn(char* p, Int value)
{
    p = WriteNumber(p, value);
    *p++ = ',';
    return p;
}

char* WriteColumn(char* p, Distance value)
{
    p = value.FormatTo(p);
    *p++ = ',';
    return p;
}

} // namespace

void AppendCsvHeader(std::string& out)
{
    out += "system,name,star_class,star_type,biozone_min,biozone_max,inner_limit,orbit,type,radius,"
           "moons,elements,au,pos_x,pos_y,pos_x_arc,pos_y_arc,code,star_class_name,star_type_name,"
           "contents,environment\n";
}

void AppendCsvRows(std::string& out, const StarSystem& system, std::uint64_t systemNumber,
                   std::string_view code)
{
    // What is the same in all ten rows is written once and copied: the
    // star's columns, which start every row, and the code and the star's
    // names, which follow the orbit's columns. The names come from the
    // program's tables and hold no character that needs quotes; they end the
    // row, with the orbit's names, so that the columns before them keep their
    // places for readers that count them.
    std::string starColumns;
    std::size_t starEnd = 0;
    {
        BufferedAppender columns(starColumns);
        columns.PutNumber(systemNumber);
        columns.Put(',');
        PutCsvField(columns, system.SystemName);
        columns.Put(',');
        columns.PutWritten<2 * (MostDigits + 1) + 3 * (Distance::MaxTextLength + 1)>([&system](char* p) {
            p = WriteColumn(p, system.StarClass);
            p = WriteColumn(p, system.StarType);
            for (const Distance distance : {system.BiozoneMin, system.BiozoneMax, system.InnerLimit})
                p = WriteColumn(p, distance);
            return p;
        });
        starEnd = columns.Flush().size();
        PutCsvField(columns, code);
        columns.Put(',');
        columns.Put(StarClassName(system.StarClass));
        columns.Put(',');
        columns.Put(StarTypeName(system.StarType, system.StarClass));
        columns.Put(',');
    }
    const std::string_view star = std::string_view(starColumns).substr(0, starEnd);
    const std::string_view codeAndNames = std::string_view(starColumns).substr(starEnd);

    BufferedAppender csv(out);
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        csv.Put(star);
        csv.PutWritten<4 * (MostDigits + 1)>([n, &orbit](char* p) {
            p = WriteColumn(p, n);
            p = WriteColumn(p, orbit.Type);
            p = WriteColumn(p, orbit.Radius);
            return WriteColumn(p, orbit.Moons);
        });
        PutCsvField(csv, orbit.Elements.View());
        csv.PutWritten<1 + Distance::MaxTextLength + 1 + 4 * (MostDigits + 1)>([&orbit](char* p) {
            *p++ = ',';
            p = WriteColumn(p, orbit.AU);
            p = WriteColumn(p, orbit.PosX);
            p = WriteColumn(p, orbit.PosY);
            p = WriteColumn(p, orbit.PosXArc);
            return WriteColumn(p, orbit.PosYArc);
        });
        csv.Put(codeAndNames);
        csv.Put(OrbitNames(orbit.Type));
    }
}

} // namespace kelvane
