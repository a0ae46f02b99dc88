#pragma once

#include "check/CheckResult.h"

#include <QString>

#include <memory>

namespace tessarine::check {

struct CheckMemory;

// The check of one collection folder, kept up to date as the teacher works: each refresh() gives
// what checkProgramFolder() gives for the folder as it is now, but a picture whose path, file size
// and modification time are unchanged is not decoded again, and an object picture whose answer
// lists and files are unchanged is not analysed again.
//
// It touches no widget and needs only a QCoreApplication, so it may be refreshed on a worker
// thread; one refresh at a time, from whichever thread.
class CollectionCheck {
public:
    explicit CollectionCheck(const QString& folder);
    ~CollectionCheck();
    CollectionCheck(const CollectionCheck&) = delete;
    CollectionCheck& operator=(const CollectionCheck&) = delete;

    const QString& folder() const { return m_folder; }
    CheckResult refresh();

    // Pictures whose decoding verdict is kept, and object pictures whose analysis is (for tests).
    qsizetype decodedPictures() const;
    qsizetype analysedObjects() const;

private:
    QString m_folder;
    std::unique_ptr<CheckMemory> m_memory;
};

} // namespace tessarine::check
