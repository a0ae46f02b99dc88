#pragma once

#include "core/NameTable.h"
#include "platform/Platform.h"

#include <QString>

#include <cstdint>

namespace tessarine {

// The program-wide state of one run and the shared helpers that go with it. The options window
// sets the flags and sound names, the exercise window fills the picture lists; each window gets
// the one Module1 of the run at its creation. Nothing here outlives the run.
class Module1 {
public:
    explicit Module1(const Platform& platform);

    const Platform& platform() const { return m_platform; }
    IMessageBox& messageBox() const { return m_platform.messageBox; }

    // Returns part `part` (counted from 1) of a name whose parts are separated by ".". A part that
    // does not exist costs two error reports and gives the empty text.
    QString EstraiParte(const QString& text, std::int16_t part);
    // A whole number from 1 to `count`, each equally likely; 1 for a count of 0.
    std::int32_t Casuale(std::int16_t count);

    // Options in force for the run (false/empty until the options window sets them).
    bool ShowSymbolsDistractor = false;
    bool ShowAttributesDistractor = false;
    bool SameCategoryAttributes = false;
    bool UseSequence = false;
    bool PlaySounds = false;
    QString SoundOk;
    QString SoundWrong;

    // The picture lists: bare file names from position 1 upwards, position 0 always empty.
    NameTable ElencoImmagini;
    NameTable ElencoSimboli;
    NameTable ElencoAttributi;
    std::int16_t NumImmagini = 0;
    std::int16_t NumSimboli = 0;
    std::int16_t NumAttributi = 0;

private:
    Platform m_platform;
};

// The media sub-folders of the program folder.
namespace Folder {
inline const QString Images = QStringLiteral("Images");
inline const QString Symbols = QStringLiteral("Symbols");
inline const QString Attributes = QStringLiteral("Attributes");
inline const QString Sounds = QStringLiteral("Sounds");
} // namespace Folder

// program folder, separator, sub-folder, separator, name: joined as plain text.
QString mediaPath(const ProgramInfo& program, const QString& subFolder, const QString& name);

} // namespace tessarine
