#include "document/WordPictures.h"

#include "core/Plural.h"
#include "document/DocumentData.h"
#include "words/PictureTable.h"

namespace lx {

QStringList ListedWords(const DocumentData& data)
{
    switch (data.settings.puzzle.gameType) {
    case GameType::WordSearch:
        return data.words.CheckedWords();
    case GameType::FillIn: {
        if (data.puzzle.WordsByLength.isEmpty())
            return data.words.CheckedWords();
        QStringList words;
        for (const TaggedItem& item : data.puzzle.WordsByLength)
            words << item.text;
        return words;
    }
    case GameType::CodedWords:
        break;
    }
    return {};
}

bool ShowsPictures(const DocumentData& data)
{
    return data.settings.pictures != 0 && data.settings.puzzle.gameType != GameType::CodedWords;
}

QStringList WordsWithoutPicture(const DocumentData& data, const PictureTable& table)
{
    QStringList missing;
    if (!ShowsPictures(data))
        return missing;
    for (const QString& word : ListedWords(data)) {
        if (!table.Has(word) && !missing.contains(word))
            missing << word;
    }
    return missing;
}

QString MissingPicturesText(const DocumentData& data, const PictureTable& table)
{
    const QStringList missing = WordsWithoutPicture(data, table);
    if (missing.isEmpty())
        return {};
    QString named = missing.mid(0, kMissingPicturesNamed).join(QStringLiteral(", "));
    if (missing.size() > kMissingPicturesNamed)
        named += QStringLiteral(", …");
    return PluralLabel(int(missing.size()), QStringLiteral("mot¤ sans image"), true) + QStringLiteral(" : ") + named;
}

} // namespace lx
