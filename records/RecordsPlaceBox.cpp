#include "records/RecordsPlaceBox.h"

#include "core/ErrorGuard.h"
#include "records/RecordsError.h"
#include "records/RecordsPlace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tessarine {

namespace {

// Sending may wait on the network: the pointer says so until it is done.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

RecordsPlaceBox::RecordsPlaceBox(IRecordsPlace& place, IMessageBox& messageBox, QWidget* parent)
    //: The title of the box that chooses where the learners' records are kept
    : QGroupBox(tr("Records kept on"), parent)
    , m_place(place)
    , m_messageBox(messageBox)
{
    const QString serverHelp = tr(
        "A PostgreSQL connection string: host, dbname and user, or service=NAME; the password is taken from ~/.pgpass");

    cboPlace = new QComboBox(this);
    //: Where the records are kept: the records file of this computer
    cboPlace->insertItem(ThisComputer, tr("This computer"));
    //: Where the records are kept: the school's database server, shared by its computers
    cboPlace->insertItem(SchoolServer, tr("School server"));
    cboPlace->setAccessibleName(title());
    cboPlace->setToolTip(tr("Where the learners' records are kept: this computer's file, or the school's server that "
                            "every computer of the school shares"));

    //: The label of the school server's connection string
    lblServer = new QLabel(tr("Server"), this);
    txtServer = new QLineEdit(this);
    lblServer->setBuddy(txtServer);
    // An example typed as written, in any language.
    txtServer->setPlaceholderText(QStringLiteral("host=db.school dbname=tessarine user=teacher"));
    txtServer->setToolTip(serverHelp);
    lblServer->setToolTip(serverHelp);
    //: A button: keeps the records on the school server typed beside it
    cmdUseServer = new QPushButton(tr("Use this server"), this);
    cmdUseServer->setToolTip(tr("Keeps the records on this server from now on"));

    lblUnsent = new QLabel(this);
    lblUnsent->setWordWrap(true);
    //: A button: sends the sessions recorded on this computer to the school server
    cmdSendNow = new QPushButton(tr("Send now"), this);
    cmdSendNow->setToolTip(tr("Sends the sessions recorded on this computer to the school server; each is sent once"));

    // Two rows across the window: the place and its server, then what waits to be sent.
    auto* layout = new QGridLayout(this);
    layout->addWidget(cboPlace, 0, 0);
    layout->addWidget(lblServer, 0, 1);
    layout->addWidget(txtServer, 0, 2);
    layout->addWidget(cmdUseServer, 0, 3);
    layout->addWidget(lblUnsent, 1, 0, 1, 3);
    layout->addWidget(cmdSendNow, 1, 3);
    layout->setColumnStretch(2, 1);

    Guard guard(m_messageBox, QStringLiteral("RecordsPlaceBox"));
    guard.step([this] { m_server = m_place.server(); });
    txtServer->setText(m_server);
    cboPlace->setCurrentIndex(m_server.isEmpty() ? ThisComputer : SchoolServer);
    int unsent = 0;
    guard.step([&] { unsent = m_place.unsentSessions(); });
    showChoice();
    showUnsent(unsent);

    // Only what the user chooses is acted on, not the entry shown when the box opens.
    connect(cboPlace, &QComboBox::activated, this, [this] { runUnguarded(m_messageBox, [this] { cboPlace_Click(); }); });
    connect(cmdUseServer, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdUseServer_Click(); }); });
    connect(txtServer, &QLineEdit::returnPressed, this, [this] { runUnguarded(m_messageBox, [this] { cmdUseServer_Click(); }); });
    connect(cmdSendNow, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdSendNow_Click(); }); });
}

void RecordsPlaceBox::showChoice()
{
    const bool server = cboPlace->currentIndex() == SchoolServer;
    txtServer->setEnabled(server);
    lblServer->setEnabled(server);
    cmdUseServer->setEnabled(server);
}

void RecordsPlaceBox::showUnsent(int unsent)
{
    m_unsent = unsent;
    //: %n is a number of sessions
    lblUnsent->setText(tr("%n session(s) recorded on this computer wait to be sent to the school server.", nullptr, unsent));
    lblUnsent->setVisible(unsent > 0);
    const bool sendable = unsent > 0 && !m_server.isEmpty();
    cmdSendNow->setVisible(sendable);
    cmdSendNow->setEnabled(sendable);
}

void RecordsPlaceBox::cboPlace_Click()
{
    if (cboPlace->currentIndex() == ThisComputer && !m_server.isEmpty()) {
        Guard guard(m_messageBox, QStringLiteral("cboPlace_Click"));
        if (!guard.step([this] { m_place.setServer({}); })) {
            // The server is still the place: the combo says so.
            cboPlace->setCurrentIndex(SchoolServer);
            return;
        }
        m_server.clear();
        showChoice();
        showUnsent(m_unsent);
        // Last: the receiver may reopen the window, and this box with it.
        Q_EMIT placeChanged();
        return;
    }
    showChoice();
    if (cboPlace->currentIndex() == SchoolServer)
        txtServer->setFocus();
}

void RecordsPlaceBox::cmdUseServer_Click()
{
    if (cboPlace->currentIndex() != SchoolServer)
        return;
    Guard guard(m_messageBox, QStringLiteral("cmdUseServer_Click"));
    const QString server = txtServer->text().trimmed();
    if (server.isEmpty()) {
        guard.report(std::make_exception_ptr(translatedError(
            RecordsErrorNumber::ServerSetting, "RecordsPlaceBox",
            QT_TRANSLATE_NOOP("RecordsPlaceBox", "Type the school server's connection string, such as "
                                                 "host=db.school dbname=tessarine user=teacher or service=NAME."))));
        txtServer->setFocus();
        return;
    }
    if (!guard.step([&] { m_place.setServer(server); }))
        return;
    m_server = server;
    txtServer->setText(server);
    showUnsent(m_unsent);
    Q_EMIT placeChanged();
}

void RecordsPlaceBox::cmdSendNow_Click()
{
    if (m_server.isEmpty())
        return;
    Guard guard(m_messageBox, QStringLiteral("cmdSendNow_Click"));
    const int before = m_unsent;
    int sent = 0;
    int unsent = before;
    {
        WaitCursor waiting;
        const bool done = guard.step([&] { sent = m_place.sendNow(); });
        guard.step([&] { unsent = m_place.unsentSessions(); });
        // What was sent before a failure stays sent, and is shown too.
        if (!done)
            sent = std::max(0, before - unsent);
    }
    showUnsent(unsent);
    if (sent > 0)
        Q_EMIT recordsSent(sent);
}

} // namespace tessarine
