// The settings store's text-to-number conversions: a whole decimal number (blanks around, a sign,
// leading zeros) converts when it fits, overflows when it does not; anything else is a type
// mismatch. Nothing else may happen.

#include "FuzzModule.h"

#include "core/Conversions.h"
#include "core/RuntimeError.h"

#include <QRegularExpression>

#include <limits>

using namespace tessarine;

namespace {

template <typename Int, typename Convert>
void check(const QString& text, Convert convert)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    const bool isNumber = wholeNumber.match(trimmed).hasMatch();
    // Without its sign and leading zeros, a number of more than 12 digits overflows either width.
    QString digits = trimmed;
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+'))
        digits.remove(0, 1);
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    const long long magnitude = isNumber && digits.size() <= 12 ? digits.toLongLong() : 0;
    const long long value = negative ? -magnitude : magnitude;
    const bool fits = isNumber && digits.size() <= 12 && value >= std::numeric_limits<Int>::min()
                      && value <= std::numeric_limits<Int>::max();
    try {
        const Int converted = convert(text);
        if (!fits || converted != value)
            fuzz::fail("converted what it should not, or to the wrong value", text);
    } catch (const RuntimeError& error) {
        const int expected = !isNumber ? ErrorNumber::TypeMismatch : ErrorNumber::Overflow;
        if (fits || error.number() != expected)
            fuzz::fail("wrong error", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzz::textOf(data, size);
    check<std::int16_t>(text, textToInt16);
    check<std::int32_t>(text, textToInt32);
    return 0;
}
