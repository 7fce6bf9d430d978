#pragma once

#include <string>

namespace kelvane {

// The folder that holds kelvane.ini. A program installed where its build was
// meant to be installed (its prefix's programs' folder, /usr/games for the
// package) keeps its settings in the
// user's configuration folder, $XDG_CONFIG_HOME/kelvane (~/.config/kelvane
// when the variable is not set), whoever runs it, root included: it never
// writes beside itself. Any other copy (a build, or a copy kept anywhere)
// keeps them beside itself when the user can write its folder, and in the
// configuration folder otherwise. The folder is made here when missing. The
// file, its content and its rules are the same in every place. A folder that
// cannot be made only means that the settings are not saved.
std::string SettingsFolder(const std::string& programFolder);

// The rule itself, from what SettingsFolder finds out: the running program's
// folder and the folder an install puts it in (both with links resolved),
// whether the user may write the program's folder, and the user's
// configuration folder (empty when there is none).
std::string ChooseSettingsFolder(const std::string& programFolder, const std::string& installFolder,
                                 bool programFolderWritable, const std::string& configFolder);

} // namespace kelvane
