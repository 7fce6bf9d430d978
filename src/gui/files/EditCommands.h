#pragma once

namespace kelvane {

class DrawingSurface;
class SystemDocument;

// Edit > Copy Picture: the Orbital Display as it shows now, the same
// asteroid dots included, onto the clipboard as an image and as SVG, both
// square and ExportPictureSize pixels wide.
void CopyPictureCommand(const DrawingSurface& shown);

// Edit > Copy as Text: every form of ClipboardTextFormats onto the
// clipboard at once, so that each program that the text is pasted into
// takes the form it reads best.
void CopyTextCommand(const SystemDocument& document);
// Edit > Copy System Code: the current code, while there is one.
void CopySystemCodeCommand(const SystemDocument& document);

// Whether Copy as Text has any form to copy.
bool CopyTextAvailable();

} // namespace kelvane
