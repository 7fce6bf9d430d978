#pragma once

namespace kelvane {

// Makes every LabelGrid a table for assistive technology. Called by every
// grid; the first call installs the factory.
void InstallLabelGridAccessible();

} // namespace kelvane
