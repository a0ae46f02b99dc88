#include "speech/VoiceThread.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <future>
#include <memory>
#include <vector>

namespace tessarine {

namespace {
// Long enough for a daemon that only shuts down slowly; a stuck one is not waited for longer.
constexpr unsigned long FinishMs = 2000;
} // namespace

VoiceThread::VoiceThread()
    : m_thread(new QThread)
    , m_context(new QObject)
{
    m_thread->setObjectName(QStringLiteral("voice"));
    adopt(m_context);
    m_thread->start();
}

VoiceThread::~VoiceThread()
{
    // Jobs not yet run are dropped; what the thread adopted goes as it finishes.
    m_thread->quit();
    if (m_thread->wait(FinishMs)) {
        delete m_thread;
        return;
    }
    // An engine holds the thread, and deleting a running QThread would end the program: it is kept,
    // in a list that is never freed, until the program ends.
    static auto* const leftBehind = new std::vector<QThread*>;
    leftBehind->push_back(m_thread);
}

void VoiceThread::adopt(QObject* object)
{
    object->moveToThread(m_thread);
    // Run on the finishing thread, which deletes what deleteLater() leaves before it ends.
    QObject::connect(m_thread, &QThread::finished, object, &QObject::deleteLater);
}

void VoiceThread::post(std::function<void()> job)
{
    // Nothing may leave the thread's event loop; engines report through their signals, not by throwing.
    QMetaObject::invokeMethod(
        m_context,
        [job = std::move(job)] {
            try {
                job();
            } catch (...) {
            }
        },
        Qt::QueuedConnection);
}

bool VoiceThread::runAndWait(std::function<void()> job, std::chrono::milliseconds timeout)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    post([job = std::move(job), done] {
        job();
        done->set_value();
    });
    return finished.wait_for(timeout) == std::future_status::ready;
}

} // namespace tessarine
