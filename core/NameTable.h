#pragma once

#include "core/RuntimeError.h"

#include <QString>

#include <array>

namespace tessarine {

// A fixed table of texts at positions 0 to 1000; any other position is an error.
class NameTable {
public:
    static constexpr int Size = 1001;
    static constexpr int Last = Size - 1;

    QString& operator[](long long position) { return m_names[checked(position)]; }
    const QString& operator[](long long position) const { return m_names[checked(position)]; }

private:
    static std::size_t checked(long long position)
    {
        if (position < 0 || position > Last)
            throw positionOutOfRange();
        return static_cast<std::size_t>(position);
    }

    std::array<QString, Size> m_names;
};

} // namespace tessarine
