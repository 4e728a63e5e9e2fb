#include "render/PageTexts.h"

#include "core/ProgramInfo.h"
#include "render/FontCatalog.h"
#include "core/Plural.h"
#include "words/ThemeDatabase.h"
#include "words/WordListParser.h"

namespace lx {

QString EnsureSuffix(const QString& text, const QString& suffix)
{
    return text.endsWith(suffix) ? text : text + suffix;
}

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
        const QString name = settings.themeText.isEmpty() ? ListThemeName(importedListPath) : settings.themeText;
        caption = theme + QStringLiteral(" : ") + name;
    } else {
        if (!caption.isEmpty())
            caption += QStringLiteral(" – ");
        caption += PluralLabel(settings.selectedThemeCount, theme, false) + QStringLiteral(" : ");
        for (const QString& name : selectedThemes)
            caption += name + QStringLiteral(" / ");
        caption = RemoveSuffix(caption, QStringLiteral(" / "));
    }

    if (checkedWords != 0)
        caption += QStringLiteral(" (") + PluralLabel(checkedWords, QStringLiteral("mot"), true) + QLatin1Char(')');
    return caption;
}

QString DefaultInstruction(GameType type)
{
    switch (type) {
    case GameType::WordSearch:
        return QStringLiteral("Retrouve les mots de la liste");
    case GameType::FillIn:
        return QStringLiteral("Écris chaque mot à sa place dans la grille. Une case ne peut contenir qu'une seule lettre.");
    case GameType::CodedWords:
        return QStringLiteral("Associe chaque lettre à son code pour écrire les mots. Une lettre a toujours la même valeur.");
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

QString InstructionSuffix(const DocumentSettings& settings)
{
    const PuzzleSettings& p = settings.puzzle;
    if (p.gameType != GameType::WordSearch)
        return {};
    QString suffix = DirectionSentence(DirectionKey(p.directions));
    if (!p.randomFill) {
        suffix = EnsureSuffix(suffix, QStringLiteral(" "));
        suffix += p.shuffleMessage ? QStringLiteral("Les lettres restantes, une fois dans l'ordre, forment un message secret.")
                                   : QStringLiteral("Les lettres restantes forment un message secret.");
    }
    return suffix;
}

QString InstructionText(const DocumentSettings& settings)
{
    QString own = settings.instruction.trimmed();
    const QString suffix = InstructionSuffix(settings);
    if (suffix.isEmpty())
        return own.isEmpty() ? DefaultInstruction(settings.puzzle.gameType) : own;
    // The direction sentence starts with " : ", which carries on the teacher's
    // sentence: its closing full stops and blanks go ("Cherche les mots." gives
    // "Cherche les mots : ils..."); a question or exclamation mark stays.
    while (!own.isEmpty() && (own.back() == QLatin1Char('.') || own.back().isSpace()))
        own.chop(1);
    if (own.isEmpty())
        return DefaultInstruction(settings.puzzle.gameType) + suffix;
    return own + suffix;
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
