#pragma once

// Stand-ins for the platform services, so that everything above the platform layer runs in tests
// without a display's message boxes, an audio device or the user's settings.

#include "core/RuntimeError.h"
#include "platform/DirectoryListing.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "platform/RandomSource.h"
#include "platform/RunLifetime.h"
#include "platform/SettingsBacking.h"
#include "platform/SoundPlayer.h"

#include <QMap>
#include <QPair>
#include <QStringList>

#include <deque>
#include <functional>

namespace tessarine::doubles {

// Records every message instead of showing it.
class RecordingMessageBox final : public IMessageBox {
public:
    void showCritical(const QString& text) override
    {
        shown.append(text);
        if (onShow)
            onShow(text);
    }
    QStringList shown;
    std::function<void(const QString&)> onShow;
};

// Records every sound asked for instead of playing it.
class RecordingSoundPlayer final : public ISoundPlayer {
public:
    void play(const QString& path) override
    {
        if (failure)
            throw *failure;
        played.append(path);
    }
    QStringList played;
    std::optional<RuntimeError> failure;
};

// Hands out queued values first, then falls back to a real generator.
class ScriptedRandom final : public IRandomSource {
public:
    void reseedFromClock() override { ++reseeds; }
    float nextSingle() override
    {
        if (values.empty())
            return fallback.nextSingle();
        const float value = values.front();
        values.pop_front();
        return value;
    }
    std::deque<float> values;
    int reseeds = 0;
    ClockRandomSource fallback;
};

// A listing with names given by the test, delivered in the given order.
class ScriptedListing final : public IDirectoryListing {
public:
    QString first(const QString& pattern) override
    {
        patterns.append(pattern);
        if (failFirst)
            throw RuntimeError(ErrorNumber::PathAccess, QStringLiteral("Folder cannot be read"));
        m_pending = names;
        return next();
    }
    QString next() override { return m_pending.isEmpty() ? QString() : m_pending.takeFirst(); }

    QStringList names;
    QStringList patterns;
    bool failFirst = false;

private:
    QStringList m_pending;
};

// Settings kept in memory; `failFlush` makes every flush fail as a read-only file would.
class MemorySettings final : public ISettingsBacking {
public:
    std::optional<QString> read(const QString& section, const QString& key) override
    {
        const auto found = values.constFind({section, key});
        if (found == values.constEnd())
            return std::nullopt;
        return *found;
    }
    void write(const QString& section, const QString& key, const QString& value) override
    {
        values.insert({section, key}, value);
        written.append(key);
    }
    void remove(const QString& section, const QString& key) override { values.remove({section, key}); }
    void flush() override
    {
        ++flushes;
        if (failFlush)
            throw RuntimeError(ErrorNumber::PathAccess, QStringLiteral("Settings cannot be saved"));
    }

    QMap<QPair<QString, QString>, QString> values;
    QStringList written;
    int flushes = 0;
    bool failFlush = false;
};

// Counts the ends of the run instead of leaving the event loop.
class RecordingLifetime final : public IRunLifetime {
public:
    void endRun() override { ++ends; }
    int ends = 0;
};

// The whole platform with doubles, real folders under `folder` and the real picture loader.
struct TestPlatform {
    explicit TestPlatform(const QString& folder)
        : program(ProgramInfo::withFolder(folder))
    {
    }

    Platform platform() { return {messageBox, listing, pictures, random, sound, settings, lifetime, program}; }

    RecordingMessageBox messageBox;
    QtDirectoryListing listing;
    QtPictureLoader pictures;
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    MemorySettings settings;
    RecordingLifetime lifetime;
    ProgramInfo program;
};

} // namespace tessarine::doubles
