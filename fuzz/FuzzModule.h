#pragma once

// A Module1 with a counting message box and a fixed generator, for the fuzz targets: they exercise the name and
// number rules alone and count the error reports instead of showing them.

#include "core/MessageBox.h"
#include "core/Module1.h"
#include "core/RandomSource.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tessarine::fuzz {

struct CountingMessageBox final : IMessageBox {
    void showCritical(const QString&) override { ++reports; }
    int reports = 0;
};
// A fixed generator: the targets never depend on the clock.
struct FixedRandom final : IRandomSource {
    void reseedFromClock() override {}
    float nextSingle() override { return 0.5f; }
};

struct FuzzModule {
    CountingMessageBox messageBox;
    FixedRandom random;
    Module1 module{messageBox, random};
};

inline QString textOf(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A broken rule is a crash, so that libFuzzer keeps the input that found it.
[[noreturn]] inline void fail(const char* what, const QString& input)
{
    std::fprintf(stderr, "%s for input \"%s\"\n", what, input.toUtf8().constData());
    std::abort();
}

} // namespace tessarine::fuzz
