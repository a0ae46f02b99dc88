#pragma once

#include "core/NameTable.h"

#include <QString>

#include <cstdint>

namespace tessarine {

class IMessageBox;
class IRandomSource;

// The program-wide state of one run and the shared helpers that go with it. The options window
// sets the flags and sound names, the exercise window fills the picture lists; each window gets
// the one Module1 of the run at its creation. Nothing here outlives the run. It holds only the two
// services its own helpers need; windows get the others passed in.
class Module1 {
public:
    Module1(IMessageBox& messageBox, IRandomSource& random);

    IMessageBox& messageBox() const { return m_messageBox; }
    // The run's random generator, for helpers that draw with it but report elsewhere.
    IRandomSource& random() const { return m_random; }

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
    // Who practises in this run; empty for nobody in particular (nothing is recorded then).
    QString Learner;

    // The picture lists: bare file names from position 1 upwards, position 0 always empty.
    NameTable ElencoImmagini;
    NameTable ElencoSimboli;
    NameTable ElencoAttributi;
    std::int16_t NumImmagini = 0;
    std::int16_t NumSimboli = 0;
    std::int16_t NumAttributi = 0;

private:
    IMessageBox& m_messageBox;
    IRandomSource& m_random;
};

} // namespace tessarine
