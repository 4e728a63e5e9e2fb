#include "document/DocumentFile.h"

#include "core/Text1252.h"
#include "document/DocumentValues.h"
#include "puzzle/CodeBounds.h"

namespace lx {

namespace {

QString digit(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

// A value written on one line (line breaks would end the key), without the
// spaces at its ends that every text loses when it is read back: the file
// holds what reopens.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return TextOrDefault(text, QString());
}

// A value read back loses its surrounding blanks and one pair of enclosing
// quotes; such a value is written inside one more pair of quotes, so that it
// reopens exactly as typed.
QString Protected(const QString& value)
{
    if (value.isEmpty())
        return value;
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    const QChar first = value.front();
    const QChar last = value.back();
    const bool quoted = value.size() >= 2 && first == last && (first == u'"' || first == u'\'');
    if (blank(first) || blank(last) || quoted)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

} // namespace

QString DocumentText(const DocumentData& d)
{
    const DocumentSettings& s = d.settings;
    const PuzzleSettings& p = s.puzzle;
    const PuzzleState& z = d.puzzle;
    QStringList lines;
    auto key = [&lines](const QString& name, const QString& value) { lines << name + QLatin1Char('=') + Protected(oneLine(value)); };

    lines << QStringLiteral("[") + QLatin1String(kDocumentSection) + QStringLiteral("]");
    key(QStringLiteral("PoliceGrille"), QStringList { s.gridFontName, QString::number(s.gridFontSize), digit(s.gridBold), digit(s.gridItalic) }.join(QLatin1Char(',')));
    key(QStringLiteral("PoliceListe"), QStringList { s.listFontName, QString::number(s.listFontSize), digit(s.listBold), digit(s.listItalic) }.join(QLatin1Char(',')));
    key(QStringLiteral("PoliceTitre"), s.titleFontName);
    key(QStringLiteral("Titre"), s.title);
    key(QStringLiteral("Consigne"), s.instruction);
    key(QStringLiteral("Niveaux"), s.LevelString());

    // The words of an external list keep its name, so that it reopens with it.
    // Without a theme chosen, the list's name, or the theme the teacher typed
    // before any word.
    QString themes = d.themes.SelectedCodes();
    if (themes.isEmpty() && (d.words.Count() > 0 || !d.settings.themeText.isEmpty()))
        themes = ExternalListThemeString(d);
    key(QStringLiteral("Thèmes"), themes);
    key(QStringLiteral("MotsSélectionnés"), d.words.BuildSelectionSignature());

    // A puzzle of one word or none (every word unchecked) stores no entry:
    // "NombreMots=-1", or an empty "Mot0", would reopen as a different file.
    if (z.WordCount > 1 && !z.WordEntries.isEmpty()) {
        const int last = int(z.WordEntries.size()) - 1;
        key(QStringLiteral("NombreMots"), QString::number(last));
        for (int i = 0; i <= last; ++i) {
            const WordEntry& e = z.WordEntries[i];
            key(QStringLiteral("Mot") + QString::number(i),
                QStringLiteral("%1,%2,%3,%4").arg(e.x).arg(e.y).arg(e.direction).arg(e.gridText.trimmed()));
        }
    } else {
        key(QStringLiteral("NombreMots"), QStringLiteral("0"));
    }

    key(QStringLiteral("Paramètres"),
        QStringList { QString::number(p.gridSize), digit(s.uppercase), digit(s.separateColumns), digit(s.visibleCells),
                      QString::number(s.lowerHalf), QString::number(int(p.gameType)), QString::number(p.valueMode),
                      QString::number(s.selectedThemeCount), digit(p.randomFill), digit(p.shuffleMessage),
                      QString::number(s.levelNaming), QString::number(s.maxLetters),
                      // An emptied bound box reads back as the new document's bound: the file says so.
                      TextOrDefault(p.lowerBound, PuzzleSettings().lowerBound), TextOrDefault(p.upperBound, PuzzleSettings().upperBound) }
            .join(QLatin1Char(',')));

    QString values, gridValues;
    switch (p.gameType) {
    case GameType::WordSearch:
        values = s.DirectionString() + QLatin1Char(',') + p.message.trimmed();
        break;
    case GameType::FillIn: {
        int current = -1;
        QString letters;
        for (int i = 0; i < z.RevealChoices.size(); ++i) {
            if (i > 0)
                letters += z.RevealChoices[i].text;
            if (!p.revealChoice.isEmpty() && z.RevealChoices[i].text.compare(p.revealChoice, Qt::CaseInsensitive) == 0 && current < 0)
                current = i;
        }
        values = QString::number(current) + QLatin1Char(',') + letters;
        break;
    }
    case GameType::CodedWords: {
        // The codes as the boxes show them: a code edited by the teacher is
        // kept; a box without a code (no number, or one below 1, which the
        // reader takes for no code) keeps the grid's.
        QStringList codes, gridCodes;
        bool differ = false;
        for (int k = 0; k < 26; ++k) {
            const std::optional<int> typed = ParseShortNumber(p.letterCodeTexts[k]);
            const int code = typed && *typed > 0 ? *typed : z.LetterCodes[k];
            codes << QString::number(code);
            gridCodes << QString::number(z.LetterCodes[k]);
            differ = differ || code != z.LetterCodes[k];
        }
        values = codes.join(QLatin1Char(','));
        // A box holds a code the grid does not take (typed wrong, or for a
        // letter not in it): the grid keeps its own, if there is a grid.
        if (differ && z.CodeGrid.any([](std::int16_t code) { return code != 0; }))
            gridValues = gridCodes.join(QLatin1Char(','));
        break;
    }
    }
    key(QStringLiteral("Valeurs"), values);
    if (!gridValues.isEmpty())
        key(QStringLiteral("CodesGrille"), gridValues);
    // The sheet's later settings, written when they differ from what a file
    // without them means: an older document saves as it was.
    if (s.nameLine)
        key(QStringLiteral("PrenomDate"), QStringLiteral("1"));
    if (!s.showDirections)
        key(QStringLiteral("IndiquerSens"), QStringLiteral("0"));
    if (!s.titleUnderline)
        key(QStringLiteral("TitreSouligné"), QStringLiteral("0"));
    if (s.fitToPage)
        key(QStringLiteral("Adapter"), QStringLiteral("1"));
    if (p.revealedLetters >= 0)
        key(QStringLiteral("LettresDonnées"), QString::number(p.revealedLetters));
    if (s.pictures != 0)
        key(QStringLiteral("Images"), QString::number(s.pictures));
    if (z.TimedOut) // the time ran out before every word was placed
        key(QStringLiteral("GrilleInachevée"), QStringLiteral("1"));
    // The pictures of coded words as the generation drew them for the codes, so
    // that a key printed after reopening matches the pupils' sheets.
    if (p.gameType == GameType::CodedWords && !z.CodesAreNumbers && z.SymbolAlphabet != PuzzleEngine::SymbolCharacters())
        key(QStringLiteral("Symboles"), z.SymbolAlphabet);

    for (int y = 0; y < PuzzleState::kSide; ++y) {
        QString row;
        row.reserve(PuzzleState::kSide);
        for (int x = 0; x < PuzzleState::kSide; ++x) {
            const QString& cell = z.LetterGrid.at(x, y);
            row += cell.isEmpty() ? QStringLiteral("_") : cell.left(1);
        }
        key(QStringLiteral("Grille") + QString::number(y), row);
    }
    for (int i = 0; i < d.words.Count(); ++i)
        key(QStringLiteral("Liste") + QString::number(i), d.words.Word(i));

    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QByteArray DocumentFileBytes(const DocumentData& data)
{
    return EncodeWindows1252(DocumentText(data) + QStringLiteral("\r\n"));
}

} // namespace lx
