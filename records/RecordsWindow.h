#pragma once

#include <QWidget>

class QChartView;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tessarine {

class IMessageBox;
class IRecordsPlace;
class IRecordsPrompts;
class RecordsModel;
class RecordsPlaceBox;

// The records of one learner: sessions, targets, the chart with the mastery line, the editable
// mastery rule with a word on prompted answers, and "Export CSV", "Report PDF" and "Delete learner"; given a place, where
// the records are kept too. Everything it shows comes from the model; it only forwards what the user does.
class RecordsWindow final : public QWidget {
    Q_OBJECT

public:
    RecordsWindow(RecordsModel& model, IRecordsPrompts& prompts, IMessageBox& messageBox, IRecordsPlace* place = nullptr,
                  QWidget* parent = nullptr);

    void cmdExportCsv_Click();
    void cmdReportPdf_Click();
    void cmdDeleteLearner_Click();

    QLabel* lblLearner;
    QTableWidget* tblSessions;
    QTableWidget* tblTargets;
    QChartView* chartView;
    QSpinBox* spnPercent;
    QSpinBox* spnSessions;
    QSpinBox* spnMinTrials;
    QLabel* lblPromptNote;
    QPushButton* cmdExportCsv;
    QPushButton* cmdReportPdf;
    QPushButton* cmdDeleteLearner;
    // "Records kept on"; null without a place.
    RecordsPlaceBox* placeBox = nullptr;

Q_SIGNALS:
    void learnerDeleted(const QString& learner);
    // Those of the place's box.
    void placeChanged();
    void recordsSent(int sent);

private:
    void ruleChanged();
    void showModel();
    void showChart();

    RecordsModel& m_model;
    IRecordsPrompts& m_prompts;
    IMessageBox& m_messageBox;
};

} // namespace tessarine
