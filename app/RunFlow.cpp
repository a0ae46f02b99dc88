#include "app/RunFlow.h"

#include "about/frmAbout.h"
#include "access/AccessDialog.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "exercise/frmMain.h"
#include "options/frmApertura.h"
#include "records/RecordsModel.h"
#include "records/RecordsStore.h"
#include "records/RecordsWindow.h"
#include "speech/QtAudioOutputs.h"

#include <QApplication>
#include <QFileInfo>

namespace tessarine {

RunFlow::RunFlow(Module1& module, const Platform& platform, QString recordsFile)
    : m_module(module)
    , m_platform(platform)
    , m_recordsFile(std::move(recordsFile))
    , m_decoder(platform.pictures)
{
}

RunFlow::~RunFlow() { delete m_recordsWindow; }

frmApertura* RunFlow::start()
{
    QApplication::setQuitOnLastWindowClosed(false);
    frmApertura::Actions actions;
    actions.openExercise = [this](QPointer<QWidget>& window) { openExercise(window); };
    actions.knownLearners = [this] { return knownLearners(); };
    actions.openRecords = [this](const QString& learner) { openRecords(learner); };
    actions.openAccess = [this](const QString& learner) { openAccess(learner); };
    actions.audioNotice = [] { return audioOutputNotice(QtAudioOutputs()); };
    auto* options = new frmApertura(m_module, m_platform, std::move(actions));
    options->show();
    return options;
}

QStringList RunFlow::knownLearners()
{
    // Nobody has records before the first recorded session; the file is made only then.
    if (!QFileInfo::exists(m_recordsFile))
        return {};
    const auto store = tessarine::openRecords(m_recordsFile, m_module.messageBox(), QStringLiteral("Form_Load"));
    return store ? store->learners() : QStringList();
}

void RunFlow::openRecords(const QString& learner)
{
    delete m_recordsWindow;
    m_recordsModel.reset();
    m_recordsStore = tessarine::openRecords(m_recordsFile, m_module.messageBox(), QStringLiteral("cmdRecords_Click"));
    if (!m_recordsStore)
        return;
    m_recordsModel = std::make_unique<RecordsModel>(*m_recordsStore, learner);
    m_recordsWindow = new RecordsWindow(*m_recordsModel, m_recordsPrompts, m_module.messageBox());
    m_recordsWindow->setAttribute(Qt::WA_DeleteOnClose);
    // The options wait while the records are looked at; "Start program" comes after.
    m_recordsWindow->setWindowModality(Qt::ApplicationModal);
    m_recordsWindow->show();
}

void RunFlow::openAccess(const QString& learner)
{
    const auto store = tessarine::openRecords(m_recordsFile, m_module.messageBox(), QStringLiteral("cmdAccess_Click"));
    if (!store)
        return;
    AccessDialog dialog(m_module.messageBox(), AccessSettings::fromMap(store->accessSettings(learner)), learner);
    if (dialog.exec() == QDialog::Accepted)
        store->setAccessSettings(learner, dialog.settings().toMap());
}

void RunFlow::openExercise(QPointer<QWidget>& window)
{
    auto* exercise = new frmMain(m_module, m_platform, m_decoder);
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
