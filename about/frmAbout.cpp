#include "about/frmAbout.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "core/ProgramRecord.h"
#include "platform/RunLifetime.h"
#include "settings/SettingsStore.h"
#include "widgets/AppIcon.h"
#include "widgets/DesignFont.h"
#include "widgets/GrowToText.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace tessarine {

namespace {

QLabel* label(QWidget* parent, const QRect& geometry, const QString& text, const QColor& colour = Qt::black)
{
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    // Captions are shown as they are, never taken for markup.
    result->setTextFormat(Qt::PlainText);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setWordWrap(true);
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, colour);
    result->setPalette(palette);
    return result;
}

} // namespace

// A tool window: a dialog border and no entry in the task bar (window managers leave utility
// windows out of it), while it still takes the focus, so Enter and Esc reach it.
frmAbout::frmAbout(Module1& module, const Platform& platform, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_module(module)
    , m_platform(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    //: The window's title until the program's name is known
    setWindowTitle(tr("About MyApp"));
    setWindowIcon(appIcon());
    setFixedSize(twips(5730), twips(3645));
    setFont(designFont(8));

    picIcon = new QLabel(this);
    picIcon->setPixmap(appIconPixmap());
    picIcon->setGeometry(QRect(twipsPoint(240, 240), appIconPixmap().size()));
    //: Button that closes the About window
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setGeometry(twipsRect(4245, 2880, 1260, 345));
    cmdOK->setDefault(true);
    lblDescription = label(this, twipsRect(1080, 1125, 3885, 1050), QString());
    //: Shown until the program's name is known
    lblTitle = label(this, twipsRect(1050, 240, 3885, 480), tr("Application Title"));
    //: Shown until the version number is known
    lblVersion = label(this, twipsRect(1050, 780, 3885, 225), tr("Version"));
    lblDisclaimer = label(this, twipsRect(255, 2625, 3870, 585), QString());
    lblStatistiche = label(this, twipsRect(3000, 3600, 2565, 1290), QString(), QColor(0, 0, 255));
    lblEsito = label(this, twipsRect(120, 3600, 2565, 1290), QString());
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    // Enter and Esc press "OK" wherever the focus is.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, cmdOK, &QPushButton::click);
    }

    Form_Load();
    growToTexts(this);
}

void frmAbout::Form_Load()
{
    Guard guard(m_module.messageBox(), QStringLiteral("Form_Load"));
    const ProgramInfo& program = m_platform.program;
    SettingsStore store(m_platform.settings);
    QString description;

    // The counters are read and converted, so that a broken value is reported, but not shown.
    for (const SettingKey counter : {SettingKey::Shown, SettingKey::CorrectAnswers, SettingKey::WrongAnswers})
        guard.step([&] { textToInt32(store.read(counter)); });
    guard.step([&] {
        const QString lineBreak = QStringLiteral("\r\n");
        //: %1 is the author, %2 the year
        description = tr("Developed by %1 - %2").arg(ProgramRecord::Author, ProgramRecord::CreditYear) + lineBreak
                      + ProgramRecord::Contact + QStringLiteral(" - ") + ProgramRecord::Website + lineBreak;
    });
    //: %1 is the program's name
    guard.step([&] { setWindowTitle(tr("About %1").arg(program.title)); });
    //: %1 is the version number, such as 1.0.0
    guard.step([&] { lblVersion->setText(tr("Version %1").arg(program.version())); });
    guard.step([&] { lblTitle->setText(program.title); });
    guard.step([&] { lblDescription->setText(description); });
}

void frmAbout::cmdOK_Click()
{
    Guard guard(m_module.messageBox(), QStringLiteral("cmdOK_Click"));
    guard.step([&] { close(); });
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Two etched separators: a grey line with a white one beside it.
    QPainter painter(this);
    const QColor grey(128, 128, 128);
    painter.setPen(QPen(grey, 1));
    painter.drawLine(twipsPoint(90, 2400), twipsPoint(5654, 2400));
    painter.drawLine(twipsPoint(120, 3360), twipsPoint(5684, 3360));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(twipsPoint(105, 2400) + QPoint(0, 1), twipsPoint(5654, 2400) + QPoint(0, 1));
    painter.drawLine(twipsPoint(135, 3375), twipsPoint(5684, 3375));
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The last window of the run is gone.
    runUnguarded(m_module.messageBox(), [this] { m_platform.lifetime.endRun(); });
}

} // namespace tessarine
