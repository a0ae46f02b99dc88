#pragma once

#include <QString>

#include <optional>

namespace tessarine {

class ISettingsBacking;

// Every key of the settings store. Their sections, names and defaults are in one table in
// SettingsStore.cpp.
enum class SettingKey {
    ShowSymbolsDistractor,
    ShowAttributesDistractor,
    UseSequence,
    SameCategoryAttributes,
    PlaySounds,
    SoundOk,
    SoundWrong,
    Shown,
    CorrectAnswers,
    WrongAnswers,
    Author,
    Year,
    Contact,
    Website,
    Learner,
    Collection,
    RecordsServer,
};

struct SettingDefinition {
    SettingKey key;
    QString section;
    QString name;
    std::optional<QString> defaultValue; // what a missing key reads as; nothing for write-only keys
};

// The options and the record about the program in the per-user store of application
// "Corvaldi-Tessarine". A key stored with an empty value reads as the empty text; a missing key
// reads as its default.
class SettingsStore {
public:
    static const QString ApplicationName;

    explicit SettingsStore(ISettingsBacking& backing);

    static const SettingDefinition& definition(SettingKey key);
    // A name (a learner's) as one part of a section's path in the settings file: kept as typed,
    // except for the few characters the file could not hold as they are ('%', '/', '\\', '=',
    // control characters and blanks at either end), which are written as %XX of their UTF-8 bytes.
    static QString sectionPart(const QString& name);

    QString read(SettingKey key) const;
    void write(SettingKey key, const QString& value);
    // What is kept for one learner, in the section "Learner/<name>": nothing when not stored.
    std::optional<QString> readForLearner(const QString& learner, const QString& key) const;
    void writeForLearner(const QString& learner, const QString& key, const QString& value);
    void removeForLearner(const QString& learner, const QString& key);
    // Makes the writes permanent; throws RuntimeError when the store cannot be written.
    void flush();

private:
    ISettingsBacking& m_backing;
};

} // namespace tessarine
