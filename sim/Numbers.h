// Numbers written in a machine description.
#pragma once

#include <cstdint>
#include <string>

namespace pf::sim {

// A 32-bit integer: optional sign, then decimal digits or 0x and hex digits
// ("0x103"), nothing else. False when the text is not such a number.
bool ParseNumber(const std::string& text, int32_t& value);

// A decimal number such as "-500.000" (C locale), nothing else.
bool ParseNumber(const std::string& text, double& value);

}  // namespace pf::sim
