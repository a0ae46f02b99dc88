#pragma once

namespace tessarine {

class Module1;
class frmApertura;

// Starts a run: the options window opens first, and from there each window leads to the next.
// Qt never ends the run on its own when a window closes (between the options window and the
// exercise window there is a moment with none); only the run's lifetime service ends it.
frmApertura* startProgram(Module1& module);

} // namespace tessarine
