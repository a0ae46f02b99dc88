#include "core/Module1.h"

#include "core/ErrorGuard.h"
#include "core/RandomSource.h"

#include <cmath>

namespace tessarine {

namespace {

// Part of a text by 1-based position and length; a position below 1 is an invalid argument.
QString mid(const QString& text, long long start, long long length)
{
    if (start < 1 || length < 0)
        throw invalidArgument();
    if (start > text.size())
        return {};
    return text.mid(static_cast<qsizetype>(start - 1), static_cast<qsizetype>(length));
}

} // namespace

Module1::Module1(IMessageBox& messageBox, IRandomSource& random)
    : m_messageBox(messageBox)
    , m_random(random)
{
}

QString Module1::EstraiParte(const QString& text, std::int16_t part)
{
    Guard guard(messageBox(), QStringLiteral("EstraiParte"), ProcedureKind::Function);
    const long long length = text.size();
    long long start = 0;
    long long end = length;
    QString result;

    if (part == 1) {
        start = 1;
    } else {
        int counter = 1;
        for (long long i = 1; i <= length; ++i) {
            if (text[i - 1] == u'.' && ++counter == part) {
                start = i + 1;
                break;
            }
        }
    }
    // With no start found the first look reads position 0: reported, and the end lands before
    // the start, which makes the part empty (after a second report for the position).
    for (long long i = start; i <= length; ++i) {
        if (guard.test([&] { return mid(text, i, 1) == u'.'; })) {
            end = i - 1;
            break;
        }
    }
    guard.step([&] { result = mid(text, start, end - start + 1); });
    return result;
}

std::int32_t Module1::Casuale(std::int16_t count)
{
    Guard guard(messageBox(), QStringLiteral("Casuale"), ProcedureKind::Function);
    std::int32_t result = 0;
    guard.step([&] { m_random.reseedFromClock(); });
    guard.step([&] {
        const float r = m_random.nextSingle();
        result = static_cast<std::int32_t>(std::floor(static_cast<float>(count) * r + 1.0f));
        // In single precision count * r can round up to count itself for r just below 1.
        if (count >= 1 && result > count)
            result = count;
    });
    return result;
}

} // namespace tessarine
