#include "options/ProgramStart.h"

#include "options/frmApertura.h"

#include <QApplication>

namespace tessarine {

frmApertura* startProgram(Module1& module)
{
    QApplication::setQuitOnLastWindowClosed(false);
    auto* window = new frmApertura(module);
    window->show();
    return window;
}

} // namespace tessarine
