#include "core/ZipArchive.h"

#include "core/Inflate.h"
#include "core/LittleEndian.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lx {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034B50, kDirectoryEntry = 0x02014B50, kDirectoryEnd = 0x06054B50;
constexpr qsizetype kLocalHeaderSize = 30, kDirectoryEntrySize = 46, kDirectoryEndSize = 22;

std::uint32_t Crc32(QByteArrayView bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t {};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char b : bytes)
        crc = table[(crc ^ std::uint8_t(b)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// Where the central directory's end record starts: in the last 22 bytes,
// or before them by the length of the archive's comment.
qsizetype DirectoryEnd(QByteArrayView archive)
{
    const qsizetype lowest = std::max<qsizetype>(0, archive.size() - kDirectoryEndSize - 0xFFFF);
    for (qsizetype at = archive.size() - kDirectoryEndSize; at >= lowest; --at) {
        if (LittleEndian(archive, at, 4) == kDirectoryEnd)
            return at;
    }
    return -1;
}

// The bytes of one entry, from its local header on.
std::optional<QByteArray> EntryData(QByteArrayView archive, qsizetype directoryEntry, qsizetype maxSize)
{
    const qsizetype e = directoryEntry;
    const std::uint32_t flags = LittleEndian(archive, e + 8, 2), method = LittleEndian(archive, e + 10, 2), crc = LittleEndian(archive, e + 16, 4);
    const qsizetype packed = LittleEndian(archive, e + 20, 4), size = LittleEndian(archive, e + 24, 4), local = LittleEndian(archive, e + 42, 4);
    if ((flags & 1) != 0 || size > maxSize || local > archive.size() - kLocalHeaderSize
        || LittleEndian(archive, local, 4) != kLocalHeader)
        return std::nullopt;
    const qsizetype data = local + kLocalHeaderSize + LittleEndian(archive, local + 26, 2) + LittleEndian(archive, local + 28, 2);
    if (data > archive.size() || packed > archive.size() - data)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    if (method == 0 && packed == size)
        bytes = archive.sliced(data, packed).toByteArray();
    else if (method == 8)
        bytes = Inflate(archive.sliced(data, packed), size);
    if (!bytes || bytes->size() != size || Crc32(*bytes) != crc)
        return std::nullopt;
    return bytes;
}

} // namespace

bool IsZip(QByteArrayView bytes)
{
    return bytes.size() >= 4 && LittleEndian(bytes, 0, 4) == kLocalHeader;
}

std::optional<QByteArray> ZipFile(QByteArrayView archive, const QString& path, qsizetype maxSize)
{
    const qsizetype end = DirectoryEnd(archive);
    if (end < 0)
        return std::nullopt;
    const qsizetype entries = LittleEndian(archive, end + 10, 2);
    qsizetype at = LittleEndian(archive, end + 16, 4);
    const QByteArray name = path.toUtf8();
    for (qsizetype i = 0; i < entries; ++i) {
        if (at > end - kDirectoryEntrySize || LittleEndian(archive, at, 4) != kDirectoryEntry)
            return std::nullopt;
        const qsizetype nameSize = LittleEndian(archive, at + 28, 2);
        const qsizetype next = at + kDirectoryEntrySize + nameSize + LittleEndian(archive, at + 30, 2) + LittleEndian(archive, at + 32, 2);
        if (next > end)
            return std::nullopt;
        if (archive.sliced(at + kDirectoryEntrySize, nameSize) == name)
            return EntryData(archive, at, maxSize);
        at = next;
    }
    return std::nullopt;
}

} // namespace lx
