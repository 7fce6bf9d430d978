#pragma once

#include <string>

#include "core/sector/SectorMap.h"

namespace kelvane {

// The pixels per logical unit of a map's SVG unless told otherwise: a hex is
// 100 pixels across, corner to corner.
inline constexpr double SectorSvgScale = 0.5;

// The map as an SVG image at scale pixels per logical unit: its title, a
// rect of the background, then one polygon, circle or text element per
// shape in drawing order. Coordinates are pixels from the image's top-left
// corner, with at most three decimals and "." whatever the locale; colours
// are "#rrggbb"; texts are in Arial (or a font of the same measure), escaped
// for XML. The same map and scale give the same bytes.
std::string SectorMapSvg(const SectorMap& map, double scale = SectorSvgScale);

} // namespace kelvane
