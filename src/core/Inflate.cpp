#include "core/Inflate.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lx {

namespace {

constexpr int kMaxCodeBits = 15;
constexpr int kLiteralCodes = 288; // 286 used, the last two only in fixed codes
constexpr int kDistanceCodes = 30;

// The bits of the data, lowest first. Reading past its end sets `ended` and
// gives zeros: a caller checks `ended` before it uses what it read.
struct BitReader {
    QByteArrayView in;
    qsizetype at = 0;
    std::uint32_t buffer = 0;
    int count = 0;
    bool ended = false;

    int Bits(int n)
    {
        while (count < n) {
            if (at >= in.size()) {
                ended = true;
                return 0;
            }
            buffer |= std::uint32_t(std::uint8_t(in[at++])) << count;
            count += 8;
        }
        const int value = int(buffer & ((1u << n) - 1));
        buffer >>= n;
        count -= n;
        return value;
    }
};

// A canonical Huffman code: how many codes of each length, and the symbols
// in the order of their codes.
struct HuffmanCode {
    std::array<std::int16_t, kMaxCodeBits + 1> count {};
    std::array<std::int16_t, kLiteralCodes> symbol {};
};

// False for lengths that give more codes than there are bit patterns. An
// incomplete code is kept: a pattern it lacks fails when it is read.
bool Build(HuffmanCode& code, const std::uint8_t* lengths, int symbols)
{
    code.count.fill(0);
    for (int s = 0; s < symbols; ++s)
        ++code.count[lengths[s]];
    int left = 1;
    for (int length = 1; length <= kMaxCodeBits; ++length) {
        left = 2 * left - code.count[length];
        if (left < 0)
            return false;
    }
    std::array<int, kMaxCodeBits + 2> offset {};
    for (int length = 1; length <= kMaxCodeBits; ++length)
        offset[length + 1] = offset[length] + code.count[length];
    for (int s = 0; s < symbols; ++s) {
        if (lengths[s] != 0)
            code.symbol[offset[lengths[s]]++] = std::int16_t(s);
    }
    return true;
}

// The next symbol, or -1. Codes are stored from their first bit on.
int Decode(BitReader& in, const HuffmanCode& code)
{
    int pattern = 0, first = 0, index = 0;
    for (int length = 1; length <= kMaxCodeBits; ++length) {
        pattern |= in.Bits(1);
        if (in.ended)
            return -1;
        const int count = code.count[length];
        if (pattern - first < count)
            return code.symbol[index + pattern - first];
        index += count;
        first = (first + count) << 1;
        pattern <<= 1;
    }
    return -1;
}

struct FixedCodes {
    HuffmanCode literals, distances;
    FixedCodes()
    {
        std::array<std::uint8_t, kLiteralCodes> lengths {};
        for (int s = 0; s < kLiteralCodes; ++s)
            lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
        Build(literals, lengths.data(), kLiteralCodes);
        lengths.fill(5);
        Build(distances, lengths.data(), kDistanceCodes);
    }
};

// The literals, lengths and distances of one block, up to its end code.
bool DecodeBlock(BitReader& in, const HuffmanCode& literals, const HuffmanCode& distances, QByteArray& out, qsizetype maxSize)
{
    static constexpr std::uint16_t lengthBase[29] = { 3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258 };
    static constexpr std::uint8_t lengthExtra[29] = { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0 };
    static constexpr std::uint16_t distanceBase[30] = { 1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                                        33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                                        1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577 };
    static constexpr std::uint8_t distanceExtra[30] = { 0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                        6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13 };
    for (;;) {
        int symbol = Decode(in, literals);
        if (symbol < 0)
            return false;
        if (symbol < 256) {
            if (out.size() >= maxSize)
                return false;
            out.append(char(symbol));
            continue;
        }
        if (symbol == 256)
            return true;
        symbol -= 257;
        if (symbol >= 29)
            return false;
        const int length = lengthBase[symbol] + in.Bits(lengthExtra[symbol]);
        const int d = Decode(in, distances);
        if (d < 0 || d >= kDistanceCodes)
            return false;
        const int distance = distanceBase[d] + in.Bits(distanceExtra[d]);
        if (in.ended || distance > out.size() || out.size() + length > maxSize)
            return false;
        // The copy may overlap what it writes: byte by byte.
        for (int k = 0; k < length; ++k)
            out.append(out.at(out.size() - distance));
    }
}

// A block's own codes, sent as code lengths that are themselves coded.
bool ReadDynamicCodes(BitReader& in, HuffmanCode& literals, HuffmanCode& distances)
{
    static constexpr std::uint8_t order[19] = { 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15 };
    const int literalCount = in.Bits(5) + 257, distanceCount = in.Bits(5) + 1, lengthCount = in.Bits(4) + 4;
    if (in.ended || literalCount > 286 || distanceCount > kDistanceCodes)
        return false;
    std::array<std::uint8_t, 320> lengths {};
    for (int i = 0; i < lengthCount; ++i)
        lengths[order[i]] = std::uint8_t(in.Bits(3));
    HuffmanCode lengthCode;
    if (in.ended || !Build(lengthCode, lengths.data(), 19))
        return false;
    const int total = literalCount + distanceCount;
    for (int index = 0; index < total;) {
        const int symbol = Decode(in, lengthCode);
        if (symbol < 0)
            return false;
        if (symbol < 16) {
            lengths[index++] = std::uint8_t(symbol);
            continue;
        }
        // 16: the last length again 3 to 6 times; 17 and 18: 3 to 10 or 11 to 138 zeros.
        if (symbol == 16 && index == 0)
            return false;
        const std::uint8_t value = symbol == 16 ? lengths[index - 1] : 0;
        const int repeat = symbol == 16 ? 3 + in.Bits(2) : symbol == 17 ? 3 + in.Bits(3) : 11 + in.Bits(7);
        if (in.ended || index + repeat > total)
            return false;
        for (int k = 0; k < repeat; ++k)
            lengths[index++] = value;
    }
    // A block without its end code could never end.
    return lengths[256] != 0 && Build(literals, lengths.data(), literalCount)
        && Build(distances, lengths.data() + literalCount, distanceCount);
}

} // namespace

std::optional<QByteArray> Inflate(QByteArrayView deflated, qsizetype maxSize)
{
    static const FixedCodes fixed;
    BitReader in { deflated };
    QByteArray out;
    out.reserve(std::min(maxSize, deflated.size() * 4));
    for (bool last = false; !last;) {
        last = in.Bits(1) == 1;
        const int type = in.Bits(2);
        if (in.ended)
            return std::nullopt;
        if (type == 0) {
            // Stored: from the next byte, its length, the length's complement, the bytes.
            in.buffer = 0;
            in.count = 0;
            if (deflated.size() - in.at < 4)
                return std::nullopt;
            const auto byte = [&](qsizetype k) { return int(std::uint8_t(deflated[in.at + k])); };
            const int length = byte(0) | byte(1) << 8;
            if ((length ^ (byte(2) | byte(3) << 8)) != 0xFFFF)
                return std::nullopt;
            in.at += 4;
            if (deflated.size() - in.at < length || out.size() + length > maxSize)
                return std::nullopt;
            out.append(deflated.sliced(in.at, length));
            in.at += length;
        } else if (type == 1) {
            if (!DecodeBlock(in, fixed.literals, fixed.distances, out, maxSize))
                return std::nullopt;
        } else if (type == 2) {
            HuffmanCode literals, distances;
            if (!ReadDynamicCodes(in, literals, distances) || !DecodeBlock(in, literals, distances, out, maxSize))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

} // namespace lx
