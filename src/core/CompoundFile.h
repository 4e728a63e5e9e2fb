#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The streams of a compound file: the documents of Word 97 to 2003 (.doc)
// and of the spreadsheets and presentations of that time are such files, a
// small file system of their own.
namespace lx {

// True for bytes that begin as a compound file does.
bool IsCompoundFile(QByteArrayView bytes);

// A compound file whose tables of sectors and list of streams are read once,
// for all the streams asked of it. It reads the bytes it was opened on, which
// must outlive it.
class CompoundFile {
public:
    // Nothing when the bytes are no compound file, or a damaged one.
    static std::optional<CompoundFile> Open(QByteArrayView file);

    // The bytes of the stream named `name` (in any case) at the top of the
    // file; nothing when there is none, it is damaged, or it is larger than
    // maxSize.
    std::optional<QByteArray> Stream(const QString& name, qsizetype maxSize) const;

private:
    explicit CompoundFile(QByteArrayView file) : file_(file) {}
    bool Read();
    qsizetype Offset(std::uint32_t sector) const;
    std::uint32_t EntryNumber(std::uint32_t entry, qsizetype field) const;
    QString EntryName(std::uint32_t entry) const;
    std::optional<QByteArray> Chain(const std::vector<std::uint32_t>& table, std::uint32_t first, qsizetype size,
                                    bool small) const;

    QByteArrayView file_;
    qsizetype sectorSize_ = 512;
    std::uint32_t miniCutoff_ = 4096;
    std::vector<std::uint32_t> fat_, miniFat_;
    QByteArray directory_, miniStream_;
};

} // namespace lx
