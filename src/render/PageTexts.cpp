#include "render/PageTexts.h"

#include "core/ProgramInfo.h"
#include "render/FontCatalog.h"
#include "render/Surface.h"
#include "core/Plural.h"
#include "puzzle/WordSearchGrid.h"
#include "words/ThemeDatabase.h"
#include "words/WordListParser.h"
#include "words/WordForms.h"

#include <limits>

namespace lx {

QString RemoveSuffix(const QString& text, const QString& suffix)
{
    if (suffix.isEmpty() || !text.endsWith(suffix))
        return text;
    return text.left(text.size() - suffix.size());
}

QString HeaderCaption(const DocumentSettings& settings, const QStringList& selectedThemes, const QString& importedListPath,
                      int checkedWords)
{
    const QString theme = QStringLiteral("Thème");
    int checkedLevels = 0;
    for (bool level : settings.levels)
        checkedLevels += level ? 1 : 0;

    QString caption;
    for (int i = 0; i < 5; ++i) {
        if (!settings.levels[i])
            continue;
        if (settings.levelNaming == 0) {
            caption += LevelCaption(i) + QStringLiteral(", ");
        } else if (checkedLevels == 5) {
            caption = QStringLiteral("Niveaux 1 à 5");
        } else {
            if (caption.isEmpty())
                caption = checkedLevels < 2 ? QStringLiteral("Niveau ") : QStringLiteral("Niveaux ");
            caption += QString::number(i + 1) + QStringLiteral(", ");
        }
    }
    caption = RemoveSuffix(caption, QStringLiteral(", "));

    if (settings.selectedThemeCount < 1) {
        // The words come from an external list: its name stands for the themes.
        // Without a name (a pasted list, a class's words with no theme picked)
        // the header keeps the classes rather than print an empty "Thème :".
        const QString name = settings.themeText.trimmed().isEmpty() ? ReadableListName(importedListPath) : settings.themeText;
        if (!name.trimmed().isEmpty())
            caption = theme + QStringLiteral(" : ") + name;
    } else {
        if (!caption.isEmpty())
            caption += QStringLiteral(" – ");
        caption += PluralLabel(settings.selectedThemeCount, theme, false) + QStringLiteral(" : ");
        for (const QString& name : selectedThemes)
            caption += name + QStringLiteral(" / ");
        caption = RemoveSuffix(caption, QStringLiteral(" / "));
    }

    if (checkedWords != 0) {
        const QString words = PluralLabel(checkedWords, QStringLiteral("mot"), true);
        caption += caption.isEmpty() ? words : QStringLiteral(" (") + words + QLatin1Char(')');
    }
    return caption;
}

QString DefaultInstruction(GameType type, bool symbols, bool pictures)
{
    switch (type) {
    case GameType::WordSearch:
        return pictures ? QStringLiteral("Retrouve les mots des images") : QStringLiteral("Retrouve les mots de la liste");
    case GameType::FillIn:
        return (pictures ? QStringLiteral("Écris le mot de chaque image") : QStringLiteral("Écris chaque mot"))
            + QStringLiteral(" à sa place dans la grille. Une case ne peut contenir qu'une seule lettre.");
    case GameType::CodedWords:
        return (symbols ? QStringLiteral("Chaque dessin") : QStringLiteral("Chaque nombre"))
            + QStringLiteral(" remplace toujours la même lettre. Trouve les lettres et écris les mots.");
    }
    return {};
}

QString DirectionKey(const std::array<bool, 6>& directions)
{
    QString key;
    for (int i = 0; i < 6; ++i) {
        if (directions[i])
            key += QChar(u'0' + i);
    }
    return key;
}

QString DirectionSentence(const QString& key)
{
    const auto holds = [&key](const char* digits) {
        for (const char* d = digits; *d; ++d) {
            if (key.contains(QLatin1Char(*d)))
                return true;
        }
        return false;
    };
    const bool vertical = holds("23");
    const bool diagonal = holds("45");
    const bool reversed = holds("135");
    if (!vertical && !diagonal)
        return reversed ? QStringLiteral(" : ils sont écrits horizontalement, mais certains peuvent être écrits à l'envers.")
                        : QStringLiteral(" : ils sont écrits horizontalement.");
    if (vertical && !diagonal)
        return reversed ? QStringLiteral(" : ils peuvent être écrits horizontalement ou verticalement, à l'endroit ou à l'envers.")
                        : QStringLiteral(" : ils peuvent être écrits horizontalement ou verticalement.");
    if (!vertical)
        return reversed ? QStringLiteral(" : ils peuvent être écrits horizontalement ou en diagonale, à l'endroit ou à l'envers.")
                        : QStringLiteral(" : ils peuvent être écrits horizontalement ou en diagonale.");
    return reversed ? QStringLiteral(" : ils peuvent être écrits dans n'importe quel sens, à l'endroit ou à l'envers.")
                    : QStringLiteral(" : ils peuvent être écrits horizontalement, verticalement ou en diagonale.");
}

namespace {

bool EndsASentence(const QString& text)
{
    return text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!')) || text.endsWith(QLatin1Char('?'))
        || text.endsWith(QChar(0x2026));
}

QString Capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString InstructionText(const DocumentSettings& settings, bool symbols, bool pictures)
{
    const PuzzleSettings& p = settings.puzzle;
    const QString own = settings.instruction.trimmed();
    QString text = own.isEmpty() ? DefaultInstruction(p.gameType, symbols, pictures) : own;
    if (p.gameType != GameType::WordSearch)
        return text;
    if (settings.showDirections) {
        // The direction sentence carries on the teacher's sentence after " : ";
        // after a sentence already ended, it is a sentence of its own.
        const QString directions = DirectionSentence(DirectionKey(p.directions));
        if (EndsASentence(text))
            text += QLatin1Char(' ') + Capitalised(directions.mid(3));
        else
            text += directions;
    }
    if (!p.randomFill) {
        if (!EndsASentence(text))
            text += QLatin1Char('.');
        text += p.shuffleMessage ? QStringLiteral(" Les lettres restantes, une fois dans l'ordre, forment un message secret.")
                                 : QStringLiteral(" Les lettres restantes forment un message secret.");
    }
    return text;
}

QString InstructionText(const DocumentData& data, bool pictures)
{
    DocumentSettings shown = data.settings;
    const PuzzleState& z = data.puzzle;
    if (z.gameType == GameType::WordSearch) {
        for (const WordEntry& e : z.WordEntries) {
            if (!e.gridText.isEmpty() && e.direction >= 0 && e.direction < 8)
                shown.puzzle.directions[kCodeBox[e.direction]] = true;
        }
    }
    return InstructionText(shown, !z.CodesAreNumbers, pictures);
}

QString HiddenMessageText(const PuzzleState& z)
{
    const int room = z.LetterBalance < 0 ? int(z.EmptyCellCount) : std::numeric_limits<int>::max();
    QString out;
    int letters = 0;
    for (const QChar c : z.MessageText) {
        if (c.isDigit())
            continue;
        const int cells = int(LettersOnly(QString(c)).size()); // Œ takes two
        if (cells > 0 && letters + cells > room)
            return out.simplified() + QStringLiteral("…");
        letters += cells;
        out += c;
    }
    return out.simplified();
}

QString KeyTitle(const QString& title)
{
    const QString own = title.trimmed();
    return own.isEmpty() ? QStringLiteral("Solution") : own + QStringLiteral(" (Solution)");
}

QString NameLineText()
{
    return QStringLiteral("Prénom : ") + QString(8, QChar(0x2026)) + QStringLiteral("   Date : ") + QString(5, QChar(0x2026));
}

namespace {

bool IsTypedSpace(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Straight double quotes as French ones, when each opens after a space (or
// at the start) and closes before one (or a sign, or the end): "pièges"
// becomes «pièges». Any other use (5" of a screen) leaves the text as it is.
QString FrenchQuotes(const QString& text)
{
    QString out = text;
    bool open = false;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i] != u'"')
            continue;
        const bool opens = !open && (i == 0 || IsTypedSpace(out[i - 1]) || out[i - 1] == u'(');
        const bool closes = open && (i + 1 == out.size() || IsTypedSpace(out[i + 1]) || QStringLiteral(".,;:!?)").contains(out[i + 1]));
        if (!opens && !closes)
            return text;
        out[i] = opens ? QChar(0x00AB) : QChar(0x00BB);
        open = opens;
    }
    return open ? text : out;
}

} // namespace

QString FrenchTypography(const QString& input, QChar narrowSpace)
{
    const QString text = FrenchQuotes(input);
    const auto isHigh = [](QChar c) { return c == u';' || c == u'!' || c == u'?'; };
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\'') {
            out += QChar(0x2019);
            continue;
        }
        // A colon between digits or in an address is no punctuation of a sentence.
        const bool colon = c == u':' && (i + 1 == text.size() || IsTypedSpace(text[i + 1]));
        if (colon || isHigh(c) || c == QChar(0x00BB)) {
            while (!out.isEmpty() && IsTypedSpace(out.back()))
                out.chop(1);
            // "?!" and "!!" keep together; a sign opening the text has nothing before it.
            if (!out.isEmpty() && !(isHigh(c) && isHigh(out.back())))
                out += colon ? QChar(0x00A0) : narrowSpace;
            out += c;
            continue;
        }
        out += c;
        if (c == QChar(0x00AB)) {
            while (i + 1 < text.size() && IsTypedSpace(text[i + 1]))
                ++i;
            out += narrowSpace;
        }
    }
    return out;
}

QString Typeset(const QString& text, Surface& surface)
{
    return FrenchTypography(text, surface.HasCharacter(0x202F) ? QChar(0x202F) : QChar(0x00A0));
}

QString ElidedToWidth(Surface& surface, const QString& text, double width)
{
    if (surface.TextWidth(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (surface.TextWidth(text.left(mid).trimmed() + ellipsis) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    if (low == 0)
        return {};
    // At the end of a word when the words left fill most of the room, not in the middle of one ("N’est-c…").
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '), low);
    if (low < text.size() && text[low] != u' ' && space > 0 && space * 3 >= low * 2)
        low = space;
    return text.left(low).trimmed() + ellipsis;
}

QString FooterText()
{
    return FullName() + QStringLiteral(" – fiche de jeux de lettres pour l'école primaire");
}

QString DefaultFontName(const FontCatalog& fonts)
{
    return fonts.Contains(QStringLiteral("Arial Narrow")) ? QStringLiteral("Arial Narrow") : QStringLiteral("Arial");
}

} // namespace lx
