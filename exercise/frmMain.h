#pragma once

#include "access/AccessClock.h"
#include "access/AccessController.h"
#include "exercise/AnswerChecker.h"
#include "exercise/AnswerLog.h"
#include "exercise/ExerciseView.h"
#include "exercise/SetComposer.h"
#include "platform/Platform.h"
#include "teaching/TeachingSettings.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tessarine {

struct ScaledLayout;

class Module1;
class PictureBox;
class PictureDecoder;
class SpokenCaption;

// What a learner brings to the exercise beyond the options: their records, their ways of answering
// and the spoken caption. The defaults leave the window exactly as designed.
struct ExerciseAids {
    AnswerLog* log = nullptr;
    AccessSettings access;
    SpokenCaption* caption = nullptr;
    // How the learner is taught and what their records say of their targets.
    TeachingSettings teaching;
    TeachingHistory history;
};

// The exercise window: the object picture with its caption, the symbol row in the yellow frame,
// the attribute row in the red frame and "Change set". The layout keeps its design size in a larger
// window, unless the learner's layout fills the screen, and shrinks into a smaller one. Closing it
// emits closed() once; what comes next is the run's business.
class frmMain final : public QWidget, private IExerciseView, private IAnswerTargets {
    Q_OBJECT

public:
    // Pictures are decoded by `decoder`, which outlives the window and finishes what it leaves.
    frmMain(Module1& module, const Platform& platform, PictureDecoder& decoder, ExerciseAids aids = {},
            QWidget* parent = nullptr);

    // The load step: maximise, fill the three picture lists, show or hide the distractor elements,
    // compose the first set. An error of the first set ends it and passes to the caller.
    void Form_Load();
    // Shows a new set; an error ends the set where it happened and passes on.
    void cmdCambia_Click();
    // The set after the one on screen is ready to be shown.
    bool nextSetReady() const { return m_composer.nextSetReady(); }

    QLabel* lblImmagine;
    PictureBox* Immagine;
    QPushButton* cmdCambia;
    QFrame* Frame1;
    QFrame* Frame2;
    std::array<PictureBox*, 2> Simbolo;
    std::array<PictureBox*, 2> Attributo;
    // The thick ring around what the keyboard or a switch would choose; hidden without one.
    QFrame* Ring;

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    PictureBox* element(Row row, int index) const;

    void setObjectPicture(const QImage& picture, const QString& sourceName) override;
    void setCaption(const QString& caption) override;
    void setAnswerPicture(Row row, int index, const QImage& picture, const QString& sourceName) override;
    void clearAnswerPicture(Row row, int index) override;
    QString tag(Row row, int index) const override;
    void setTag(Row row, int index, const QString& tag) override;
    void setAttributeRowVisible(bool visible) override;
    QSize objectDecodeSize() const override;
    QSize answerDecodeSize() const override;
    void setStarting() override;
    void setShown(const AnswerLog::Set& set, const std::exception_ptr& failure) override;
    bool isTargetVisible(AnswerTarget target) const override;

    QWidget* targetWidget(AnswerTarget target) const;
    std::optional<AnswerTarget> targetOf(QObject* object) const;
    // Judges what the learner chose, exactly as a click on it.
    void choose(AnswerTarget target);
    void applyOutcome(const AccessOutcome& outcome);
    void click(Row row, int index);
    // Scales the layout to the window, with "Fill screen" up and down, otherwise only down, and
    // decodes pictures at the boxes' new size.
    void applyLayout();
    void place(const ScaledLayout& layout);
    void moveRing();

    Module1& m_module;
    Platform m_platform;
    SetComposer m_composer;
    AnswerChecker m_checker;
    ExerciseAids m_aids;
    SteadyClock m_clock;
    QtStepTimer m_timer;
    AccessController m_access;
    QSize m_objectDecode;
    QSize m_answerDecode;
    bool m_closed = false;
    bool m_showingSet = false;
    bool m_setOnScreen = false;
    // How the set on screen ends when the next one comes: by "Change set" or by a right attribute.
    AnswerLog::SetEnd m_nextEnd = AnswerLog::SetEnd::NextInSequence;
};

} // namespace tessarine
