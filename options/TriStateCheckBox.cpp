#include "options/TriStateCheckBox.h"

#include "core/RuntimeError.h"

namespace tessarine {

TriStateCheckBox::TriStateCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    setTristate(true);
}

// Qt numbers the states differently (PartiallyChecked is 1, Checked is 2), so they are mapped by
// name, never cast.
std::int16_t TriStateCheckBox::Value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void TriStateCheckBox::setValue(std::int16_t value)
{
    switch (value) {
    case 0:
        setCheckState(Qt::Unchecked);
        break;
    case 1:
        setCheckState(Qt::Checked);
        break;
    case 2:
        setCheckState(Qt::PartiallyChecked);
        break;
    default:
        throw invalidPropertyValue();
    }
}

void TriStateCheckBox::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

} // namespace tessarine
