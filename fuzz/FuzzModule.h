#pragma once

// A Module1 with do-nothing platform services, for the fuzz targets: they exercise the name and
// number rules alone and count the error reports instead of showing them.

#include "core/Module1.h"
#include "platform/DirectoryListing.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/RandomSource.h"
#include "platform/RunLifetime.h"
#include "platform/SettingsBacking.h"
#include "platform/SoundPlayer.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tessarine::fuzz {

struct CountingMessageBox final : IMessageBox {
    void showCritical(const QString&) override { ++reports; }
    int reports = 0;
};
struct NoListing final : IDirectoryListing {
    QString first(const QString&) override { return {}; }
    QString next() override { return {}; }
};
struct NoPictures final : IPictureLoader {
    QImage load(const QString&, const QSize&) override { return {}; }
};
struct NoSound final : ISoundPlayer {
    void play(const QString&) override {}
};
struct NoSettings final : ISettingsBacking {
    std::optional<QString> read(const QString&, const QString&) override { return std::nullopt; }
    void write(const QString&, const QString&, const QString&) override {}
    void flush() override {}
};
struct NoLifetime final : IRunLifetime {
    void endRun() override {}
};

struct FuzzModule {
    CountingMessageBox messageBox;
    NoListing listing;
    NoPictures pictures;
    ClockRandomSource random;
    NoSound sound;
    NoSettings settings;
    NoLifetime lifetime;
    Module1 module{{messageBox, listing, pictures, random, sound, settings, lifetime, ProgramInfo{}}};
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
