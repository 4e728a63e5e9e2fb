#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace lx {

// The number of `size` bytes (1 to 4) at `at`, lowest byte first, as the
// files of Windows programs store them; 0xFFFFFFFF when they lie outside the
// bytes, which no size or position read this way may be.
inline std::uint32_t LittleEndian(QByteArrayView bytes, qsizetype at, int size)
{
    if (at < 0 || at > bytes.size() - size)
        return 0xFFFFFFFF;
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = value << 8 | std::uint8_t(bytes[at + k]);
    return value;
}

} // namespace lx
