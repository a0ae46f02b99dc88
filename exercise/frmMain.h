#pragma once

#include "access/AccessClock.h"
#include "exercise/ExerciseScreen.h"
#include "exercise/ExerciseSession.h"
#include "platform/Platform.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <utility>

class QFrame;
class QLabel;
class QPushButton;

namespace tessarine {

struct ScaledLayout;

class Module1;
class PictureBox;
class PictureDecoder;
class PromptFrame;
class RewardOverlay;
class TokenRow;

// The exercise window: the object picture with its caption, the symbol row in the yellow frame,
// the attribute row in the red frame and "Change set". The layout keeps its design size in a larger
// window, unless the learner's layout fills the screen, and shrinks into a smaller one. Closing it
// emits closed() once; what comes next is the run's business. The running exercise is its
// ExerciseSession's: the window shows and forwards.
class frmMain final : public QWidget, private IExerciseScreen {
    Q_OBJECT

public:
    // Pictures are decoded by `decoder`, which outlives the window and finishes what it leaves.
    frmMain(Module1& module, const Platform& platform, PictureDecoder& decoder, ExerciseAids aids = {},
            QWidget* parent = nullptr);
    // The same, timed by `clock` and `timers` (a test's, that it moves by hand).
    frmMain(Module1& module, const Platform& platform, PictureDecoder& decoder, ExerciseAids aids, const IClock& clock,
            ITimerFactory& timers, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load step: maximise, fill the three picture lists, show or hide the distractor elements,
    // compose the first set. An error of the first set ends it and passes to the caller.
    void Form_Load();
    // Shows a new set; an error ends the set where it happened and passes on.
    void cmdCambia_Click();
    // The set after the one on screen is ready to be shown.
    bool nextSetReady() const { return m_session->nextSetReady(); }

    QLabel* lblImmagine;
    PictureBox* Immagine;
    QPushButton* cmdCambia;
    QFrame* Frame1;
    QFrame* Frame2;
    std::array<PictureBox*, 2> Simbolo;
    std::array<PictureBox*, 2> Attributo;
    // The thick ring around what the keyboard or a switch would choose; hidden without one.
    QFrame* Ring;
    // The frame around the right picture while the prompt shows.
    PromptFrame* Prompt;
    // The tokens of the learner's rewards, and the reward that covers the window.
    TokenRow* Tokens;
    RewardOverlay* Reward;

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
    void build(const ExerciseAids& aids);
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
    bool isTargetVisible(AnswerTarget target) const override;
    bool isAttributeRowVisible() const override;
    void showPrompt(Row row, int rightElement) override;
    void hidePrompt() override;
    void ringMoved() override { moveRing(); }
    void setTokens(int goal, int filled) override;
    void showReward(const QImage& picture) override;
    void hideReward() override;

    QWidget* targetWidget(AnswerTarget target) const;
    std::optional<AnswerTarget> targetOf(QObject* object) const;
    // Scales the layout to the window, with "Fill screen" up and down, otherwise only down, and
    // decodes pictures at the boxes' new size.
    void applyLayout();
    void place(const ScaledLayout& layout);
    void moveRing();
    void placePrompt();

    Module1& m_module;
    Platform m_platform;
    bool m_fillScreen = false;
    std::unique_ptr<SteadyClock> m_ownClock;
    std::unique_ptr<QtTimerFactory> m_ownTimers;
    std::unique_ptr<ExerciseSession> m_session;
    QSize m_objectDecode;
    QSize m_answerDecode;
    bool m_closed = false;
    // The row and element the prompt frames.
    std::optional<std::pair<Row, int>> m_prompted;
};

} // namespace tessarine
