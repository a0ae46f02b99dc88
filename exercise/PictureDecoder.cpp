#include "exercise/PictureDecoder.h"

#include "core/ErrorGuard.h"
#include "platform/PictureLoader.h"

#include <QtConcurrent/QtConcurrentRun>

namespace tessarine {

PictureDecoder::PictureDecoder(IPictureLoader& loader)
    : m_loader(loader)
{
}

PictureDecoder::~PictureDecoder() { m_pool.waitForDone(); }

namespace {

DecodedPicture decodeWith(IPictureLoader& loader, const QString& path, QSize box)
{
    DecodedPicture decoded;
    try {
        decoded.image = loader.load(path, box);
    } catch (...) {
        decoded.error = toRuntimeError(std::current_exception());
    }
    return decoded;
}

} // namespace

QFuture<DecodedPicture> PictureDecoder::decode(const QString& path, QSize box)
{
    // The work holds the loader and copies, never the caller: the caller may be gone when it ends.
    IPictureLoader* loader = &m_loader;
    return QtConcurrent::run(&m_pool, [loader, path, box] { return decodeWith(*loader, path, box); });
}

QFuture<std::optional<RuntimeError>> PictureDecoder::failure(const QString& path, QSize box)
{
    IPictureLoader* loader = &m_loader;
    return QtConcurrent::run(&m_pool, [loader, path, box] { return decodeWith(*loader, path, box).error; });
}

} // namespace tessarine
