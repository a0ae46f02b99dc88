#pragma once

#include "exercise/PictureDecoder.h"
#include "platform/Platform.h"

#include <QPointer>

class QWidget;

namespace tessarine {

class Module1;
class frmApertura;

// The run's way through its windows: the options window opens first, "Start program" leads to the
// exercise window, and closing that opens the About window, whose closing ends the run. Qt never
// ends the run on its own when a window closes (between the options window and the exercise
// window there is a moment with none); only the run's lifetime service ends it.
class RunFlow {
public:
    RunFlow(Module1& module, const Platform& platform);

    // Opens the options window and returns it (it deletes itself on closing).
    frmApertura* start();

private:
    void openExercise(QPointer<QWidget>& window);
    void openAbout();

    Module1& m_module;
    Platform m_platform;
    // Outlives the exercise window, so that closing it never waits for a picture being decoded.
    PictureDecoder m_decoder;
};

} // namespace tessarine
