#include "app/RunFlow.h"

#include "about/frmAbout.h"
#include "access/AccessDialog.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "exercise/frmMain.h"
#include "media/MediaCatalogue.h"
#include "options/frmApertura.h"
#include "pictures_window/PicturesWindow.h"
#include "platform/QtMicrophone.h"
#include "records/RecordsModel.h"
#include "records/RecordsStore.h"
#include "records/RecordsWindow.h"
#include "records/SessionRecorder.h"
#include "settings/SettingsStore.h"
#include "speech/QtAudioOutputs.h"
#include "speech/QtSpeechVoice.h"
#include "speech/QtVoiceCatalogue.h"
#include "speech/SpokenCaption.h"
#include "teaching/TeachingDialog.h"

#include <QApplication>

namespace tessarine {

namespace {

// The options of a recorded session are named as the settings file names them.
QString key(SettingKey setting) { return SettingsStore::definition(setting).name; }

// The object pictures of the collection in `program`, listed as the exercise lists them (a fault is
// told under the lister's name), without touching the run's own lists.
QStringList objectPictures(const Module1& module, IDirectoryListing& listing, const ProgramInfo& program)
{
    Module1 scratch(module.messageBox(), module.random());
    CaricaImmagini(scratch, listing, program);
    QStringList objects;
    for (std::int16_t i = 1; i <= scratch.NumImmagini; ++i)
        if (!scratch.ElencoImmagini[i].isEmpty())
            objects.append(scratch.ElencoImmagini[i]);
    return objects;
}

} // namespace

RunFlow::RunFlow(Module1& module, const Platform& platform, QString recordsFile, IRecordsPrompts* prompts)
    : m_module(module)
    , m_platform(platform)
    , m_records(std::move(recordsFile), module.messageBox(), platform.settings)
    , m_recordsPrompts(prompts ? *prompts : m_dialogPrompts)
    , m_collections(platform.program.folder, platform.settings, module.messageBox())
    , m_decoder(platform.pictures)
{
}

RunFlow::~RunFlow()
{
    delete m_recordsWindow;
    delete m_picturesWindow;
}

frmApertura* RunFlow::start()
{
    QApplication::setQuitOnLastWindowClosed(false);
    frmApertura::Actions actions;
    actions.openExercise = [this](QPointer<QWidget>& window) { openExercise(window); };
    actions.knownLearners = [this] { return knownLearners(); };
    actions.openRecords = [this](const QString& learner) { openRecords(learner); };
    actions.openAccess = [this](const QString& learner) { openAccess(learner); };
    actions.openTeaching = [this](const QString& learner) { openTeaching(learner); };
    actions.audioNotice = [] { return audioOutputNotice(QtAudioOutputs()); };
    actions.collections = &m_collections;
    actions.openPictures = [this](const QString& folder) { openPictures(folder); };
    m_options = new frmApertura(m_module, m_platform, std::move(actions));
    m_options->show();
    return m_options;
}

QStringList RunFlow::knownLearners() { return m_records.learners(QStringLiteral("Form_Load")); }

void RunFlow::openRecords(const QString& learner)
{
    delete m_recordsWindow;
    m_recordsModel.reset();
    m_recordsStore = m_records.forWindow(learner, QStringLiteral("cmdRecords_Click"));
    if (!m_recordsStore)
        return;
    m_recordsModel = std::make_unique<RecordsModel>(*m_recordsStore, learner);
    m_recordsWindow = new RecordsWindow(*m_recordsModel, m_recordsPrompts, m_module.messageBox(), &m_records);
    m_recordsWindow->setAttribute(Qt::WA_DeleteOnClose);
    // The window is made again over the records now chosen, or those just sent; queued, as the
    // window that asks is the one that goes.
    const auto reopen = [this, learner] {
        runUnguarded(m_module.messageBox(), [&] {
            if (m_options)
                m_options->learnersChanged();
            openRecords(learner);
        });
    };
    QObject::connect(m_recordsWindow, &RecordsWindow::placeChanged, m_recordsWindow, reopen, Qt::QueuedConnection);
    QObject::connect(m_recordsWindow, &RecordsWindow::recordsSent, m_recordsWindow, reopen, Qt::QueuedConnection);
    QObject::connect(m_recordsWindow, &RecordsWindow::learnerDeleted, m_recordsWindow, [this](const QString& deleted) {
        runUnguarded(m_module.messageBox(), [&] {
            m_records.learnerDeleted(deleted, QStringLiteral("cmdDeleteLearner_Click"));
            if (m_options)
                m_options->learnerDeleted(deleted);
        });
    });
    // The options wait while the records are looked at; "Start program" comes after.
    m_recordsWindow->setWindowModality(Qt::ApplicationModal);
    m_recordsWindow->show();
}

void RunFlow::openAccess(const QString& learner)
{
    const QString procedure = QStringLiteral("cmdAccess_Click");
    // speech-dispatcher lists its voices in seconds; one that has not answered in half a minute
    // will not, and the dialog then says that no language has a voice.
    CaptionVoices voices{m_language,
                         [] { return QtVoiceCatalogue::languagesWithin(std::chrono::seconds(30)).value_or(QStringList{}); }};
    AccessDialog dialog(m_module.messageBox(), m_records.accessSettings(learner, procedure), learner, std::move(voices));
    if (dialog.exec() == QDialog::Accepted)
        m_records.setAccessSettings(learner, dialog.settings(), procedure);
}

void RunFlow::openTeaching(const QString& learner)
{
    const QString procedure = QStringLiteral("cmdTeaching_Click");
    const auto settings = m_records.teachingSettings(learner, procedure);
    if (!settings)
        return;
    // The targets are those of the collection the options window shows, which the exercise will use.
    ProgramInfo program = m_platform.program;
    program.folder = m_options ? m_options->chosenCollection() : m_collections.available(m_collections.inUse());
    TeachingDialog dialog(m_module.messageBox(), *settings, objectPictures(m_module, m_platform.listing, program), learner);
    if (dialog.exec() == QDialog::Accepted)
        m_records.setTeachingSettings(learner, dialog.settings(), procedure);
}

void RunFlow::openPictures(const QString& folder)
{
    delete m_picturesWindow;
    // Where the desktop has no microphone, "Record" says so.
    if (!m_microphone)
        m_microphone = std::make_unique<QtMicrophone>();
    m_picturesWindow = new PicturesWindow(m_module.messageBox(), m_platform.sound, *m_microphone, m_picturePrompts,
                                          m_collections.collections(), folder);
    m_picturesWindow->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(m_picturesWindow, &PicturesWindow::collectionChanged, m_picturesWindow, [this](const QString& chosen) {
        runUnguarded(m_module.messageBox(), [&] {
            if (m_options)
                m_options->collectionChanged(chosen);
        });
    });
    // Like the records, the pictures are prepared before "Start program".
    m_picturesWindow->setWindowModality(Qt::ApplicationModal);
    m_picturesWindow->show();
}

void RunFlow::openExercise(QPointer<QWidget>& window)
{
    // The exercise, its spoken caption and the learner's records all read the chosen collection.
    Platform platform = m_platform;
    platform.program.folder = m_collections.available(m_collections.inUse());
    ExerciseAids aids;
    const QString learner = m_module.Learner;
    // A learner's records and access settings; whatever the records do, the exercise opens, without
    // records when they cannot be kept.
    Guard guard(m_module.messageBox(), QStringLiteral("Form_Load"));
    guard.step([&] {
        if (learner.isEmpty())
            return;
        auto records = m_records.forExercise(learner, QStringLiteral("Form_Load"));
        aids.access = records.access;
        aids.teaching = records.teaching;
        aids.history = records.history;
        m_answerLog = std::make_unique<SessionRecorder>(std::move(records.store), m_module.messageBox(),
                                                        SessionRecorder::Clocks{}, std::move(records.journal));
        aids.log = m_answerLog.get();
        const Module1& m = m_module;
        m_answerLog->sessionStarted({learner,
                                     {{key(SettingKey::ShowSymbolsDistractor), m.ShowSymbolsDistractor},
                                      {key(SettingKey::ShowAttributesDistractor), m.ShowAttributesDistractor},
                                      {key(SettingKey::SameCategoryAttributes), m.SameCategoryAttributes},
                                      {key(SettingKey::UseSequence), m.UseSequence},
                                      {key(SettingKey::PlaySounds), m.PlaySounds},
                                      {key(SettingKey::SoundOk), m.SoundOk},
                                      {key(SettingKey::SoundWrong), m.SoundWrong}},
                                     platform.program.version(),
                                     platform.program.folder});
    });
    if (aids.access.spokenCaption) {
        const QString& chosen = aids.access.captionLanguage;
        m_voice = std::make_unique<QtSpeechVoice>(chosen.isEmpty() ? m_language : chosen);
        m_audioOutputs = std::make_unique<QtAudioOutputs>();
        m_spokenCaption = std::make_unique<SpokenCaption>(m_module.messageBox(), m_platform.sound, *m_voice, *m_audioOutputs,
                                                          joinPath(platform.program.folder, Folder::Images));
        aids.caption = m_spokenCaption.get();
    }
    auto* exercise = new frmMain(m_module, platform, m_decoder, aids);
    window = exercise;
    QObject::connect(exercise, &frmMain::closed, exercise, [this] {
        runUnguarded(m_module.messageBox(), [this] {
            if (m_answerLog) {
                m_answerLog->setEnded(AnswerLog::SetEnd::WindowClosed);
                m_answerLog->sessionEnded();
            }
            openAbout();
        });
    });
    exercise->Form_Load();
    exercise->show();
}

void RunFlow::openAbout()
{
    auto* about = new frmAbout(m_module, m_platform);
    about->show();
}

} // namespace tessarine
