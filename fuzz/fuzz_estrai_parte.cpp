// EstraiParte against the plain reading of its rule: parts are what lies between full stops;
// a part that does not exist gives the empty text and exactly two reports.

#include "FuzzModule.h"

using namespace tessarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const auto part = static_cast<std::int16_t>(static_cast<std::int8_t>(data[0]));
    const QString text = fuzz::textOf(data + 1, size - 1);
    if (text.size() > 32767)
        return 0;

    fuzz::FuzzModule fuzzModule;
    const QString result = fuzzModule.module.EstraiParte(text, part);

    const QStringList parts = text.split(u'.');
    const bool exists = part >= 1 && part <= parts.size();
    if (result != (exists ? parts[part - 1] : QString()))
        fuzz::fail("wrong part", text);
    if (fuzzModule.messageBox.reports != (exists ? 0 : 2))
        fuzz::fail("wrong number of reports", text);
    return 0;
}
