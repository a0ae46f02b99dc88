#include "about/frmAbout.h"
#include "core/Module1.h"
#include "core/ProgramRecord.h"
#include "platform/doubles/TestDoubles.h"
#include "settings/SettingsStore.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace tessarine;

namespace {

// The About window as the exercise window opens it, with the settings in memory.
class Rig {
public:
    Rig()
        : platform(QStringLiteral("/program"))
    {
    }
    ~Rig()
    {
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void storeCounter(SettingKey key, const QString& value)
    {
        const SettingDefinition& def = SettingsStore::definition(key);
        platform.settings.values.insert({def.section, def.name}, value);
    }
    frmAbout& open()
    {
        module = std::make_unique<Module1>(platform.messageBox, platform.random);
        window = new frmAbout(*module, platform.platform());
        window->show();
        return *window;
    }

    doubles::TestPlatform platform;
    std::unique_ptr<Module1> module;
    QPointer<frmAbout> window;
};

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsSetAtLoad()
    {
        Rig rig;
        frmAbout& w = rig.open();

        QCOMPARE(w.windowTitle(), QStringLiteral("About Tessarine"));
        QCOMPARE(w.lblTitle->text(), QStringLiteral("Tessarine"));
        QCOMPARE(w.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(w.lblDescription->text(), QStringLiteral("Developed by ") + ProgramRecord::Author + QStringLiteral(" - 2008\r\n")
                                               + ProgramRecord::Contact + QStringLiteral(" - ") + ProgramRecord::Website
                                               + QStringLiteral("\r\n"));
        QVERIFY(w.lblDescription->text().endsWith(QStringLiteral("\r\n")));
        QCOMPARE(w.lblDisclaimer->text(), QString());
        QCOMPARE(w.lblStatistiche->text(), QString());
        QCOMPARE(w.lblEsito->text(), QString());
        QCOMPARE(w.cmdOK->text(), QStringLiteral("OK"));
        QVERIFY(!w.picIcon->pixmap().isNull());
        QCOMPARE(w.picIcon->geometry(), QRect(16, 16, 32, 32));

        QCOMPARE(w.size(), QSize(382, 243));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // A tool window stays out of the task bar.
        QCOMPARE(w.windowType(), Qt::Tool);
        QVERIFY(rig.platform.messageBox.shown.isEmpty());
    }

    void badCounterIsReportedAndTheRestStillLoads_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("Shown not a number") << int(SettingKey::Shown) << "many"
                                            << "Error \"Type mismatch\" in Form_Load() routine";
        QTest::newRow("CorrectAnswers beyond 32 bits") << int(SettingKey::CorrectAnswers) << "2147483648"
                                                       << "Error \"Overflow\" in Form_Load() routine";
        QTest::newRow("WrongAnswers empty") << int(SettingKey::WrongAnswers) << ""
                                            << "Error \"Type mismatch\" in Form_Load() routine";
        QTest::newRow("largest count") << int(SettingKey::Shown) << "2147483647"
                                       << "";
    }
    void badCounterIsReportedAndTheRestStillLoads()
    {
        QFETCH(int, key);
        QFETCH(QString, value);
        QFETCH(QString, message);
        Rig rig;
        rig.storeCounter(SettingKey(key), value);
        frmAbout& w = rig.open();
        QCOMPARE(rig.platform.messageBox.shown, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(w.windowTitle(), QStringLiteral("About Tessarine"));
        QCOMPARE(w.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QVERIFY(w.lblDescription->text().startsWith(QStringLiteral("Developed by ")));
        // The counters are only read, never shown.
        QCOMPARE(w.lblStatistiche->text(), QString());
    }

    void closingEndsTheRun_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("onButton");
        QTest::newRow("click") << 0 << true;
        QTest::newRow("Enter on OK") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter elsewhere") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
        QTest::newRow("Esc on OK") << int(Qt::Key_Escape) << true;
        QTest::newRow("Esc elsewhere") << int(Qt::Key_Escape) << false;
    }
    void closingEndsTheRun()
    {
        QFETCH(int, key);
        QFETCH(bool, onButton);
        Rig rig;
        frmAbout& w = rig.open();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.cmdOK);
        QWidget* target = onButton ? static_cast<QWidget*>(w.cmdOK) : w.lblDescription;

        if (key == 0)
            QTest::mouseClick(w.cmdOK, Qt::LeftButton);
        else
            QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!w.isVisible());
        QCOMPARE(rig.platform.lifetime.ends, 1);
        // Nothing is saved or reset on the way out.
        QVERIFY(rig.platform.settings.written.isEmpty());
        QVERIFY(rig.platform.messageBox.shown.isEmpty());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
