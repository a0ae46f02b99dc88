#include "options/frmApertura.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "core/NameTable.h"
#include "core/ProgramRecord.h"
#include "exercise/frmMain.h"
#include "options/TriStateCheckBox.h"
#include "platform/AppIcon.h"
#include "platform/DesignFont.h"
#include "platform/DirectoryListing.h"
#include "platform/RunLifetime.h"
#include "platform/Twips.h"
#include "settings/SettingsStore.h"
#include "sound/SoundPlayback.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace tessarine {

namespace {

const QString NoSound = QStringLiteral("*** NO SOUND ***");
const QString SoundPattern = QStringLiteral("*.wav");

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

QPushButton* playButton(QWidget* parent, const QRect& geometry)
{
    auto* result = new QPushButton(parent);
    result->setGeometry(geometry);
    result->setIcon(playIcon());
    result->setToolTip(QStringLiteral("Play it"));
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

frmApertura::frmApertura(Module1& module, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_module(module)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(module.platform().program.title);
    setWindowIcon(appIcon());
    setFixedSize(twips(6120), twips(6990));

    setFont(designFont(8));

    Label1 = new QLabel(QStringLiteral("Program Options"), this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(designFont(12, true));
    placeCaption(Label1, twipsRect(120, 240, 3495, 375));
    Line2 = line(this, 120, 5880, 720);

    frmDistractors = frame(this, QStringLiteral("Distractors management"), twipsRect(240, 960, 5535, 2175));
    chkShowSymbolsDistractor =
        checkBox(frmDistractors, QStringLiteral("Show distractor for symbols"), twipsRect(120, 360, 2655, 255));
    chkShowAttributesDistractor =
        checkBox(frmDistractors, QStringLiteral("Show distractor for attributes"), twipsRect(120, 720, 2535, 255));
    Label3 = label(frmDistractors, QStringLiteral("Attribute distractor chosing method"), twipsRect(120, 1200, 2895, 255));
    // Both option buttons share the frame, which makes them one group.
    Option1 = placeCaption(new QRadioButton(QStringLiteral("Same category of image"), frmDistractors),
                           twipsRect(120, 1440, 2175, 255));
    Option2 = placeCaption(new QRadioButton(QStringLiteral("Full random (regardless of category)"), frmDistractors),
                           twipsRect(120, 1680, 2895, 255));

    chkSequenza =
        checkBox(this, QStringLiteral("Use sequence between symbols and attributes"), twipsRect(360, 3360, 3975, 255));

    Frame1 = frame(this, QStringLiteral("Sounds management"), twipsRect(240, 4080, 5535, 1815));
    chkSuoni = checkBox(Frame1, QStringLiteral("Play sounds"), twipsRect(120, 360, 1455, 375));
    chkSuoni->setValue(1);
    Label5 = label(Frame1, QStringLiteral("Sound for \"OK\""), twipsRect(120, 870, 1215, 255));
    cboSoundOK = dropDownList(Frame1, twipsRect(1560, 840, 3255, 315));
    cmdPlayOk = playButton(Frame1, twipsRect(4920, 810, 375, 375));
    Label4 = label(Frame1, QStringLiteral("Sound for \"error\""), twipsRect(120, 1260, 1215, 255));
    cboSoundWrong = dropDownList(Frame1, twipsRect(1560, 1230, 3255, 315));
    cmdPlayWrong = playButton(Frame1, twipsRect(4920, 1200, 375, 375));

    Line1 = line(this, 240, 5990, 6120);
    OKButton = new QPushButton(QStringLiteral("Start program"), this);
    OKButton->setGeometry(twipsRect(4680, 6360, 1215, 375));

    // No default and no cancel button, so Esc does nothing; but, as on the desktop this window was
    // designed for, Enter presses the push button that has the focus: at the start "Start program".
    OKButton->setAutoDefault(true);
    cmdPlayOk->setAutoDefault(true);
    cmdPlayWrong->setAutoDefault(true);

    // "Start program" comes first, so it has the focus when the window opens.
    QWidget* const tabOrder[] = {OKButton, chkShowAttributesDistractor, chkShowSymbolsDistractor, Option1, Option2,
                                 chkSequenza, cmdPlayWrong, cmdPlayOk, chkSuoni, cboSoundWrong, cboSoundOK};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    OKButton->setFocus();

    IMessageBox& box = module.messageBox();
    const auto wire = [this, &box](QAbstractButton* button, void (frmApertura::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, &box, handler] {
            runUnguarded(box, [this, handler] { (this->*handler)(); });
        });
    };
    wire(chkShowSymbolsDistractor, &frmApertura::chkShowSymbolsDistractor_Click);
    wire(chkShowAttributesDistractor, &frmApertura::chkShowAttributesDistractor_Click);
    wire(chkSequenza, &frmApertura::chkSequenza_Click);
    wire(Option1, &frmApertura::Option1_Click);
    wire(Option2, &frmApertura::Option2_Click);
    wire(OKButton, &frmApertura::OKButton_Click);
    wire(cmdPlayOk, &frmApertura::cmdPlayOk_Click);
    wire(cmdPlayWrong, &frmApertura::cmdPlayWrong_Click);

    Form_Load();
}

void frmApertura::Form_Load()
{
    Guard guard(m_module.messageBox(), QStringLiteral("Form_Load"));
    SettingsStore store(m_module.platform().settings);

    // A stored state that is no number, too large, or no check-box state leaves the box as it was.
    const auto applyState = [&](TriStateCheckBox* box, SettingKey key) {
        guard.step([&] { box->setValue(textToInt16(store.read(key))); });
    };
    applyState(chkShowSymbolsDistractor, SettingKey::ShowSymbolsDistractor);
    applyState(chkShowAttributesDistractor, SettingKey::ShowAttributesDistractor);
    applyState(chkSequenza, SettingKey::UseSequence);
    if (guard.test([&] { return store.read(SettingKey::SameCategoryAttributes) == QStringLiteral("S"); }))
        guard.step([&] { Option1->setChecked(true); });
    else
        guard.step([&] { Option2->setChecked(true); });
    guard.step([&] { CaricaSuoni(); });
    guard.step([&] { AggiornaStatoImpostazioni(); });
}

void frmApertura::CaricaSuoni()
{
    Guard guard(m_module.messageBox(), QStringLiteral("CaricaSuoni"));
    const Platform& platform = m_module.platform();
    SettingsStore store(platform.settings);
    NameTable names;
    std::int32_t count = 0;
    QString name;

    guard.step([&] { name = platform.listing.first(mediaPath(platform.program, Folder::Sounds, SoundPattern)); });
    while (!name.isEmpty()) {
        // Past the working list's end each name is reported and left out.
        guard.step([&] {
            names[count + 1] = name;
            ++count;
        });
        // A listing that fails part-way ends here rather than being asked again and again.
        if (!guard.step([&] { name = platform.listing.next(); }))
            name.clear();
    }

    // Ordinal order of the character codes: capitals before small letters, as the user expects
    // from the names alone, whatever order the listing gave.
    guard.step([&] {
        for (bool swapped = count > 0; swapped;) {
            swapped = false;
            for (std::int32_t j = 1; j < count; ++j) {
                if (QString::compare(names[j], names[j + 1], Qt::CaseSensitive) > 0) {
                    std::swap(names[j], names[j + 1]);
                    swapped = true;
                }
            }
        }
    });

    guard.step([&] { cboSoundOK->addItem(NoSound); });
    guard.step([&] { cboSoundWrong->addItem(NoSound); });
    for (std::int32_t j = 1; j <= count; ++j) {
        guard.step([&] { cboSoundOK->addItem(names[j]); });
        guard.step([&] { cboSoundWrong->addItem(names[j]); });
    }
    // Qt selects the first entry added to an empty list; the lists start with nothing selected, so
    // that a stored name that matches no file ends on "*** NO SOUND ***" below.
    guard.step([&] { cboSoundOK->setCurrentIndex(-1); });
    guard.step([&] { cboSoundWrong->setCurrentIndex(-1); });

    if (count == 0) {
        guard.step([&] { cboSoundOK->setCurrentIndex(0); });
        guard.step([&] { cboSoundWrong->setCurrentIndex(0); });
    } else {
        QString storedOk;
        QString storedWrong;
        guard.step([&] { storedOk = store.read(SettingKey::SoundOk); });
        guard.step([&] { storedWrong = store.read(SettingKey::SoundWrong); });
        for (std::int32_t j = 1; j <= count; ++j) {
            if (guard.test([&] { return names[j].toUpper() == storedOk.toUpper(); }))
                guard.step([&] { assignText(cboSoundOK, storedOk); });
            if (guard.test([&] { return names[j].toUpper() == storedWrong.toUpper(); }))
                guard.step([&] { assignText(cboSoundWrong, storedWrong); });
        }
        if (guard.test([&] { return cboSoundOK->currentText().isEmpty(); }))
            guard.step([&] { cboSoundOK->setCurrentIndex(0); });
        if (guard.test([&] { return cboSoundWrong->currentText().isEmpty(); }))
            guard.step([&] { cboSoundWrong->setCurrentIndex(0); });
    }

    guard.step([&] { chkSuoni->setValue(textToInt16(store.read(SettingKey::PlaySounds))); });
}

void frmApertura::AggiornaStatoImpostazioni()
{
    Guard guard(m_module.messageBox(), QStringLiteral("AggiornaStatoImpostazioni"));
    Module1& m = m_module;
    // Only a checked box sets its flag; the third state counts as off. A state that cannot be read
    // sets the flag (test() answers true after its report).
    m.ShowSymbolsDistractor = guard.test([&] { return chkShowSymbolsDistractor->Value() == 1; });
    m.ShowAttributesDistractor = guard.test([&] { return chkShowAttributesDistractor->Value() == 1; });
    guard.step([&] { m.SameCategoryAttributes = Option1->isChecked(); });
    m.UseSequence = guard.test([&] { return chkSequenza->Value() == 1; });
}

void frmApertura::chkShowSymbolsDistractor_Click() { AggiornaStatoImpostazioni(); }
void frmApertura::chkShowAttributesDistractor_Click() { AggiornaStatoImpostazioni(); }
void frmApertura::chkSequenza_Click() { AggiornaStatoImpostazioni(); }
void frmApertura::Option1_Click() { AggiornaStatoImpostazioni(); }
void frmApertura::Option2_Click() { AggiornaStatoImpostazioni(); }

void frmApertura::OKButton_Click()
{
    Guard guard(m_module.messageBox(), QStringLiteral("OKButton_Click"));
    QPointer<frmMain> exercise;

    m_starting = true;
    guard.step([&] { close(); });
    const bool opened = guard.step([&] {
        exercise = new frmMain(m_module);
        exercise->Form_Load();
        exercise->show();
    });
    if (opened)
        return;
    // The exercise window's opening failed and has been reported. The options window is gone, so
    // the exercise window is shown as far as it got: the user can still close it and finish the run.
    // Without any window left the run could not go on at all.
    guard.step([&] {
        if (exercise)
            exercise->show();
        else
            m_module.platform().lifetime.endRun();
    });
}

void frmApertura::cmdPlayOk_Click()
{
    Guard guard(m_module.messageBox(), QStringLiteral("cmdPlayOk_Click"));
    guard.step([&] {
        API_PlaySound(m_module, mediaPath(m_module.platform().program, Folder::Sounds, cboSoundOK->currentText()));
    });
}

void frmApertura::cmdPlayWrong_Click()
{
    Guard guard(m_module.messageBox(), QStringLiteral("cmdPlayWrong_Click"));
    guard.step([&] {
        API_PlaySound(m_module, mediaPath(m_module.platform().program, Folder::Sounds, cboSoundWrong->currentText()));
    });
}

void frmApertura::Form_Unload()
{
    Guard guard(m_module.messageBox(), QStringLiteral("Form_Unload"));
    Module1& m = m_module;
    SettingsStore store(m.platform().settings);

    const auto storeState = [&](SettingKey key, TriStateCheckBox* box) {
        guard.step([&] { store.write(key, QString::number(box->Value())); });
    };
    storeState(SettingKey::ShowSymbolsDistractor, chkShowSymbolsDistractor);
    storeState(SettingKey::ShowAttributesDistractor, chkShowAttributesDistractor);
    storeState(SettingKey::UseSequence, chkSequenza);
    if (guard.test([&] { return Option1->isChecked(); }))
        guard.step([&] { store.write(SettingKey::SameCategoryAttributes, QStringLiteral("S")); });
    else
        guard.step([&] { store.write(SettingKey::SameCategoryAttributes, QStringLiteral("N")); });
    storeState(SettingKey::PlaySounds, chkSuoni);

    // Entry 0, "*** NO SOUND ***", and no selection at all are both stored as the empty text.
    const auto takeSound = [&](QComboBox* list, SettingKey key, QString& variable) {
        if (guard.test([&] { return list->currentIndex() > 0; })) {
            guard.step([&] { store.write(key, list->currentText()); });
            guard.step([&] { variable = list->currentText(); });
        } else {
            guard.step([&] { store.write(key, QString()); });
            guard.step([&] { variable.clear(); });
        }
    };
    takeSound(cboSoundOK, SettingKey::SoundOk, m.SoundOk);
    takeSound(cboSoundWrong, SettingKey::SoundWrong, m.SoundWrong);
    m.PlaySounds = guard.test([&] { return chkSuoni->Value() == 1; });

    const std::pair<SettingKey, const QString&> record[] = {
        {SettingKey::Author, ProgramRecord::Author},
        {SettingKey::Year, ProgramRecord::Year},
        {SettingKey::Contact, ProgramRecord::Contact},
        {SettingKey::Website, ProgramRecord::Website},
    };
    for (const auto& [key, value] : record)
        guard.step([&] { store.write(key, value); });

    // All keys reach the file together; a store that cannot be written is reported once, here,
    // and the previous file is left whole.
    guard.step([&] { store.flush(); });
}

void frmApertura::closeEvent(QCloseEvent* event)
{
    // The closing never refuses, and stores the options once however often it is asked.
    event->accept();
    if (std::exchange(m_unloaded, true))
        return;
    runUnguarded(m_module.messageBox(), [this] {
        Form_Unload();
        if (!m_starting)
            m_module.platform().lifetime.endRun();
    });
}

} // namespace tessarine
