// Texts grow in translation: every window a teacher opens shows each of them whole, with no
// control cut off by its frame or lying over another, in English and in every shipped language.

#include "about/frmAbout.h"
#include "access/AccessDialog.h"
#include "records/RecordsFixture.h"
#include "records/RecordsModel.h"
#include "records/RecordsPlace.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsWindow.h"
#include "speech/AudioOutputs.h"
#include "speech/doubles/SpeechDoubles.h"
#include "support/ExerciseFixture.h"
#include "support/OptionsFixture.h"
#include "teaching/TeachingDialog.h"
#include "translations/Translations.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessarine;

namespace {

bool isControl(const QWidget* widget)
{
    // A picture is not text; where it is drawn is no translation's doing.
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget)
           || qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLineEdit*>(widget)
           || qobject_cast<const QAbstractSpinBox*>(widget);
}

// A control inside another (a combo box's own line edit, a spin box's buttons) is the other's business.
bool isOwnControl(const QWidget* widget)
{
    for (const QWidget* parent = widget->parentWidget(); parent && !parent->isWindow(); parent = parent->parentWidget())
        if (isControl(parent) && !qobject_cast<const QGroupBox*>(parent))
            return false;
    return isControl(widget);
}

QString plain(QString text) { return text.remove(QLatin1Char('&')); }

// How wide a control must be to show its text whole; 0 for a control without text of its own.
int neededWidth(const QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->wordWrap() ? 0 : label->sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        if (button->text().isEmpty())
            return 0;
        // The text and the button's frame; the style's own minimum width is no part of the text.
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return metrics.horizontalAdvance(plain(button->text())) + icon + 8;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().isEmpty() ? 0 : button->sizeHint().width();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title().isEmpty() ? 0 : metrics.horizontalAdvance(plain(group->title())) + 16;
    return 0;
}

QString describe(const QWidget* widget)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        text = group->title();
    else
        text = widget->accessibleName();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()), text);
}

// Every text of the window whole, each control inside its frame and the window on a small screen, and
// no two controls of one frame on top of each other.
QStringList cutOff(QWidget* window)
{
    QStringList problems;
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(window) || !isOwnControl(widget))
            continue;
        controls << widget;
        if (neededWidth(widget) > widget->width())
            problems
                << QStringLiteral("%1 needs %2 px, has %3").arg(describe(widget)).arg(neededWidth(widget)).arg(widget->width());
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label && label->wordWrap() && !label->text().isEmpty() && label->heightForWidth(label->width()) > label->height())
            problems << QStringLiteral("%1 needs %2 px high, has %3")
                            .arg(describe(widget))
                            .arg(label->heightForWidth(label->width()))
                            .arg(label->height());
        const QRect frame = widget->parentWidget()->rect();
        if (!frame.contains(widget->geometry()))
            problems << QStringLiteral("%1 goes beyond its frame").arg(describe(widget));
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            // The designed layout has captions a pixel into the next one; a text is not covered by that.
            if (const QRect both = controls[i]->geometry() & controls[j]->geometry();
                controls[i]->parentWidget() == controls[j]->parentWidget() && both.height() > 2 && both.width() > 2)
                problems << QStringLiteral("%1 lies over %2").arg(describe(controls[i]), describe(controls[j]));
    // The smallest screen the exercise is laid out for (the offscreen screen's size and fonts vary);
    // the exercise itself fills whatever screen there is.
    if (const QSize size = window->frameGeometry().size(); !window->isMaximized() && (size.width() > 1024 || size.height() > 600))
        problems
            << QStringLiteral("the window (%1 by %2) does not fit a 1024 by 600 screen").arg(size.width()).arg(size.height());
    return problems;
}

} // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsShownWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en_GB");
        for (const QString& language : ShippedLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextIsShownWhole()
    {
        QFETCH(QString, language);
        const Translations translations{QLocale(language)};
        QCOMPARE(translations.language(), language.left(2));
        // Qt's own buttons speak the same language (Debian's qt6-translations-l10n).
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel == QLatin1String("Cancel"), translations.language() == QLatin1String("en"));

        QStringList problems;
        const auto check = [&problems](const char* name, QWidget& window) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            for (const QString& problem : cutOff(&window))
                problems << QString::fromLatin1(name) + QStringLiteral(": ") + problem;
        };
        // The longest text of the options window is the notice of a computer without sound.
        testing::OptionsWindow options;
        options.audioNotice = audioOutputNotice(doubles::FixedAudioOutputs(false));
        QVERIFY(!options.audioNotice.isEmpty());
        check("options", options.open());
        frmAbout about(*options.module, options.platform.platform());
        check("about", about);
        AccessDialog access(options.platform.messageBox, {}, QStringLiteral("Ann"));
        check("access", access);
        TeachingDialog teaching(options.platform.messageBox, {}, {QStringLiteral("cup.colour.red.jpg")}, QStringLiteral("Ann"));
        check("teaching", teaching);
        testing::Exercise exercise({QStringLiteral("cup.colour.red.jpg"), QStringLiteral("hat.colour.blue.jpg")},
                                   {QStringLiteral("cup.jpg"), QStringLiteral("hat.jpg")},
                                   {QStringLiteral("colour.red.jpg"), QStringLiteral("colour.blue.jpg")});
        QVERIFY(!exercise.open());
        check("exercise", *exercise.window);
        // The Records window of a learner with a session, its records on a server, two sessions waiting.
        QTemporaryDir folder;
        RecordsStore store(folder.filePath(QStringLiteral("records.sqlite")));
        store.open();
        testing::ScriptedRecorder recorder(folder.filePath(QStringLiteral("records.sqlite")), options.platform.messageBox);
        testing::recordSession(recorder, QStringLiteral("Ann"), QStringLiteral("cup.colour.red.jpg"), 2, 1);
        struct ServerChosen final : IRecordsPlace {
            QString server() override { return QStringLiteral("service=school"); }
            void setServer(const QString&) override {}
            int unsentSessions() override { return 2; }
            int sendNow() override { return 0; }
        } place;
        struct NoPrompts final : IRecordsPrompts {
            bool confirm(const QString&) override { return false; }
            QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
        } prompts;
        RecordsModel model(store, QStringLiteral("Ann"), QLocale(language));
        RecordsWindow records(model, prompts, options.platform.messageBox, &place);
        // It takes the screen up to 1280 by 720; on the smallest screen, it is this.
        records.resize(1024 - 8, 600 - 30);
        check("records", records);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslatedWindows)
#include "test_translated_windows.moc"
