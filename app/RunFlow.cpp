#include "app/RunFlow.h"

#include "about/frmAbout.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "exercise/frmMain.h"
#include "options/frmApertura.h"

#include <QApplication>

namespace tessarine {

RunFlow::RunFlow(Module1& module, const Platform& platform)
    : m_module(module)
    , m_platform(platform)
{
}

frmApertura* RunFlow::start()
{
    QApplication::setQuitOnLastWindowClosed(false);
    frmApertura::Actions actions;
    actions.openExercise = [this](QPointer<QWidget>& window) { openExercise(window); };
    auto* options = new frmApertura(m_module, m_platform, std::move(actions));
    options->show();
    return options;
}

void RunFlow::openExercise(QPointer<QWidget>& window)
{
    auto* exercise = new frmMain(m_module, m_platform);
    window = exercise;
    QObject::connect(exercise, &frmMain::closed, exercise,
            [this] { runUnguarded(m_module.messageBox(), [this] { openAbout(); }); });
    exercise->Form_Load();
    exercise->show();
}

void RunFlow::openAbout()
{
    auto* about = new frmAbout(m_module, m_platform);
    about->show();
}

} // namespace tessarine
