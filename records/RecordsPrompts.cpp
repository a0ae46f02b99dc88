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
    // "No" is the default: a stray Enter must not delete anything.
    return QMessageBox::question(m_parent, QStringLiteral("Tessarine"), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}

QString QtRecordsPrompts::saveFileName(const QString& caption, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, QDir::home().filePath(suggested), filter);
}

} // namespace tessarine
