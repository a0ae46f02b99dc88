#include "about/frmAbout.h"
#include "core/Module1.h"
#include "platform/doubles/TestDoubles.h"
#include "settings/SettingsStore.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tessarine;

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A broken counter is reported, and the rest of the window still loads.
    void textsSetAtLoad_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("error");
        QTest::newRow("not a number") << int(SettingKey::Shown) << QStringLiteral("many") << "Type mismatch";
        QTest::newRow("beyond 32 bits") << int(SettingKey::CorrectAnswers) << QStringLiteral("2147483648") << "Overflow";
        QTest::newRow("empty") << int(SettingKey::WrongAnswers) << QStringLiteral("") << "Type mismatch";
        QTest::newRow("largest count") << int(SettingKey::Shown) << QStringLiteral("2147483647") << "";
    }
    void textsSetAtLoad()
    {
        QFETCH(int, counter);
        QFETCH(QString, value);
        QFETCH(QString, error);
        doubles::TestPlatform platform(QStringLiteral("/program"));
        const SettingDefinition& def = SettingsStore::definition(SettingKey(counter));
        platform.settings.values.insert({def.section, def.name}, value);
        Module1 module(platform.messageBox, platform.random);
        frmAbout w(module, platform.platform());
        const QStringList message{"Error \"" + error + "\" in Form_Load() routine"};
        QCOMPARE(platform.messageBox.shown, error.isEmpty() ? QStringList() : message);
        QCOMPARE(w.windowTitle(), QStringLiteral("About Tessarine"));
        QCOMPARE(w.lblTitle->text(), QStringLiteral("Tessarine"));
        QCOMPARE(w.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(
            w.lblDescription->text(),
            QStringLiteral("Developed by The Tessarine project - 2008\r\ntessarine@example.org - tessarine.example.org\r\n"));
        // The counters are only read, never shown.
        QCOMPARE(w.lblStatistiche->text(), QString());
        QVERIFY(!w.picIcon->pixmap().isNull());
        QCOMPARE(w.size(), QSize(382, 243));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // A tool window stays out of the task bar.
        QCOMPARE(w.windowType(), Qt::Tool);
    }

    void closingEndsTheRun()
    {
        // A click, Enter where the focus starts, and keypad Enter or Esc wherever the focus is.
        for (const int key : {0, int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape)}) {
            // The About window as the exercise window opens it, with the settings in memory.
            doubles::TestPlatform platform(QStringLiteral("/program"));
            Module1 module(platform.messageBox, platform.random);
            frmAbout w(module, platform.platform());
            w.setAttribute(Qt::WA_DeleteOnClose, false);
            w.show();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QCOMPARE(QApplication::focusWidget(), w.cmdOK);
            if (key == 0)
                QTest::mouseClick(w.cmdOK, Qt::LeftButton);
            else
                QTest::keyClick(key == Qt::Key_Return ? static_cast<QWidget*>(w.cmdOK) : w.lblDescription, Qt::Key(key));
            QVERIFY2(!w.isVisible(), qPrintable(QString::number(key, 16)));
            QCOMPARE(platform.lifetime.ends, 1);
            // Nothing is saved, reset or reported on the way out, nor with no counters stored.
            QVERIFY(platform.settings.written.isEmpty());
            QVERIFY(platform.messageBox.shown.isEmpty());
        }
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
