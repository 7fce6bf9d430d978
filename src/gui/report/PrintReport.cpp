#include "gui/report/PrintReport.h"

#include "gui/shell/Controller.h"

namespace kelvane {

void PrintReport(Controller&, std::int16_t) {}

} // namespace kelvane
