#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessarine {

class IMessageBox;
class IRecordsPlace;

// "Records kept on": this computer's file or the school's server, the server's connection string,
// and the sessions recorded here that wait to be sent. The choice and the sending are the place's;
// the box only forwards what the user does and says what the place answers.
class RecordsPlaceBox final : public QGroupBox {
    Q_OBJECT

public:
    RecordsPlaceBox(IRecordsPlace& place, IMessageBox& messageBox, QWidget* parent = nullptr);

    // The entries of cboPlace.
    enum Place { ThisComputer = 0, SchoolServer = 1 };

    void cboPlace_Click();
    void cmdUseServer_Click();
    void cmdSendNow_Click();

    QComboBox* cboPlace;
    QLabel* lblServer;
    QLineEdit* txtServer;
    QPushButton* cmdUseServer;
    QLabel* lblUnsent;
    QPushButton* cmdSendNow;

Q_SIGNALS:
    // The place was set: what the window shows must be read from the new one.
    void placeChanged();
    // Sessions waiting here were sent to the server; the server's records now hold them.
    void recordsSent(int sent);

private:
    void showChoice();
    void showUnsent(int unsent);

    IRecordsPlace& m_place;
    IMessageBox& m_messageBox;
    // The server kept by the place, as it was last read or set; empty for this computer.
    QString m_server;
    int m_unsent = 0;
};

} // namespace tessarine
