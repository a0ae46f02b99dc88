#include "options/frmApertura.h"

#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "core/RuntimeError.h"
#include "options/TriStateCheckBox.h"
#include "platform/RunLifetime.h"
#include "widgets/AppIcon.h"
#include "widgets/DesignFont.h"
#include "widgets/GrowToText.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace tessarine {

namespace {

// The layout was measured for "MS Sans Serif"; where a wider font stands in, a caption keeps its
// place and height but grows to the right rather than being cut off.
template <typename Widget>
Widget* placeCaption(Widget* widget, const QRect& geometry)
{
    widget->setGeometry(geometry);
    if (widget->sizeHint().width() > geometry.width())
        widget->resize(widget->sizeHint().width(), geometry.height());
    return widget;
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* result = new QLabel(text, parent);
    // Captions are shown as they are, never taken for markup.
    result->setTextFormat(Qt::PlainText);
    return placeCaption(result, geometry);
}

TriStateCheckBox* checkBox(QWidget* parent, const QString& text, const QRect& geometry)
{
    return placeCaption(new TriStateCheckBox(text, parent), geometry);
}

QGroupBox* frame(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* result = new QGroupBox(caption, parent);
    result->setGeometry(geometry);
    return result;
}

// A horizontal line drawn in the window's text colour, from one end point to the other.
QFrame* line(QWidget* parent, int x1, int x2, int y)
{
    auto* result = new QFrame(parent);
    result->setFrameStyle(QFrame::HLine | QFrame::Plain);
    result->setLineWidth(1);
    result->setGeometry(QRect(twipsPoint(x1, y), twipsPoint(x2, y)));
    return result;
}

QComboBox* dropDownList(QWidget* parent, const QRect& geometry)
{
    auto* result = new QComboBox(parent);
    result->setGeometry(geometry);
    return result;
}

// The button shows only an icon, so a screen reader needs to be told which sound it plays.
QPushButton* playButton(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* result = new QPushButton(parent);
    result->setAccessibleName(name);
    result->setGeometry(geometry);
    result->setIcon(playIcon());
    //: Tooltip of the buttons that play the chosen sound
    result->setToolTip(QCoreApplication::translate("frmApertura", "Play it"));
    return result;
}

// Assigning a text to a drop-down list selects the entry equal to it without regard to letter case.
// Where names differ only in case (possible on this file system), the exact one is preferred.
void assignText(QComboBox* list, const QString& text)
{
    int found = list->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (found < 0)
        found = list->findText(text, Qt::MatchFixedString);
    if (found < 0)
        throw invalidPropertyValue();
    list->setCurrentIndex(found);
}

} // namespace

frmApertura::frmApertura(Module1& module, const Platform& platform, Actions actions, QWidget* parent)
    : QWidget(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_module(module)
    , m_platform(platform)
    , m_actions(std::move(actions))
    , m_logic(module, m_platform, *this, m_actions.knownLearners, m_actions.collections)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_platform.program.title);
    setWindowIcon(appIcon());
    // Taller than the window was first drawn by the "Pictures" row at the foot.
    setFixedSize(twips(6120), twips(7425));

    setFont(designFont(8));

    //: The options window's heading
    Label1 = new QLabel(tr("Program Options"), this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(designFont(12, true));
    placeCaption(Label1, twipsRect(120, 240, 3495, 375));
    Line2 = line(this, 120, 5880, 720);

    frmDistractors = frame(this, tr("Distractors management"), twipsRect(240, 960, 5535, 2175));
    chkShowSymbolsDistractor = checkBox(frmDistractors, tr("Show distractor for symbols"), twipsRect(120, 360, 2655, 255));
    chkShowAttributesDistractor = checkBox(frmDistractors, tr("Show distractor for attributes"), twipsRect(120, 720, 2535, 255));
    Label3 = label(frmDistractors, tr("Attribute distractor chosing method"), twipsRect(120, 1200, 2895, 255));
    // Both option buttons share the frame, which makes them one group.
    Option1 = placeCaption(new QRadioButton(tr("Same category of image"), frmDistractors), twipsRect(120, 1440, 2175, 255));
    Option2 = placeCaption(new QRadioButton(tr("Full random (regardless of category)"), frmDistractors),
                           twipsRect(120, 1680, 2895, 255));

    chkSequenza = checkBox(this, tr("Use sequence between symbols and attributes"), twipsRect(360, 3360, 3975, 255));

    Frame1 = frame(this, tr("Sounds management"), twipsRect(240, 4080, 5535, 1815));
    chkSuoni = checkBox(Frame1, tr("Play sounds"), twipsRect(120, 360, 1455, 375));
    chkSuoni->setValue(1);
    lblNoAudio = new QLabel(Frame1);
    lblNoAudio->setTextFormat(Qt::PlainText);
    lblNoAudio->setWordWrap(true);
    lblNoAudio->setGeometry(twipsRect(1680, 240, 3735, 570));
    lblNoAudio->setStyleSheet(QStringLiteral("color: #a00000"));
    lblNoAudio->hide();
    Label5 = label(Frame1, tr("Sound for \"OK\""), twipsRect(120, 870, 1215, 255));
    cboSoundOK = dropDownList(Frame1, twipsRect(1560, 840, 3255, 315));
    Label5->setBuddy(cboSoundOK);
    cmdPlayOk = playButton(Frame1, tr("Play the OK sound"), twipsRect(4920, 810, 375, 375));
    Label4 = label(Frame1, tr("Sound for \"error\""), twipsRect(120, 1260, 1215, 255));
    cboSoundWrong = dropDownList(Frame1, twipsRect(1560, 1230, 3255, 315));
    Label4->setBuddy(cboSoundWrong);
    cmdPlayWrong = playButton(Frame1, tr("Play the wrong-answer sound"), twipsRect(4920, 1200, 375, 375));

    Line1 = line(this, 240, 5990, 6120);
    //: Button: closes the options and starts the exercise
    OKButton = new QPushButton(tr("Start program"), this);
    OKButton->setGeometry(twipsRect(4680, 6360, 1215, 375));

    //: Label of the list of learners' names
    lblLearner = label(this, tr("Learner"), twipsRect(240, 6420, 660, 255));
    cboLearner = dropDownList(this, twipsRect(900, 6360, 1650, 375));
    cboLearner->setEditable(true);
    lblLearner->setBuddy(cboLearner);
    // A new name is taken as typed; it joins the list with the first record.
    cboLearner->setInsertPolicy(QComboBox::NoInsert);
    cboLearner->setToolTip(tr("Whose answers are recorded; leave empty to record nothing"));
    //: Button: opens the learner's records
    cmdRecords = new QPushButton(tr("Records..."), this);
    cmdRecords->setGeometry(twipsRect(2610, 6360, 1005, 375));
    //: Button: opens the learner's keyboard, switch and screen settings
    cmdAccess = new QPushButton(tr("Access..."), this);
    cmdAccess->setGeometry(twipsRect(3660, 6360, 960, 375));
    cmdAccess->setToolTip(tr("Keyboard, switches and screen size for this learner"));
    //: Button: opens the learner's teaching settings
    cmdTeaching = new QPushButton(tr("Teaching..."), this);
    cmdTeaching->setGeometry(twipsRect(4680, 6795, 1215, 375));
    cmdTeaching->setToolTip(tr("Targets, prompts, corrections and rewards for this learner"));

    //: Label of the list of picture collections
    lblPictures = label(this, tr("Pictures"), twipsRect(240, 6855, 660, 255));
    cboPictures = dropDownList(this, twipsRect(900, 6795, 2715, 375));
    lblPictures->setBuddy(cboPictures);
    cboPictures->setToolTip(tr("The pictures the exercise shows"));
    //: Button: opens the window that adds, names and checks pictures
    cmdPictures = new QPushButton(tr("Pictures..."), this);
    cmdPictures->setGeometry(twipsRect(3660, 6795, 960, 375));
    cmdPictures->setToolTip(tr("Add, name and check the pictures of this collection"));

    // No default and no cancel button, so Esc does nothing; but, as on the desktop this window was
    // designed for, Enter presses the push button that has the focus: at the start "Start program".
    OKButton->setAutoDefault(true);
    cmdPlayOk->setAutoDefault(true);
    cmdPlayWrong->setAutoDefault(true);
    cmdRecords->setAutoDefault(true);
    cmdAccess->setAutoDefault(true);
    cmdTeaching->setAutoDefault(true);
    cmdPictures->setAutoDefault(true);

    // "Start program" comes first, so it has the focus when the window opens.
    QWidget* const tabOrder[] = {OKButton,
                                 chkShowAttributesDistractor,
                                 chkShowSymbolsDistractor,
                                 Option1,
                                 Option2,
                                 chkSequenza,
                                 cmdPlayWrong,
                                 cmdPlayOk,
                                 chkSuoni,
                                 cboSoundWrong,
                                 cboSoundOK,
                                 cboLearner,
                                 cmdRecords,
                                 cmdAccess,
                                 cmdTeaching,
                                 cboPictures,
                                 cmdPictures};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    OKButton->setFocus();

    IMessageBox& box = module.messageBox();
    const auto wire = [this, &box](QAbstractButton* button, auto handler) {
        connect(button, &QAbstractButton::clicked, this, [&box, handler] { runUnguarded(box, handler); });
    };
    // Each distractor and sequence control only refreshes the shared flags.
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{chkShowSymbolsDistractor, chkShowAttributesDistractor,
                                                                           chkSequenza, Option1, Option2})
        wire(button, [this] { m_logic.AggiornaStatoImpostazioni(); });
    wire(OKButton, [this] { OKButton_Click(); });
    wire(cmdPlayOk, [this] { m_logic.cmdPlayOk_Click(); });
    wire(cmdPlayWrong, [this] { m_logic.cmdPlayWrong_Click(); });
    wire(cmdRecords, [this] {
        if (m_actions.openRecords)
            m_actions.openRecords(learner().trimmed());
    });
    wire(cmdAccess, [this] {
        if (m_actions.openAccess)
            m_actions.openAccess(learner().trimmed());
    });
    wire(cmdTeaching, [this] {
        if (m_actions.openTeaching)
            m_actions.openTeaching(learner().trimmed());
    });
    // Records, access and teaching settings belong to a learner; the empty learner has none.
    connect(cboLearner, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        for (QPushButton* button : {cmdRecords, cmdAccess, cmdTeaching})
            button->setEnabled(!text.trimmed().isEmpty());
    });
    wire(cmdPictures, [this] {
        if (m_actions.openPictures)
            m_actions.openPictures(m_logic.chosenCollection());
    });
    // Only the user's own picks: the lists filled by code change no choice.
    connect(cboPictures, &QComboBox::activated, this,
            [this, &box](int index) { runUnguarded(box, [&] { m_logic.cboPictures_Click(index); }); });
    connect(cboLearner, &QComboBox::currentTextChanged, this,
            [this, &box](const QString& text) { runUnguarded(box, [&] { m_logic.learnerChanged(text); }); });
    cmdPictures->setVisible(bool(m_actions.openPictures));
    cmdRecords->setVisible(bool(m_actions.openRecords));
    cmdAccess->setVisible(bool(m_actions.openAccess));
    cmdTeaching->setVisible(bool(m_actions.openTeaching));
    for (QPushButton* button : {cmdRecords, cmdAccess, cmdTeaching})
        button->setEnabled(false);

    m_logic.Form_Load();
    runUnguarded(box, [this] {
        const QString notice = m_actions.audioNotice ? m_actions.audioNotice() : QString();
        lblNoAudio->setText(notice);
        lblNoAudio->setVisible(!notice.isEmpty());
    });
    growToTexts(this);
}

void frmApertura::OKButton_Click()
{
    Guard guard(m_module.messageBox(), QStringLiteral("OKButton_Click"));
    QPointer<QWidget> exercise;

    m_starting = true;
    guard.step([&] { close(); });
    const bool opened = guard.step([&] { m_actions.openExercise(exercise); });
    if (opened)
        return;
    // The exercise window's opening failed and has been reported. The options window is gone, so
    // the exercise window is shown as far as it got: the user can still close it and finish the run.
    // Without any window left the run could not go on at all.
    guard.step([&] {
        if (exercise)
            exercise->show();
        else
            m_platform.lifetime.endRun();
    });
}

TriStateCheckBox* frmApertura::box(OptionBox which) const
{
    switch (which) {
    case OptionBox::ShowSymbolsDistractor:
        return chkShowSymbolsDistractor;
    case OptionBox::ShowAttributesDistractor:
        return chkShowAttributesDistractor;
    case OptionBox::UseSequence:
        return chkSequenza;
    case OptionBox::PlaySounds:
        return chkSuoni;
    }
    throw invalidPropertyValue();
}

QComboBox* frmApertura::list(SoundList which) const { return which == SoundList::Ok ? cboSoundOK : cboSoundWrong; }

std::int16_t frmApertura::boxValue(OptionBox which) const { return box(which)->Value(); }
void frmApertura::setBoxValue(OptionBox which, std::int16_t value) { box(which)->setValue(value); }
bool frmApertura::sameCategorySelected() const { return Option1->isChecked(); }
void frmApertura::selectSameCategory() { Option1->setChecked(true); }
void frmApertura::selectFullRandom() { Option2->setChecked(true); }
void frmApertura::addSound(SoundList which, const QString& name) { list(which)->addItem(name); }
int frmApertura::soundIndex(SoundList which) const { return list(which)->currentIndex(); }
void frmApertura::setSoundIndex(SoundList which, int index) { list(which)->setCurrentIndex(index); }
QString frmApertura::soundText(SoundList which) const { return list(which)->currentText(); }
void frmApertura::selectSound(SoundList which, const QString& name) { assignText(list(which), name); }

void frmApertura::setKnownLearners(const QStringList& learners)
{
    cboLearner->clear();
    cboLearner->addItems(learners);
}
QString frmApertura::learner() const { return cboLearner->currentText(); }
void frmApertura::setLearner(const QString& learner) { cboLearner->setCurrentText(learner); }

void frmApertura::setCollections(const QStringList& names)
{
    cboPictures->clear();
    cboPictures->addItems(names);
    //: Last entry of the list of picture collections: choose a folder
    cboPictures->addItem(tr("Other folder..."));
}
void frmApertura::setCollectionIndex(int index) { cboPictures->setCurrentIndex(index); }

QString frmApertura::chooseOtherFolder()
{
    if (m_actions.chooseFolder)
        return m_actions.chooseFolder(this);
    return QFileDialog::getExistingDirectory(
        //: Title of the folder dialog; Images, Symbols, Attributes and Sounds are folder names, kept as they are
        this, tr("Pictures: choose a folder with Images, Symbols, Attributes and Sounds"));
}

void frmApertura::clearSounds()
{
    cboSoundOK->clear();
    cboSoundWrong->clear();
}

void frmApertura::closeEvent(QCloseEvent* event)
{
    // The closing never refuses, and stores the options once however often it is asked.
    event->accept();
    if (std::exchange(m_unloaded, true))
        return;
    runUnguarded(m_module.messageBox(), [this] {
        m_logic.Form_Unload();
        if (!m_starting)
            m_platform.lifetime.endRun();
    });
}

} // namespace tessarine
