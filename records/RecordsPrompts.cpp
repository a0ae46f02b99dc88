#include "records/RecordsPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace tessarine {

QtRecordsPrompts::QtRecordsPrompts(QWidget* parent)
    : m_parent(parent)
{
}

bool QtRecordsPrompts::confirm(const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tessarine"), question, QMessageBox::Yes | QMessageBox::No, m_parent);
    // The question carries a learner's name, shown as typed, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    // "No" is the default: a stray Enter must not delete anything.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtRecordsPrompts::saveFileName(const QString& caption, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, QDir::home().filePath(suggested), filter);
}

} // namespace tessarine
