#pragma once

#include <string>

namespace kelvane {

// The folder that holds kelvane.ini. A program whose own folder the user can
// write (a build, or a copy kept anywhere) keeps its settings beside itself;
// an installed one, whose folder belongs to the system, keeps them in the
// user's configuration folder, $XDG_CONFIG_HOME/kelvane (~/.config/kelvane
// when the variable is not set), made here when missing. The file, its
// content and its rules are the same in both places. A folder that cannot be
// made, or no configuration folder at all, only means that the settings are
// not saved.
std::string SettingsFolder(const std::string& programFolder);

} // namespace kelvane
