#pragma once

#include "core/RuntimeError.h"

#include <QHash>
#include <QSize>
#include <QString>

#include <optional>

namespace tessarine::check {

// What decoding found for each picture (it loads, or the error it fails with), kept from one
// check to the next. A picture counts as unchanged while its path, file size and modification
// time are the same and it is decoded at the same box size; anything else is decoded again.
class DecodeCache {
public:
    // The file as it is on disk now, taken before it is decoded.
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0; // milliseconds since the epoch
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    static Stamp stampOf(const QString& path);

    // The verdict kept for `path` at `box`, when the file still has `stamp`.
    std::optional<std::optional<RuntimeError>> find(const QString& path, QSize box, const Stamp& stamp);
    void store(const QString& path, QSize box, const Stamp& stamp, const std::optional<RuntimeError>& error);
    // Forgets the pictures not looked up since the last call: they have gone or changed.
    void forgetUnused();
    qsizetype size() const { return m_entries.size(); }

private:
    struct Entry {
        Stamp stamp;
        std::optional<RuntimeError> error;
        bool used = true;
    };
    static QString keyOf(const QString& path, QSize box);
    QHash<QString, Entry> m_entries;
};

} // namespace tessarine::check
