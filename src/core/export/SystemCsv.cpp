#include "core/export/SystemCsv.h"

#include <array>
#include <iterator>

#include "core/model/Codes.h"
#include "core/text/BufferedAppender.h"

namespace kelvane {

namespace {

bool NeedsCsvQuotes(std::string_view field)
{
    // A plain loop: find_first_of calls memchr over the four characters for
    // every byte of the field, a third of the whole run's time.
    for (const char c : field)
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    return false;
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

// "contents,environment" for an orbit's type, with the names the JSON gives,
// joined once so that a row puts them in one piece: the six environments in
// their order, then nothing, asteroids and any other value.
std::string_view OrbitNames(std::int32_t type)
{
    constexpr std::size_t Nothing = std::size(EnvironmentCodes), Asteroids = Nothing + 1, Other = Nothing + 2;
    constexpr std::int32_t OtherType = 1; // no orbit type has this value
    static const auto names = [] {
        std::array<std::string, Other + 1> all;
        for (std::size_t i = 0; i < Nothing; ++i)
            all[i] = std::string(ContentsKeyword(EnvironmentCodes[i])) + ',' +
                     std::string(EnvironmentName(EnvironmentCodes[i]));
        all[Nothing] = std::string(ContentsKeyword(TypeNothing)) + ',';
        all[Asteroids] = std::string(ContentsKeyword(TypeAsteroids)) + ',';
        all[Other] = std::string(ContentsKeyword(OtherType)) + ',';
        return all;
    }();
    for (std::size_t i = 0; i < Nothing; ++i)
        if (EnvironmentCodes[i] == type)
            return names[i];
    if (type == TypeNothing)
        return names[Nothing];
    return names[type == TypeAsteroids ? Asteroids : Other];
}

void PutDistance(BufferedAppender& out, Distance value)
{
    out.PutWritten<Distance::MaxTextLength>([value](char* p) { return value.FormatTo(p); });
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
    // The star's columns start every row: written once, then copied.
    std::string star;
    {
        BufferedAppender columns(star);
        columns.PutNumber(systemNumber);
        columns.Put(',');
        PutCsvField(columns, system.SystemName);
        columns.Put(',');
        columns.PutNumber(system.StarClass);
        columns.Put(',');
        columns.PutNumber(system.StarType);
        for (const Distance distance : {system.BiozoneMin, system.BiozoneMax, system.InnerLimit}) {
            columns.Put(',');
            PutDistance(columns, distance);
        }
        columns.Put(',');
    }
    // The names end every row, after the code: the columns before them keep
    // their places for readers that count them. The names come from the
    // program's tables and hold no character that needs quotes.
    // The longest names, "Main Sequence (V)" and "Yellow-White (F)", fit
    // well within the buffer.
    const std::string_view className = StarClassName(system.StarClass);
    const std::string_view typeName = StarTypeName(system.StarType, system.StarClass);
    std::array<char, 64> namesText{};
    std::size_t namesLength = 0;
    for (const std::string_view piece :
         {std::string_view(","), className, std::string_view(","), typeName, std::string_view(",")}) {
        piece.copy(namesText.data() + namesLength, piece.size());
        namesLength += piece.size();
    }
    const std::string_view starNames(namesText.data(), namesLength);

    BufferedAppender csv(out);
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        csv.Put(star);
        for (const int number : {n, int{orbit.Type}, int{orbit.Radius}, int{orbit.Moons}}) {
            csv.PutNumber(number);
            csv.Put(',');
        }
        PutCsvField(csv, orbit.Elements.View());
        csv.Put(',');
        PutDistance(csv, orbit.AU);
        csv.Put(',');
        for (const int number : {orbit.PosX, orbit.PosY, orbit.PosXArc, orbit.PosYArc}) {
            csv.PutNumber(number);
            csv.Put(',');
        }
        PutCsvField(csv, code);
        csv.Put(starNames);
        csv.Put(OrbitNames(orbit.Type));
        csv.Put('\n');
    }
}

} // namespace kelvane
