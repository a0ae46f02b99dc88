#pragma once

#include <chrono>
#include <functional>

class QObject;
class QThread;

namespace tessarine {

// Qt TextToSpeech's engines on a thread of their own. speech-dispatcher takes seconds to list its
// voices, and a daemon that has stopped answering blocks whoever calls it for good: on this thread
// neither holds up the windows or the learner. What lives there is deleted there.
class VoiceThread {
public:
    VoiceThread();
    // Asks the thread to finish; one stuck in an engine is left behind rather than waited for.
    ~VoiceThread();
    VoiceThread(const VoiceThread&) = delete;
    VoiceThread& operator=(const VoiceThread&) = delete;

    // Moves `object` (one without a parent) to the thread, which deletes it when it finishes.
    void adopt(QObject* object);
    // Runs `job` on the thread and returns at once.
    void post(std::function<void()> job);
    // Runs `job` on the thread and waits for it at most `timeout`; false when it did not finish in
    // time (it may still finish later: it must own what it touches).
    bool runAndWait(std::function<void()> job, std::chrono::milliseconds timeout);

private:
    QThread* m_thread;
    QObject* m_context;
};

} // namespace tessarine
