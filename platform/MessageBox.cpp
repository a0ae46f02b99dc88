#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace tessarine {

QtMessageBox::QtMessageBox(QString caption)
    : m_caption(std::move(caption))
{
}

void QtMessageBox::showCritical(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, m_caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace tessarine
