#pragma once

#include <QString>

#include <functional>

namespace tessarine {

// A synthetic voice that speaks a text without waiting for it to end; a new text cuts off the one
// still being spoken. say() throws a RuntimeError when the voice cannot speak at all; a failure
// that comes later, while speaking, reaches the failure callback.
class ISpeechVoice {
public:
    virtual ~ISpeechVoice() = default;
    // False when no speech engine is installed.
    virtual bool available() = 0;
    virtual void say(const QString& text) = 0;
    virtual void setOnFailure(std::function<void(const QString& reason)> onFailure) = 0;
};

} // namespace tessarine
