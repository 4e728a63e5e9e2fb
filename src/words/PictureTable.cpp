#include "words/PictureTable.h"

#include "core/ProgramInfo.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <mutex>
#include <optional>

namespace lx {

namespace {

// A table has a few hundred lines; a file far larger is no table.
constexpr qsizetype kMaxTableBytes = 1 << 20;

bool IsDrawableCodePoint(uint code)
{
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code >= 0x21 && code <= 0x10FFFF && !surrogate && !(code >= 0x7F && code <= 0x9F);
}

struct InstalledTable {
    std::mutex mutex;
    std::optional<PictureTable> table;
};

InstalledTable& Holder()
{
    static InstalledTable holder;
    return holder;
}

} // namespace

QString PictureTable::Key(const QString& word)
{
    // Accents written apart from their letters (a Mac's editor) match too.
    QString key = word.simplified().toLower().normalized(QString::NormalizationForm_C);
    key.replace(QChar(0x2019), QLatin1Char('\''));
    return key;
}

int PictureTable::AddText(const QString& text)
{
    static const QRegularExpression line(QStringLiteral("^(\\S(?:.*\\S)?)\\s+[Uu]\\+([0-9A-Fa-f]{4,6})$"));
    int added = 0;
    for (QString l : SplitLines(text)) {
        if (l.startsWith(QChar(0xFEFF)))
            l.remove(0, 1);
        l = l.trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch m = line.match(l);
        if (!m.hasMatch())
            continue;
        const uint code = m.captured(2).toUInt(nullptr, 16);
        if (!IsDrawableCodePoint(code))
            continue;
        codes_.insert(Key(m.captured(1)), char32_t(code));
        ++added;
    }
    return added;
}

int PictureTable::AddFile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return 0;
    const DecodedText read = ReadTextFile(path, kMaxTableBytes);
    return read.status == TextFileStatus::Text ? AddText(read.text) : 0;
}

QString PictureTable::Picture(const QString& word) const
{
    const auto it = codes_.constFind(Key(word));
    if (it == codes_.constEnd())
        return {};
    const char32_t code = it.value();
    return QString::fromUcs4(&code, 1);
}

QList<char32_t> PictureTable::CodePoints() const
{
    QList<char32_t> codes(codes_.cbegin(), codes_.cend());
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

PictureTable PictureTable::Load(const QString& programFolder, const QString& userFolder)
{
    PictureTable table;
    for (const QString& folder : { programFolder, userFolder }) {
        if (!folder.isEmpty())
            table.AddFile(QDir(folder).filePath(QString::fromUtf8(kPicturesFile)));
    }
    return table;
}

const PictureTable& PictureTable::Installed()
{
    InstalledTable& holder = Holder();
    const std::lock_guard lock(holder.mutex);
    if (!holder.table)
        holder.table = Load(ProgramFolder(), UserFolderPath());
    return *holder.table;
}

void PictureTable::Install(PictureTable table)
{
    InstalledTable& holder = Holder();
    const std::lock_guard lock(holder.mutex);
    holder.table = std::move(table);
}

} // namespace lx
