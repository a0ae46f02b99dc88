#pragma once

#include <QString>
#include <QStringList>

namespace tessarine {

// Lists the ordinary files of a folder that match a wildcard, one bare name per call, the empty
// text at the end. Sub-folders and hidden files are never listed; letter case is ignored.
class IDirectoryListing {
public:
    virtual ~IDirectoryListing() = default;
    // `pattern` is a folder, the separator and a wildcard ("/opt/t/Images/*.jpg"). Starts a new
    // listing and returns its first name. Throws RuntimeError when the folder cannot be read.
    virtual QString first(const QString& pattern) = 0;
    // The next name of the listing, or the empty text when there is none.
    virtual QString next() = 0;
};

// Names are returned sorted by name so that runs are reproducible. A missing folder lists nothing.
class QtDirectoryListing final : public IDirectoryListing {
public:
    QString first(const QString& pattern) override;
    QString next() override;

private:
    QStringList m_names;
    qsizetype m_next = 0;
};

} // namespace tessarine
