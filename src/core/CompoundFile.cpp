#include "core/CompoundFile.h"

#include "core/LittleEndian.h"

#include <QSet>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace lx {

namespace {

constexpr char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr std::uint32_t kLastSector = 0xFFFFFFFA; // above: end of chain, free, table sectors
constexpr qsizetype kHeaderSize = 512, kEntrySize = 128, kMiniSectorSize = 64;

} // namespace

bool IsCompoundFile(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(kSignature, 8));
}

std::optional<CompoundFile> CompoundFile::Open(QByteArrayView file)
{
    CompoundFile compound(file);
    if (!compound.Read())
        return std::nullopt;
    return compound;
}

bool CompoundFile::Read()
{
    const std::uint32_t shift = LittleEndian(file_, 0x1E, 2);
    if (!IsCompoundFile(file_) || (shift != 9 && shift != 12) || file_.size() < kHeaderSize)
        return false;
    sectorSize_ = qsizetype(1) << shift;
    // The table of sectors, itself in the sectors that the header lists
    // (109 of them) and that its chain of further lists names.
    const qsizetype perSector = sectorSize_ / 4;
    const qsizetype sectors = (file_.size() - kHeaderSize + sectorSize_ - 1) / sectorSize_;
    const qsizetype tableSize = LittleEndian(file_, 0x2C, 4);
    if (tableSize > sectors)
        return false;
    std::vector<std::uint32_t> tableSectors;
    for (qsizetype i = 0; i < 109; ++i)
        tableSectors.push_back(LittleEndian(file_, 0x4C + 4 * i, 4));
    std::uint32_t next = LittleEndian(file_, 0x44, 4);
    while (next <= kLastSector && qsizetype(tableSectors.size()) < tableSize) {
        for (qsizetype i = 0; i + 1 < perSector; ++i)
            tableSectors.push_back(LittleEndian(file_, Offset(next) + 4 * i, 4));
        next = LittleEndian(file_, Offset(next) + sectorSize_ - 4, 4);
    }
    tableSectors.resize(std::min<qsizetype>(tableSize, tableSectors.size()));
    for (std::uint32_t s : tableSectors) {
        if (s > kLastSector || Offset(s) + sectorSize_ > file_.size())
            return false;
        for (qsizetype i = 0; i < perSector; ++i)
            fat_.push_back(LittleEndian(file_, Offset(s) + 4 * i, 4));
    }
    const std::optional<QByteArray> directory = Chain(fat_, LittleEndian(file_, 0x30, 4), -1, false);
    if (!directory || directory->size() < kEntrySize)
        return false;
    directory_ = *directory;
    miniCutoff_ = LittleEndian(file_, 0x38, 4);
    const std::optional<QByteArray> miniFat = Chain(fat_, LittleEndian(file_, 0x3C, 4), -1, false);
    for (qsizetype i = 0; miniFat && i + 4 <= miniFat->size(); i += 4)
        miniFat_.push_back(LittleEndian(*miniFat, i, 4));
    // The root's stream holds the small streams.
    const std::optional<QByteArray> mini = Chain(fat_, EntryNumber(0, 0x74), EntryNumber(0, 0x78), false);
    miniStream_ = mini.value_or(QByteArray());
    return true;
}

// The stream of a child of the root, found in the root's tree of names.
std::optional<QByteArray> CompoundFile::Stream(const QString& name, qsizetype maxSize) const
{
    std::vector<std::uint32_t> pending { EntryNumber(0, 0x4C) };
    QSet<std::uint32_t> seen;
    while (!pending.empty()) {
        const std::uint32_t e = pending.back();
        pending.pop_back();
        if (e >= std::uint32_t(directory_.size() / kEntrySize) || seen.contains(e))
            continue;
        seen.insert(e);
        pending.push_back(EntryNumber(e, 0x44));
        pending.push_back(EntryNumber(e, 0x48));
        if (LittleEndian(directory_, e * kEntrySize + 0x42, 1) != 2 || EntryName(e).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype size = EntryNumber(e, 0x78);
        if (size > maxSize)
            return std::nullopt;
        const bool small = std::uint32_t(size) < miniCutoff_;
        return Chain(small ? miniFat_ : fat_, EntryNumber(e, 0x74), size, small);
    }
    return std::nullopt;
}

qsizetype CompoundFile::Offset(std::uint32_t sector) const
{
    return kHeaderSize + qsizetype(sector) * sectorSize_;
}

std::uint32_t CompoundFile::EntryNumber(std::uint32_t entry, qsizetype field) const
{
    return LittleEndian(directory_, qsizetype(entry) * kEntrySize + field, 4);
}

QString CompoundFile::EntryName(std::uint32_t entry) const
{
    const qsizetype at = qsizetype(entry) * kEntrySize;
    const qsizetype bytes = std::min<qsizetype>(LittleEndian(directory_, at + 0x40, 2), 64);
    QString name;
    for (qsizetype k = 0; k + 2 <= bytes - 2; k += 2)
        name += QChar(char16_t(LittleEndian(directory_, at + k, 2)));
    return name;
}

// The sectors of a chain, from the file or from the small streams' own,
// cut to `size` (-1: the whole chain); nothing for a broken chain.
std::optional<QByteArray> CompoundFile::Chain(const std::vector<std::uint32_t>& table, std::uint32_t first, qsizetype size,
                                                  bool small) const
{
    const QByteArrayView from = small ? QByteArrayView(miniStream_) : file_;
    const qsizetype unit = small ? kMiniSectorSize : sectorSize_;
    QByteArray out;
    std::vector<bool> taken(table.size()); // a chain that comes back to a sector loops
    for (std::uint32_t s = first; s <= kLastSector && (size < 0 || out.size() < size); s = table[s]) {
        const qsizetype at = small ? qsizetype(s) * unit : Offset(s);
        if (s >= table.size() || taken[s] || at + unit > from.size())
            return std::nullopt;
        taken[s] = true;
        out.append(from.sliced(at, unit));
    }
    if (size >= 0 && out.size() < size)
        return std::nullopt;
    if (size >= 0)
        out.truncate(size);
    return out;
}

} // namespace lx
