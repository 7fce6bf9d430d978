#pragma once

#include <cstdint>

namespace kelvane {

class Controller;

// The one-page system report: printed (preview 0) or shown in the modal
// preview window (any other value).
void PrintReport(Controller& controller, std::int16_t preview);

} // namespace kelvane
