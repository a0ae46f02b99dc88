#include "media/MediaCatalogue.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "platform/DirectoryListing.h"
#include "platform/ProgramInfo.h"

#include <algorithm>

namespace tessarine {

namespace {

const QString PicturePattern = QStringLiteral("*.jpg");

void loadFolder(Module1& module, IDirectoryListing& listing, const ProgramInfo& program, const QString& subFolder,
                NameTable& names, std::int16_t& count, const QString& procedure)
{
    Guard guard(module.messageBox(), procedure);
    long long position = 1;
    QString name;

    guard.step([&] { name = listing.first(mediaPath(program, subFolder, PicturePattern)); });
    guard.step([&] { names[position] = name; });
    while (!name.isEmpty()) {
        // A listing that fails part-way ends here rather than being asked again and again.
        if (!guard.step([&] { name = listing.next(); }))
            name.clear();
        if (!name.isEmpty()) {
            ++position;
            guard.step([&] { names[position] = name; });
        }
    }
    // Names past the table's end were reported and left out: the count covers the stored ones,
    // so every position from 1 to the count holds a name.
    guard.step([&] { count = narrowTo16(std::min<long long>(position, NameTable::Last)); });
}

} // namespace

void CaricaImmagini(Module1& module, IDirectoryListing& listing, const ProgramInfo& program)
{
    loadFolder(module, listing, program, Folder::Images, module.ElencoImmagini, module.NumImmagini,
               QStringLiteral("CaricaImmagini"));
}

void CaricaSimboli(Module1& module, IDirectoryListing& listing, const ProgramInfo& program)
{
    loadFolder(module, listing, program, Folder::Symbols, module.ElencoSimboli, module.NumSimboli,
               QStringLiteral("CaricaSimboli"));
}

void CaricaAttributi(Module1& module, IDirectoryListing& listing, const ProgramInfo& program)
{
    loadFolder(module, listing, program, Folder::Attributes, module.ElencoAttributi, module.NumAttributi,
               QStringLiteral("CaricaAttributi"));
}

} // namespace tessarine
