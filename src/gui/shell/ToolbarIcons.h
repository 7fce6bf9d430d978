#pragma once

#include <QIcon>

namespace kelvane {

// The pictures of the five toolbar buttons, drawn as shapes at whatever size
// the button asks for, so they stay crisp on any screen.
enum class ToolbarPicture { New, Open, Save, Print, PrintPreview };

QIcon ToolbarIcon(ToolbarPicture picture);

} // namespace kelvane
