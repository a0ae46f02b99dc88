#pragma once

#include "app/RunRecords.h"
#include "collections/CollectionChoice.h"
#include "exercise/PictureDecoder.h"
#include "pictures_window/PicturePrompts.h"
#include "platform/Platform.h"
#include "records/RecordsPrompts.h"

#include <QPointer>

#include <memory>

class QWidget;

namespace tessarine {

class Module1;
class AnswerLog;
class IMicrophone;
class PicturesWindow;
class QtAudioOutputs;
class QtSpeechVoice;
class RecordsModel;
class SpokenCaption;
class RecordsStore;
class RecordsWindow;
class frmApertura;

// The run's way through its windows: the options window opens first, "Start program" leads to the
// exercise window, and closing that opens the About window, whose closing ends the run. Qt never
// ends the run on its own when a window closes (between the options window and the exercise
// window there is a moment with none); only the run's lifetime service ends it.
class RunFlow {
public:
    // The learners' records are kept in `recordsFile`; the Records window asks its questions
    // through `prompts` (message and file dialogs when null).
    RunFlow(Module1& module, const Platform& platform, QString recordsFile, IRecordsPrompts* prompts = nullptr);
    ~RunFlow();

    // The two-letter code of the windows' language, which the caption is spoken in unless the
    // learner's access settings choose another ("en" until told).
    void setInterfaceLanguage(const QString& language) { m_language = language; }

    // Opens the options window and returns it (it deletes itself on closing).
    frmApertura* start();

private:
    QStringList knownLearners();
    void openRecords(const QString& learner);
    void openAccess(const QString& learner);
    void openTeaching(const QString& learner);
    void openPictures(const QString& folder);
    void openExercise(QPointer<QWidget>& window);
    void openAbout();

    Module1& m_module;
    Platform m_platform;
    QString m_language = QStringLiteral("en");
    // Every way into the records goes through here, so that a fault is told once per run.
    RunRecords m_records;
    // The Records window of one learner at a time, with the records it shows.
    std::unique_ptr<RecordsStore> m_recordsStore;
    std::unique_ptr<RecordsModel> m_recordsModel;
    QtRecordsPrompts m_dialogPrompts;
    IRecordsPrompts& m_recordsPrompts;
    QPointer<frmApertura> m_options;
    QPointer<RecordsWindow> m_recordsWindow;
    // Which pictures the run shows, from the options window on; a vanished one is told once.
    CollectionChoice m_collections;
    QtPicturePrompts m_picturePrompts;
    // The desktop's microphone for the teacher's recordings; without one the Pictures window says so.
    std::unique_ptr<IMicrophone> m_microphone;
    QPointer<PicturesWindow> m_picturesWindow;
    // Outlives the exercise window, so that closing it never waits for a picture being decoded.
    PictureDecoder m_decoder;
    // What the exercise window of the run brings for its learner.
    std::unique_ptr<AnswerLog> m_answerLog;
    std::unique_ptr<QtSpeechVoice> m_voice;
    std::unique_ptr<QtAudioOutputs> m_audioOutputs;
    std::unique_ptr<SpokenCaption> m_spokenCaption;
};

} // namespace tessarine
