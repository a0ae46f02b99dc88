#include "exercise/frmMain.h"

#include "access/ScaledLayout.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "media/MediaCatalogue.h"
#include "widgets/AppIcon.h"
#include "widgets/DesignFont.h"
#include "widgets/PictureBox.h"
#include "widgets/PromptMarks.h"
#include "widgets/TokenRow.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace tessarine {

namespace {

QFrame* colouredFrame(QWidget* parent, const QColor& colour)
{
    auto* frame = new QFrame(parent);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
    return frame;
}

// The ring around what a key or a switch would choose: a dark band outside and a light band inside,
// side by side. Whatever lies around it (the grey window, the yellow or the red frame, white, any
// picture), one of the two stands out from it at least 3:1, which no single colour can.
class TwoBandRing final : public QFrame {
public:
    static constexpr int BandWidth = 4;

    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Q_UNUSED(event);
        QPainter painter(this);
        const auto band = [&](const QRect& outside, const QColor& colour) {
            const QRegion ring = QRegion(outside).subtracted(outside.adjusted(BandWidth, BandWidth, -BandWidth, -BandWidth));
            for (const QRect& part : ring)
                painter.fillRect(part, colour);
        };
        band(rect(), QColor(0x00, 0x20, 0x80));
        band(rect().adjusted(BandWidth, BandWidth, -BandWidth, -BandWidth), Qt::white);
    }
};

} // namespace

frmMain::frmMain(Module1& module, const Platform& platform, PictureDecoder& decoder, ExerciseAids aids, QWidget* parent)
    : QWidget(parent)
    , m_module(module)
    , m_platform(platform)
    , m_ownClock(std::make_unique<SteadyClock>())
    , m_ownTimers(std::make_unique<QtTimerFactory>(module.messageBox()))
{
    build(aids);
    IExerciseScreen& screen = *this;
    m_session = std::make_unique<ExerciseSession>(module, m_platform, decoder, aids, screen, *m_ownClock, *m_ownTimers);
}

frmMain::frmMain(Module1& module, const Platform& platform, PictureDecoder& decoder, ExerciseAids aids, const IClock& clock,
                 ITimerFactory& timers, QWidget* parent)
    : QWidget(parent)
    , m_module(module)
    , m_platform(platform)
{
    build(aids);
    IExerciseScreen& screen = *this;
    m_session = std::make_unique<ExerciseSession>(module, m_platform, decoder, aids, screen, clock, timers);
}

// The session goes first: its timers and the caption it cues may still call into the widgets.
frmMain::~frmMain() { m_session.reset(); }

void frmMain::build(const ExerciseAids& aids)
{
    m_fillScreen = aids.access.fillScreen;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_platform.program.title);
    setWindowIcon(appIcon());
    // The same design the filled screen scales from.
    const DesignLayout design = exerciseDesignLayout();
    resize(twips(design.client.width()), twips(design.client.height()));
    setFont(designFont(8));

    lblImmagine = new QLabel(this);
    // Captions come from file names: shown as they are, never taken for markup.
    lblImmagine->setTextFormat(Qt::PlainText);
    lblImmagine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblImmagine->setFont(designFont(design.captionPointSize));

    Immagine = new PictureBox(0, this);
    //: Button: shows the next set of pictures
    cmdCambia = new QPushButton(tr("Change set"), this);
    Frame1 = colouredFrame(this, QColor(255, 255, 0));
    Simbolo = {new PictureBox(0, Frame1), new PictureBox(1, Frame1)};
    Frame2 = colouredFrame(this, QColor(255, 0, 0));
    Attributo = {new PictureBox(0, Frame2), new PictureBox(1, Frame2)};
    Tokens = new TokenRow(this);
    // A thick ring in two colours, seen on the yellow and the red frame alike; clicks pass through.
    Ring = new TwoBandRing(this);
    Ring->setAttribute(Qt::WA_TransparentForMouseEvents);
    Ring->hide();
    Prompt = new PromptFrame(this);
    Reward = new RewardOverlay(this);
    place(ScaledLayout::compute(design, size(), false));
    // What a screen reader says for each part of the window.
    //: The text under the object picture (its name)
    lblImmagine->setAccessibleName(tr("Caption"));
    Immagine->setAccessibleName(tr("Object picture"));
    //: Button: shows the next set of pictures
    cmdCambia->setAccessibleName(tr("Change set"));
    //: The row of symbol pictures to choose from
    Frame1->setAccessibleName(tr("Symbols"));
    //: The row of attribute pictures (colours, sizes...) to choose from
    Frame2->setAccessibleName(tr("Attributes"));
    Simbolo[0]->setAccessibleName(tr("First symbol"));
    Simbolo[1]->setAccessibleName(tr("Second symbol"));
    Attributo[0]->setAccessibleName(tr("First attribute"));
    Attributo[1]->setAccessibleName(tr("Second attribute"));
    //: The ring that marks the picture a key or switch would choose
    Ring->setAccessibleName(tr("Focus ring"));
    //: The mark that shows the learner the right answer
    Prompt->setAccessibleName(tr("Answer shown"));
    //: The row of tokens earned towards a reward
    Tokens->setAccessibleName(tr("Tokens"));
    //: The reward shown after enough right answers
    Reward->setAccessibleName(tr("Reward"));

    const AccessSettings& access = aids.access;
    if (access.keyboardAccess || access.scanMode != ScanMode::Off) {
        // The window takes every key itself, so that Tab and the arrows move the ring; Enter and
        // Space choose what the ring is on, at first "Change set", as they pressed it before.
        cmdCambia->setFocusPolicy(Qt::NoFocus);
        setFocusPolicy(Qt::StrongFocus);
        setFocus();
    } else {
        // "Change set" is the only control that takes the keyboard focus, so it has it from the
        // start; Enter presses it, as Space does.
        cmdCambia->setAutoDefault(true);
        cmdCambia->setFocus();
    }
    // Mouse presses pass by the access rules first: switch buttons, the press guard.
    const QList<QWidget*> pressable{cmdCambia, Simbolo[0], Simbolo[1],  Attributo[0], Attributo[1], Frame1,
                                    Frame2,    Immagine,   lblImmagine, Tokens,       Reward,       this};
    for (QWidget* target : pressable)
        target->installEventFilter(this);

    IMessageBox& box = m_module.messageBox();
    connect(cmdCambia, &QPushButton::clicked, this,
            [this, &box] { runUnguarded(box, [this] { m_session->pointerClicked(AnswerTarget::ChangeSet); }); });
    for (PictureBox* symbol : Simbolo)
        connect(symbol, &PictureBox::clicked, this, [this, &box](int index) {
            runUnguarded(box, [&] { m_session->pointerClicked(index == 0 ? AnswerTarget::Symbol0 : AnswerTarget::Symbol1); });
        });
    for (PictureBox* attribute : Attributo)
        connect(attribute, &PictureBox::clicked, this, [this, &box](int index) {
            runUnguarded(box,
                         [&] { m_session->pointerClicked(index == 0 ? AnswerTarget::Attribute0 : AnswerTarget::Attribute1); });
        });
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    AccessOutcome outcome;
    runUnguarded(m_module.messageBox(),
                 [&] { outcome = m_session->keyPressed(event->key(), event->modifiers(), event->isAutoRepeat()); });
    if (!outcome.handled) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    runUnguarded(m_module.messageBox(), [&] { m_session->perform(outcome); });
}

void frmMain::keyReleaseEvent(QKeyEvent* event)
{
    AccessOutcome outcome;
    runUnguarded(m_module.messageBox(), [&] { outcome = m_session->keyReleased(event->key(), event->isAutoRepeat()); });
    if (!outcome.handled) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    runUnguarded(m_module.messageBox(), [&] { m_session->perform(outcome); });
}

bool frmMain::focusNextPrevChild(bool next)
{
    // Tab moves the ring, not the focus, while the window takes the keys itself.
    if (focusPolicy() == Qt::StrongFocus)
        return false;
    return QWidget::focusNextPrevChild(next);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (!press && event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    AccessOutcome outcome;
    bool swallow = false;
    runUnguarded(m_module.messageBox(), [&] {
        outcome = press ? m_session->buttonPressed(mouse->button()) : m_session->buttonReleased(mouse->button());
        swallow = outcome.handled;
        if (!swallow && press) {
            if (const auto target = targetOf(watched))
                m_session->pointerPressed(*target);
        }
        if (swallow)
            m_session->perform(outcome);
    });
    return swallow || QWidget::eventFilter(watched, event);
}

std::optional<AnswerTarget> frmMain::targetOf(QObject* object) const
{
    for (const AnswerTarget target : AllTargets)
        if (targetWidget(target) == object)
            return target;
    return std::nullopt;
}

QWidget* frmMain::targetWidget(AnswerTarget target) const
{
    switch (target) {
    case AnswerTarget::Symbol0:
        return Simbolo[0];
    case AnswerTarget::Symbol1:
        return Simbolo[1];
    case AnswerTarget::Attribute0:
        return Attributo[0];
    case AnswerTarget::Attribute1:
        return Attributo[1];
    case AnswerTarget::ChangeSet:
        return cmdCambia;
    }
    return nullptr;
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    runUnguarded(m_module.messageBox(), [this] { applyLayout(); });
}

void frmMain::applyLayout()
{
    const bool fill = m_fillScreen;
    const ScaledLayout layout = ScaledLayout::compute(exerciseDesignLayout(), size(), fill, devicePixelRatioF());
    place(layout);
    // At the design size pictures are decoded at the design's boxes, as they always were.
    const bool designSize = !fill && layout.scale == 1.0;
    m_objectDecode = designSize ? QSize() : layout.objectDecodeSize;
    m_answerDecode = designSize ? QSize() : layout.answerDecodeSize;
    m_session->boxesResized();
    placePrompt();
    moveRing();
}

void frmMain::place(const ScaledLayout& layout)
{
    lblImmagine->setGeometry(layout.caption);
    QFont captionFont = lblImmagine->font();
    captionFont.setPointSizeF(layout.captionPointSize);
    lblImmagine->setFont(captionFont);
    Immagine->setGeometry(layout.objectPicture);
    cmdCambia->setGeometry(layout.changeSet);
    Frame1->setGeometry(layout.symbolFrame);
    Frame2->setGeometry(layout.attributeFrame);
    for (std::size_t i = 0; i < 2; ++i) {
        Simbolo[i]->setGeometry(layout.symbols[i]);
        Attributo[i]->setGeometry(layout.attributes[i]);
    }
    Tokens->setGeometry(layout.tokenRow);
    if (Reward->isVisible())
        Reward->setGeometry(rect());
}

QSize frmMain::objectDecodeSize() const { return m_objectDecode; }
QSize frmMain::answerDecodeSize() const { return m_answerDecode; }

void frmMain::Form_Load()
{
    // Without a window manager the maximised state alone would keep the design size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    // A hidden window gets its resize event only when shown, after the first set is decoded.
    applyLayout();

    m_session->load();
    Attributo[1]->setVisible(m_module.ShowAttributesDistractor);
    Simbolo[1]->setVisible(m_module.ShowSymbolsDistractor);
    cmdCambia_Click();
}

void frmMain::cmdCambia_Click() { m_session->showNextSet(); }

void frmMain::closeEvent(QCloseEvent* event)
{
    // A close can be delivered twice (the window system's and the program's own); the run moves on
    // once.
    event->accept();
    runUnguarded(m_module.messageBox(), [this] { m_session->windowClosed(); });
    if (!std::exchange(m_closed, true))
        Q_EMIT closed();
}

} // namespace tessarine
