#pragma once

namespace belltide::AccessibleControls {

// Teaches Qt's accessibility how to describe our custom controls to screen
// readers. Each control calls it when made; only the first call does anything.
void Install();

} // namespace belltide::AccessibleControls
