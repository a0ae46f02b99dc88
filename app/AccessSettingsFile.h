#pragma once

#include "access/AccessSettings.h"

#include <QString>

#include <optional>

namespace tessarine {

class ISettingsBacking;

// Each learner's access settings in the settings file as well, in the section "Access/<learner>",
// so that they are there when the records file cannot be read. The learner's name is written as
// SettingsStore::sectionPart() writes it.
class AccessSettingsFile {
public:
    explicit AccessSettingsFile(ISettingsBacking& settings);

    static QString section(const QString& learner);

    // None when the file holds no access settings of the learner.
    std::optional<AccessSettings> read(const QString& learner) const;
    // Writes and saves the file; throws RuntimeError when it cannot be saved.
    void write(const QString& learner, const AccessSettings& settings);
    void remove(const QString& learner);

    // The copy here is newer than the records' (a change the records could not take yet): it goes
    // into the records when they can next be written, instead of being overwritten by theirs.
    bool isNewer(const QString& learner) const;
    void setNewer(const QString& learner, bool newer);

private:
    ISettingsBacking& m_settings;
};

} // namespace tessarine
