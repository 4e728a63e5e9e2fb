#include "words/ThemeDatabase.h"

#include "core/ProgramInfo.h"
#include "words/WordForms.h"
#include "words/WordListParser.h"

#include <QDir>

namespace lx {

namespace {

struct Level {
    const char* caption;
    const char* fileName;
};

constexpr Level kLevels[kLevelCount] = {
    { "CP", "DB 01-07 (CP).txt" },
    { "CE1", "DB 08-11 (CE1).txt" },
    { "CE2", "DB 12-15 (CE2).txt" },
    { "CM1", "DB 16-19 (CM1).txt" },
    { "CM2", "DB 20-23 (CM2).txt" },
};

// Whether the entry holds a word that the word list can take.
bool IsUsableEntry(const QString& entry)
{
    if (entry.size() < 5)
        return false;
    const QStringView word = QStringView(entry).mid(4);
    if (word.trimmed().isEmpty() || word.size() > kMaxDisplayLength)
        return false;
    for (QChar c : word) {
        if (!IsWordCharacter(c))
            return false;
    }
    return true;
}

} // namespace

QString LevelCaption(int level)
{
    if (level < 0 || level >= kLevelCount)
        return {};
    return QString::fromLatin1(kLevels[level].caption);
}

int LevelIndexOf(const QString& caption)
{
    for (int level = 0; level < kLevelCount; ++level) {
        if (LevelCaption(level).compare(caption.trimmed(), Qt::CaseInsensitive) == 0)
            return level;
    }
    return -1;
}

QString LevelFileName(int level)
{
    if (level < 0 || level >= kLevelCount)
        return {};
    return QString::fromLatin1(kLevels[level].fileName);
}

QString LevelEntryWord(const QString& entry)
{
    return entry.mid(4);
}

bool LevelEntryHasTheme(const QString& entry, QChar code)
{
    return (entry.size() > 1 && entry[1] == code) || (!entry.isEmpty() && entry[0] == code);
}

LevelText ParseLevelText(const QString& text)
{
    LevelText out;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && text[i] != u'\r' && text[i] != u'\n')
            continue;
        const qsizetype length = i - start;
        if (i < size && text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        const qsizetype lineStart = start;
        start = i + 1;
        if (length == 0 || text[lineStart] == u'/')
            continue; // an empty line or a comment
        const QString entry = text.mid(lineStart, length);
        if (!IsUsableEntry(entry)) {
            ++out.brokenLines;
            continue;
        }
        if (out.entries.size() >= kLevelRows) {
            ++out.droppedEntries;
            continue;
        }
        out.entries << entry;
    }
    return out;
}

QString MissingLevelFilesMessage(const QString& folder, const QStringList& missingFiles)
{
    QString list;
    for (const QString& name : missingFiles)
        list += QStringLiteral("- ") + name + QLatin1Char('\n');
    QString shown = QDir::toNativeSeparators(folder);
    if (!shown.endsWith(QDir::separator()))
        shown += QDir::separator();
    return (missingFiles.size() == 1 ? QStringLiteral("Le fichier suivant est absent du dossier ")
                                     : QStringLiteral("Les fichiers suivants sont absents du dossier "))
        + shown + QStringLiteral(" : ")
        + QStringLiteral("\n\n") + list + QLatin1Char('\n')
        + QString::fromUtf8("Cliquez sur OK pour télécharger l'archive d'origine à cette adresse : ")
        + QString::fromLatin1(kMakerWebPage);
}

LevelLoadReport ThemeDatabase::Load(const QString& folder)
{
    LevelLoadReport report;
    for (int level = 0; level < kLevelCount; ++level) {
        QStringList& column = levelLines[level];
        column.clear();
        const QString fileName = LevelFileName(level);
        const QString path = FindFileIgnoringCase(folder, fileName);
        if (path.isEmpty()) {
            report.missingFiles << fileName;
            continue;
        }
        // A damaged file loads what it can, line by line.
        const DecodedText decoded = ReadTextFile(path, kMaxLevelFileBytes, true);
        if (decoded.status != TextFileStatus::Text) {
            report.unreadable[level] = true;
            continue;
        }
        LevelText parsed = ParseLevelText(decoded.text);
        column = std::move(parsed.entries);
        report.brokenLines[level] = parsed.brokenLines;
        report.droppedEntries[level] = parsed.droppedEntries;
    }
    if (!report.missingFiles.isEmpty())
        report.message = MissingLevelFilesMessage(folder, report.missingFiles);
    return report;
}

} // namespace lx
