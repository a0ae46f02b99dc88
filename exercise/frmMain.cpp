#include "exercise/frmMain.h"

#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "media/MediaCatalogue.h"
#include "widgets/AppIcon.h"
#include "widgets/DesignFont.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace tessarine {

namespace {

QFrame* colouredFrame(QWidget* parent, const QRect& geometry, const QColor& colour)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(geometry);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
    return frame;
}

PictureBox* answerElement(QFrame* frame, int index, const QRect& geometry)
{
    auto* box = new PictureBox(index, frame);
    box->setGeometry(geometry);
    return box;
}

} // namespace

frmMain::frmMain(Module1& module, const Platform& platform, PictureDecoder& decoder, QWidget* parent)
    : QWidget(parent)
    , m_module(module)
    , m_platform(platform)
    , m_composer(module, decoder, m_platform.program, *this)
    , m_checker(module, m_platform.sound, m_platform.program, *this, m_composer)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_platform.program.title);
    setWindowIcon(appIcon());
    resize(twips(15135), twips(10140));
    setFont(designFont(8));

    lblImmagine = new QLabel(this);
    lblImmagine->setGeometry(twipsRect(720, 120, 9015, 615));
    // Captions come from file names: shown as they are, never taken for markup.
    lblImmagine->setTextFormat(Qt::PlainText);
    lblImmagine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblImmagine->setFont(designFont(24));

    Immagine = new PictureBox(0, this);
    Immagine->setGeometry(twipsRect(720, 840, 9000, 4500));

    cmdCambia = new QPushButton(QStringLiteral("Change set"), this);
    cmdCambia->setGeometry(twipsRect(12120, 840, 1935, 495));

    Frame1 = colouredFrame(this, twipsRect(360, 6000, 7215, 3735), QColor(255, 255, 0));
    Simbolo = {answerElement(Frame1, 0, twipsRect(240, 480, 3015, 3015)),
               answerElement(Frame1, 1, twipsRect(3795, 480, 3015, 3015))};
    Frame2 = colouredFrame(this, twipsRect(7560, 6000, 7215, 3735), QColor(255, 0, 0));
    Attributo = {answerElement(Frame2, 0, twipsRect(360, 480, 3015, 3015)),
                 answerElement(Frame2, 1, twipsRect(3915, 480, 3015, 3015))};

    // "Change set" is the only control that takes the keyboard focus, so it has it from the start;
    // Enter presses it, as Space does.
    cmdCambia->setAutoDefault(true);
    cmdCambia->setFocus();

    IMessageBox& box = module.messageBox();
    connect(cmdCambia, &QPushButton::clicked, this, [this, &box] { runUnguarded(box, [this] { cmdCambia_Click(); }); });
    for (PictureBox* symbol : Simbolo)
        connect(symbol, &PictureBox::clicked, this, [this, &box](int index) {
            runUnguarded(box, [&] { m_checker.Simbolo_Click(static_cast<std::int16_t>(index)); });
        });
    for (PictureBox* attribute : Attributo)
        connect(attribute, &PictureBox::clicked, this, [this, &box](int index) {
            runUnguarded(box, [&] { m_checker.Attributo_Click(static_cast<std::int16_t>(index)); });
        });
}

void frmMain::Form_Load()
{
    // Without a window manager the maximised state alone would keep the design size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);

    CaricaImmagini(m_module, m_platform.listing, m_platform.program);
    CaricaSimboli(m_module, m_platform.listing, m_platform.program);
    CaricaAttributi(m_module, m_platform.listing, m_platform.program);
    Attributo[1]->setVisible(m_module.ShowAttributesDistractor);
    Simbolo[1]->setVisible(m_module.ShowSymbolsDistractor);
    cmdCambia_Click();
}

void frmMain::cmdCambia_Click() { m_composer.cmdCambia_Click(); }

void frmMain::closeEvent(QCloseEvent* event)
{
    // A close can be delivered twice (the window system's and the program's own); the run moves on
    // once.
    event->accept();
    if (!std::exchange(m_closed, true))
        Q_EMIT closed();
}

PictureBox* frmMain::element(Row row, int index) const
{
    const auto& elements = row == Row::Symbols ? Simbolo : Attributo;
    if (index < 0 || index > 1)
        throw positionOutOfRange();
    return elements[static_cast<std::size_t>(index)];
}

void frmMain::setObjectPicture(const QImage& picture, const QString& sourceName)
{
    Immagine->setPicture(picture, sourceName);
}

void frmMain::setCaption(const QString& caption) { lblImmagine->setText(caption); }

void frmMain::setAnswerPicture(Row row, int index, const QImage& picture, const QString& sourceName)
{
    element(row, index)->setPicture(picture, sourceName);
}

void frmMain::clearAnswerPicture(Row row, int index) { element(row, index)->clearPicture(); }

QString frmMain::tag(Row row, int index) const { return element(row, index)->Tag; }

void frmMain::setTag(Row row, int index, const QString& tag) { element(row, index)->Tag = tag; }

void frmMain::setAttributeRowVisible(bool visible) { Frame2->setVisible(visible); }

} // namespace tessarine
