#pragma once
// The registry key an installed café system leaves, which the menu tests at
// start. The simulator makes it only when asked and can take it away again.

#include <string>

namespace corvina::cafesim {

// Each returns the line to log: what happened, or why it did not.
std::string CreateCafeSystemKey();
std::string RemoveCafeSystemKey();

}  // namespace corvina::cafesim
