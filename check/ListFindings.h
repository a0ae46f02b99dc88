#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tessarine::check {

struct CheckRun;
struct FolderScan;

// Findings about a folder's list as a whole, told once every object picture has been looked at
// (they need to know which pictures are whose right answer).

// Names that differ only in letter case, and pictures that lose the right answer to an earlier
// one with the same `key` (no key: only the letter case is compared).
void checkDuplicates(CheckRun& run, const FolderScan& scan, const std::function<QString(const QString&)>& key);
// Attribute pictures named with one part only.
void checkAttributeNames(CheckRun& run);
// Symbol and attribute pictures that cannot be loaded, with every set they stop.
void checkAnswerPictures(CheckRun& run, const QString& folder, const QStringList& names);

} // namespace tessarine::check
