#pragma once

#include <QIcon>

namespace kelvane {

// The pictures of the five toolbar buttons and the program's icon, drawn as shapes at whatever size
// the button asks for, so they stay crisp on any screen.
enum class ToolbarPicture { New, Open, Save, Print, PrintPreview, Program };

QIcon ToolbarIcon(ToolbarPicture picture);

} // namespace kelvane
