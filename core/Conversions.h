#pragma once

#include <QString>

#include <cstdint>

namespace tessarine {

// Decimal text to a whole number: blanks around it, an optional sign and leading zeros are
// accepted; anything else is a type mismatch, and a number outside the type's range an overflow.
std::int16_t textToInt16(const QString& text);
std::int32_t textToInt32(const QString& text);

// A wider whole number narrowed to 16 bits; overflow outside -32768 to 32767.
std::int16_t narrowTo16(long long value);

} // namespace tessarine
