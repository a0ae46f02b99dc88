#pragma once

namespace tessarine {

// Ends the run once its last window has gone. The program decides when that is itself, so that
// Qt never ends it between one window closing and the next one opening.
class IRunLifetime {
public:
    virtual ~IRunLifetime() = default;
    virtual void endRun() = 0;
};

// Leaves the application's event loop with status 0 once the current event is done.
class QtRunLifetime final : public IRunLifetime {
public:
    void endRun() override;
};

} // namespace tessarine
