#pragma once

#include <QString>

#include <optional>

namespace tessarine {

// The per-user store of text values by section and key, for one application name. Values are
// always text.
class ISettingsBacking {
public:
    virtual ~ISettingsBacking() = default;
    // The stored text (possibly empty), or nothing when the section or key does not exist.
    virtual std::optional<QString> read(const QString& section, const QString& key) = 0;
    // Creates the section and key as needed and replaces any previous value.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Removes the key, if it is there.
    virtual void remove(const QString& section, const QString& key) = 0;
    // Makes every write so far permanent. Throws RuntimeError when the store cannot be written; the
    // previous contents are then left as they were.
    virtual void flush() = 0;
};

} // namespace tessarine

#include <memory>

class QSettings;

namespace tessarine {

// An INI file read and written through QSettings, every value kept as plain text (QSettings' own
// INI format would turn "a, b" into a list and strip quotes).
class QtSettingsBacking final : public ISettingsBacking {
public:
    explicit QtSettingsBacking(const QString& filePath);
    ~QtSettingsBacking() override;

    // "<XDG configuration folder>/<application>.ini", for the current user.
    static QString defaultFilePath(const QString& application);

    std::optional<QString> read(const QString& section, const QString& key) override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;
    void flush() override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace tessarine
