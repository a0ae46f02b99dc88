#include "teaching/TeachingDialog.h"

#include "core/ErrorGuard.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tessarine {

namespace {

//: The lowest value of a number box: the feature is not used
const char* const Off = QT_TRANSLATE_NOOP("TeachingDialog", "Off");
const auto Symbol = QStringLiteral("symbol");
const auto Attribute = QStringLiteral("attribute");
constexpr int KindRole = Qt::UserRole + 1;

// A spin box whose lowest value reads "Off" and stands for 0.
QSpinBox* offOr(int low, int high, const QString& suffix, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(low - 1, high);
    box->setSpecialValueText(QCoreApplication::translate("TeachingDialog", Off));
    box->setSuffix(suffix);
    return box;
}

int offValue(const QSpinBox* box) { return box->value() == box->minimum() ? 0 : box->value(); }

void addRow(QFormLayout* form, const QString& label, QWidget* field)
{
    field->setAccessibleName(label);
    form->addRow(label, field);
}

} // namespace

TeachingDialog::TeachingDialog(IMessageBox& messageBox, const TeachingSettings& settings, const QStringList& objects,
                               const QString& learner, QWidget* parent)
    : QDialog(parent)
    , m_messageBox(messageBox)
    , m_choice(objects, settings)
    , m_settings(settings)
{
    if (learner.isEmpty())
        //: Title of the dialog when no learner is chosen
        setWindowTitle(tr("Teaching"));
    else
        //: Title of the dialog; %1 is the learner's name
        setWindowTitle(tr("Teaching for %1").arg(learner));

    lstTargets = new QListWidget(this);
    // Symbols first, then attributes shown as category and value.
    const auto add = [this](const QString& target, const QString& kind, const QString& caption) {
        auto* item = new QListWidgetItem(caption, lstTargets);
        item->setData(Qt::UserRole, target);
        item->setData(KindRole, kind);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    };
    for (const QString& symbol : m_choice.targets().symbols)
        add(symbol, Symbol, symbol);
    for (const QString& attribute : m_choice.targets().attributes)
        add(attribute, Attribute, QString(attribute).replace(u'.', QStringLiteral(": ")));

    spnReview = offOr(TeachingSettings::ReviewMin, TeachingSettings::ReviewMax,
                      //: Shown after the number in "Review mastered targets: one set in 5 sets"; keep the leading space
                      tr(" sets"), this);
    spnPromptDelay = new QDoubleSpinBox(this);
    spnPromptDelay->setRange(0, TeachingSettings::PromptDelayMaxMs / 1000.0);
    spnPromptDelay->setDecimals(1);
    spnPromptDelay->setSingleStep(TeachingSettings::PromptDelayMinMs / 1000.0);
    spnPromptDelay->setSpecialValueText(QCoreApplication::translate("TeachingDialog", Off));
    //: Seconds, shown after the number; keep the leading space
    spnPromptDelay->setSuffix(tr(" s"));
    chkPromptAfterWrong = new QCheckBox(tr("Show the answer after a wrong answer"), this);
    spnErrorless = new QSpinBox(this);
    spnErrorless->setRange(0, TeachingSettings::ErrorlessMax);
    chkCorrection = new QCheckBox(tr("Repeat a set after an error"), this);
    //: Shown after the number in "Show a reward after 3 right sets"; keep the leading space
    spnReward = offOr(1, TeachingSettings::RewardMax, tr(" right sets"), this);

    lblProblem = new QLabel(this);
    lblProblem->setTextFormat(Qt::PlainText);
    lblProblem->setWordWrap(true);
    QPalette palette = lblProblem->palette();
    palette.setColor(QPalette::WindowText, QColor(180, 0, 0));
    lblProblem->setPalette(palette);
    lblProblem->hide();

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout;
    //: The list of symbols and attributes being taught
    addRow(form, tr("Targets"), lstTargets);
    addRow(form, tr("Review mastered targets: one set in"), spnReview);
    //: Followed by a number of seconds
    addRow(form, tr("Show the answer after"), spnPromptDelay);
    form->addRow(chkPromptAfterWrong);
    addRow(form, tr("Errorless trials for each new target"), spnErrorless);
    form->addRow(chkCorrection);
    //: Followed by a number of right sets
    addRow(form, tr("Show a reward after"), spnReward);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblProblem);
    layout->addWidget(buttons);

    showSettings(settings);

    connect(buttons, &QDialogButtonBox::accepted, this, [this] { runUnguarded(m_messageBox, [this] { takeChoice(); }); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A problem told goes once the targets are changed.
    connect(lstTargets, &QListWidget::itemChanged, lblProblem, &QWidget::hide);
}

void TeachingDialog::showSettings(const TeachingSettings& settings)
{
    const QSet<QString> symbols = m_choice.checkedSymbols();
    const QSet<QString> attributes = m_choice.checkedAttributes();
    for (int i = 0; i < lstTargets->count(); ++i) {
        QListWidgetItem* item = lstTargets->item(i);
        const QSet<QString>& checked = item->data(KindRole) == Symbol ? symbols : attributes;
        item->setCheckState(checked.contains(item->data(Qt::UserRole).toString()) ? Qt::Checked : Qt::Unchecked);
    }
    spnReview->setValue(settings.reviewEvery > 0 ? settings.reviewEvery : spnReview->minimum());
    spnPromptDelay->setValue(settings.promptDelayMs / 1000.0);
    chkPromptAfterWrong->setChecked(settings.promptAfterWrong);
    spnErrorless->setValue(settings.errorlessTrials);
    chkCorrection->setChecked(settings.correctionSet);
    spnReward->setValue(settings.rewardAfter > 0 ? settings.rewardAfter : spnReward->minimum());
}

QSet<QString> TeachingDialog::checked(const QString& kind) const
{
    QSet<QString> targets;
    for (int i = 0; i < lstTargets->count(); ++i) {
        const QListWidgetItem* item = lstTargets->item(i);
        if (item->data(KindRole) == kind && item->checkState() == Qt::Checked)
            targets.insert(item->data(Qt::UserRole).toString());
    }
    return targets;
}

// OK: the edited settings are taken unless the targets leave nothing to draw; then the dialog says
// so and stays open, and the targets chosen before stay until another choice is taken or Cancel.
void TeachingDialog::takeChoice()
{
    TeachingSettings edited = m_settings;
    edited.reviewEvery = offValue(spnReview);
    // Typed values between "Off" and the shortest delay are the shortest delay.
    const double seconds = spnPromptDelay->value();
    edited.promptDelayMs = seconds <= 0 ? 0
                                        : std::clamp(int(std::lround(seconds * 1000)), TeachingSettings::PromptDelayMinMs,
                                                     TeachingSettings::PromptDelayMaxMs);
    edited.promptAfterWrong = chkPromptAfterWrong->isChecked();
    edited.errorlessTrials = spnErrorless->value();
    edited.correctionSet = chkCorrection->isChecked();
    edited.rewardAfter = offValue(spnReward);
    const auto chosen = m_choice.withTargets(edited, checked(Symbol), checked(Attribute));
    if (!chosen) {
        lblProblem->setText(tr("No picture of this collection has both its symbol and its attribute checked, so "
                               "there would be nothing to show. Check at least one symbol and one attribute of "
                               "the same picture, or press Cancel to keep the targets as they were."));
        lblProblem->show();
        return;
    }
    m_settings = *chosen;
    accept();
}

} // namespace tessarine
