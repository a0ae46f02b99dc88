#include "core/Conversions.h"

#include "core/RuntimeError.h"

#include <limits>

namespace tessarine {

namespace {

long long parseDecimal(const QString& text, long long min, long long max)
{
    const QString trimmed = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < trimmed.size() && (trimmed[pos] == u'+' || trimmed[pos] == u'-'))
        negative = trimmed[pos++] == u'-';
    if (pos == trimmed.size())
        throw typeMismatch();
    long long value = 0;
    bool tooLarge = false;
    for (; pos < trimmed.size(); ++pos) {
        const QChar c = trimmed[pos];
        if (c < u'0' || c > u'9')
            throw typeMismatch();
        if (!tooLarge) {
            value = value * 10 + (c.unicode() - u'0');
            tooLarge = value > max + 1;
        }
    }
    if (negative)
        value = -value;
    if (tooLarge || value < min || value > max)
        throw overflow();
    return value;
}

} // namespace

std::int16_t textToInt16(const QString& text)
{
    return static_cast<std::int16_t>(
        parseDecimal(text, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::int32_t textToInt32(const QString& text)
{
    return static_cast<std::int32_t>(
        parseDecimal(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int16_t narrowTo16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw overflow();
    return static_cast<std::int16_t>(value);
}

} // namespace tessarine
