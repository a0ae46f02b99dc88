#pragma once

#include "core/RuntimeError.h"
#include "exercise/PictureDecoder.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramInfo.h"

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessarine::check {

class DecodeCache;

// Whether each picture of a check loads, decoded as the exercise decodes it: once per picture in
// a check, and, with a cache, only when the file has changed since an earlier check.
class PictureVerdicts {
public:
    PictureVerdicts(const ProgramInfo& program, DecodeCache* cache);

    std::optional<RuntimeError> loadError(const QString& folder, const QString& name, QSize box);
    // Decodes these pictures at once, in parallel, ahead of the questions about them.
    void decodeAll(const QString& folder, const QStringList& names, QSize box);

private:
    const ProgramInfo& m_program;
    DecodeCache* m_cache;
    QtPictureLoader m_pictures;
    PictureDecoder m_decoder;
    QHash<QString, std::optional<RuntimeError>> m_loads; // by "Folder/name"
};

} // namespace tessarine::check
