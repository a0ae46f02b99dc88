#pragma once

#include <QCheckBox>

#include <cstdint>

namespace tessarine {

// A check box with the three states the settings store keeps: 0 clear, 1 checked, 2 the third
// (indeterminate) state. Only code can put it in the third state; a click by the user toggles
// between clear and checked, and a box in the third state becomes checked.
class TriStateCheckBox final : public QCheckBox {
    Q_OBJECT

public:
    explicit TriStateCheckBox(const QString& text, QWidget* parent = nullptr);

    std::int16_t Value() const;
    // Any value other than 0, 1 or 2 is an invalid property value and leaves the box as it was.
    void setValue(std::int16_t value);

protected:
    void nextCheckState() override;
};

} // namespace tessarine
