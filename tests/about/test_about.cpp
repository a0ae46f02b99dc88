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
    // A broken counter is reported, and the rest of the window still loads. A click, Enter where the
    // focus starts, and keypad Enter or Esc wherever the focus is close it, which ends the run.
    void loadAndClose_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("error");
        QTest::newRow("not a number, click") << int(SettingKey::Shown) << "many" << 0 << "Type mismatch";
        QTest::newRow("2^31, Return") << int(SettingKey::CorrectAnswers) << "2147483648" << int(Qt::Key_Return) << "Overflow";
        QTest::newRow("empty, keypad Enter") << int(SettingKey::WrongAnswers) << "" << int(Qt::Key_Enter) << "Type mismatch";
        QTest::newRow("largest count, Esc") << int(SettingKey::Shown) << "2147483647" << int(Qt::Key_Escape) << "";
    }
    void loadAndClose()
    {
        QFETCH(int, counter);
        QFETCH(QString, value);
        QFETCH(int, key);
        QFETCH(QString, error);
        // The About window as the exercise window opens it, with the settings in memory.
        doubles::TestPlatform platform(QStringLiteral("/program"));
        const SettingDefinition& def = SettingsStore::definition(SettingKey(counter));
        platform.settings.values.insert({def.section, def.name}, value);
        Module1 module(platform.messageBox, platform.random);
        frmAbout w(module, platform.platform());
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        const auto messages = error.isEmpty() ? QStringList() : QStringList{"Error \"" + error + "\" in Form_Load() routine"};
        QCOMPARE(platform.messageBox.shown, messages);
        QCOMPARE(w.windowTitle(), QStringLiteral("About Tessarine"));
        QCOMPARE(w.lblTitle->text(), QStringLiteral("Tessarine"));
        QCOMPARE(w.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(w.lblDescription->text(),
                 "Developed by The Tessarine project - 2008\r\ntessarine@example.org - tessarine.example.org\r\n");
        // The counters are only read, never shown.
        QCOMPARE(w.lblStatistiche->text(), QString());
        QVERIFY(!w.picIcon->pixmap().isNull());
        QCOMPARE(w.size(), QSize(382, 243));
        // A tool window stays out of the task bar.
        QCOMPARE(w.windowType(), Qt::Tool);

        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.cmdOK);
        if (key == 0)
            QTest::mouseClick(w.cmdOK, Qt::LeftButton);
        else
            QTest::keyClick(key == Qt::Key_Return ? static_cast<QWidget*>(w.cmdOK) : w.lblDescription, Qt::Key(key));
        QVERIFY(!w.isVisible());
        QCOMPARE(platform.lifetime.ends, 1);
        // Nothing is saved, reset or reported on the way out.
        QVERIFY(platform.settings.written.isEmpty());
        QCOMPARE(platform.messageBox.shown, messages);
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
