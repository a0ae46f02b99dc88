#pragma once

#include "core/Module1.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace tessarine {
class IDirectoryListing;
struct ProgramInfo;
} // namespace tessarine

namespace tessarine::check {

struct CheckRun;
struct FolderScan;

// Lists a picture folder with the exercise's own loader, as the exercise fills its list.
FolderScan scanPictures(CheckRun& run, const QString& folder, void (*loader)(Module1&, IDirectoryListing&, const ProgramInfo&),
                        const NameTable& table, const std::int16_t& count);
// Files beside the pictures that the listing never returns: other picture types, hidden pictures,
// sub-folders of pictures.
void scanStrayFiles(CheckRun& run, const QString& folder, const QStringList& used);
// A folder that is missing, unreadable, empty or too full.
void checkFolder(CheckRun& run, const FolderScan& scan);
// The feedback sounds: readable folder, playable files, the two the sound lists start on.
void scanSounds(CheckRun& run);

} // namespace tessarine::check
