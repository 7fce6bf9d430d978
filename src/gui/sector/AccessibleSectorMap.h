#pragma once

namespace kelvane {

// Makes the sector map readable by assistive technology: the map is a list
// of its hexes in the order of their numbers, each said in words ("0304
// Heltathe: Yellow (G), Main Sequence (V), best world Poor"); the current
// system's hex is selected, the keyboard's hex focused. Called by every map
// view; the first call installs the factory.
void InstallSectorMapAccessible();

class SectorMapView;
struct HexNumber;
// Tells assistive technology, when it listens, that the keyboard's hex of
// map is now hex.
void AnnounceFocusHex(SectorMapView* map, HexNumber hex);

} // namespace kelvane
