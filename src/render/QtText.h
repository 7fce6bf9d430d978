#pragma once

#include <QString>
#include <string>

namespace kelvane {

// Texts passing between the core (bytes) and Qt (QString), for the windows,
// the report and the command line alike.

// A system name or element text as the core holds it. Files written here
// hold UTF-8; a name that is not valid UTF-8 came from an older file in a
// single-byte code page and is read as Latin-1.
QString ToQt(const std::string& bytes);

// A text typed by the user, as UTF-8 bytes for the core.
std::string FromQt(const QString& text);

// The bytes a text box now stands for, when it was filled with
// ToQt(stored): stored itself as long as the text is still what it showed,
// so that a name the user did not edit (one from an older file in another
// code page included) is kept byte for byte; the text as UTF-8 once it
// differs.
std::string FromQtKeeping(const QString& text, const std::string& stored);

} // namespace kelvane
