#pragma once

#include <QString>

class QWidget;

namespace tessarine {

// The questions the Records window asks the user: a yes-or-no confirmation and where to save a
// file (empty when cancelled). Tests answer them instead of a user.
class IRecordsPrompts {
public:
    virtual ~IRecordsPrompts() = default;
    virtual bool confirm(const QString& question) = 0;
    virtual QString saveFileName(const QString& caption, const QString& suggested, const QString& filter) = 0;
};

class QtRecordsPrompts final : public IRecordsPrompts {
public:
    explicit QtRecordsPrompts(QWidget* parent = nullptr);
    bool confirm(const QString& question) override;
    QString saveFileName(const QString& caption, const QString& suggested, const QString& filter) override;

private:
    QWidget* m_parent;
};

} // namespace tessarine
