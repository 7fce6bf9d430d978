#include "render/CoreText.h"

#include <QCoreApplication>
#include <array>

namespace kelvane {

namespace {

// Every word of the core's tables, and its fixed messages, so that the
// translation tools find them here; the core itself knows nothing of
// languages.
constexpr std::array Words = {
    QT_TRANSLATE_NOOP("CoreText", "Planet"),
    QT_TRANSLATE_NOOP("CoreText", "Asteroids"),
    QT_TRANSLATE_NOOP("CoreText", "None"),
    QT_TRANSLATE_NOOP("CoreText", "Hostile"),
    QT_TRANSLATE_NOOP("CoreText", "Poor"),
    QT_TRANSLATE_NOOP("CoreText", "Average"),
    QT_TRANSLATE_NOOP("CoreText", "Good"),
    QT_TRANSLATE_NOOP("CoreText", "Excellent"),
    QT_TRANSLATE_NOOP("CoreText", "Subdwarf (VI)"),
    QT_TRANSLATE_NOOP("CoreText", "White Dwarf (D)"),
    QT_TRANSLATE_NOOP("CoreText", "Main Sequence (V)"),
    QT_TRANSLATE_NOOP("CoreText", "Subgiant (IV)"),
    QT_TRANSLATE_NOOP("CoreText", "Giant (III)"),
    QT_TRANSLATE_NOOP("CoreText", "Large Giant (II)"),
    QT_TRANSLATE_NOOP("CoreText", "Super Giant (I)"),
    QT_TRANSLATE_NOOP("CoreText", "Blue (O)"),
    QT_TRANSLATE_NOOP("CoreText", "Blue-White (B)"),
    QT_TRANSLATE_NOOP("CoreText", "White (A)"),
    QT_TRANSLATE_NOOP("CoreText", "Yellow-White (F)"),
    QT_TRANSLATE_NOOP("CoreText", "Yellow (G)"),
    QT_TRANSLATE_NOOP("CoreText", "Orange (K)"),
    QT_TRANSLATE_NOOP("CoreText", "Red (M)"),
    QT_TRANSLATE_NOOP("CoreText", "Normal"),
    QT_TRANSLATE_NOOP("CoreText", "Double"),
    QT_TRANSLATE_NOOP("CoreText", "Triple"),
    QT_TRANSLATE_NOOP("CoreText", "Star in its colour"),
    QT_TRANSLATE_NOOP("CoreText", "Good or Excellent world"),
    QT_TRANSLATE_NOOP("CoreText", "Asteroid belts"),
    QT_TRANSLATE_NOOP("CoreText", "Notes"),
    // Why a system code is refused.
    QT_TRANSLATE_NOOP("CoreText", "it holds a character that no code has"),
    QT_TRANSLATE_NOOP("CoreText", "it is too long"),
    QT_TRANSLATE_NOOP("CoreText", "it is too short or cut off"),
    QT_TRANSLATE_NOOP("CoreText", "its check does not match; a character is wrong or missing"),
    QT_TRANSLATE_NOOP("CoreText", "its star is out of range"),
    QT_TRANSLATE_NOOP("CoreText", "its star is not one of the star table"),
    QT_TRANSLATE_NOOP("CoreText", "its clock readings are out of range"),
    QT_TRANSLATE_NOOP("CoreText", "it was made by another version of Kelvane"),
    QT_TRANSLATE_NOOP("CoreText", "its Bio Zone is out of range"),
    QT_TRANSLATE_NOOP("CoreText", "its system number is out of range"),
    // Why a sector folder is not written.
    QT_TRANSLATE_NOOP("CoreText", "is a symbolic link; choose the folder it names"),
    QT_TRANSLATE_NOOP("CoreText", "not a folder"),
    QT_TRANSLATE_NOOP("CoreText", "the PDF could not be made"),
    QT_TRANSLATE_NOOP("CoreText", "Load Error"),
    QT_TRANSLATE_NOOP("CoreText", "This is not a Kelvane 2.0 file."),
    // What the operating system says most often of a file or folder; its
    // other texts stay as it gives them.
    QT_TRANSLATE_NOOP("CoreText", "No such file or directory"),
    QT_TRANSLATE_NOOP("CoreText", "Permission denied"),
    QT_TRANSLATE_NOOP("CoreText", "Is a directory"),
    QT_TRANSLATE_NOOP("CoreText", "Not a directory"),
    QT_TRANSLATE_NOOP("CoreText", "No space left on device"),
    QT_TRANSLATE_NOOP("CoreText", "Read-only file system"),
    QT_TRANSLATE_NOOP("CoreText", "Not a regular file"),
    // Why a sector folder cannot be written now.
    QT_TRANSLATE_NOOP("CoreText", "another program is writing a folder beside it; try again when it is done"),
    QT_TRANSLATE_NOOP("CoreText", "not a folder that can be replaced"),
    QT_TRANSLATE_NOOP("CoreText", "IniFile Logic Error"),
    QT_TRANSLATE_NOOP("CoreText", "[Section] and FileName Not Registered in Private.Ini!"),
};

} // namespace

QString CoreText(std::string_view english)
{
    // Only the table's own words are looked up: anything else (a name, a
    // number) is shown as it is, even where it happens to be a word.
    for (const char* word : Words)
        if (english == word)
            return QCoreApplication::translate("CoreText", word);
    return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
}

QString CoreText(const Message& message)
{
    std::string out;
    for (const Message::Piece& piece : message.Pieces()) {
        // The template is translated as a whole; the values go in after, so
        // that nothing in them is translated or taken for a place.
        const QByteArray text = QCoreApplication::translate("CoreText", piece.text.c_str()).toUtf8();
        out += FillPlaces(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                          piece.values);
    }
    return QString::fromStdString(out);
}

} // namespace kelvane
