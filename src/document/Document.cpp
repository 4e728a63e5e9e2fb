#include "document/Document.h"

#include "core/ProgramInfo.h"
#include "document/DocumentValues.h"
#include "document/FontCatalog.h"
#include "document/IniReader.h"
#include "document/SafeFile.h"
#include "document/Text1252.h"
#include "puzzle/CodeBounds.h"
#include "words/ThemeDatabase.h"
#include "words/WordForms.h"
#include "words/WordListParser.h"

#include <QFile>
#include <QFileInfo>

namespace lx {

namespace {

constexpr qint64 kLargestDocument = 16 * 1024 * 1024;

QString digit(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

// A value written on one line: line breaks would end the key.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
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

bool isTemplateName(const QString& path)
{
    return DocumentFileName(path, true).toLower() == QStringLiteral("modèle.lxg");
}

// A cell read back from a "Grille" row: a letter A to Z (either case), or a
// character that the grid form of a word can hold (a digit, Œ, Ä...). Accented
// letters that the grid form folds and separators cannot come from a puzzle.
bool isGridCharacter(QChar c)
{
    if (LetterIndex(c.toUpper()) >= 0)
        return true;
    if (!c.isLetterOrNumber())
        return false;
    const QString one(c);
    return ToGridForm(one) == UpperCase1252(one);
}

} // namespace

Document::Document(QStringList fontNames)
    : fontNames_(std::move(fontNames))
{
    data.puzzle.SymbolAlphabet = PuzzleEngine::SymbolCharacters();
    ResetDocumentSettings();
}

QString Document::SelectFont(const QString& name, const QString& fallback) const
{
    const int i = SelectFontByName(fontNames_, name, fallback);
    return i >= 0 ? fontNames_[i] : QString();
}

QString Document::DefaultListFont() const
{
    return SelectFontByName(fontNames_, QStringLiteral("Arial Narrow"), QString()) >= 0 ? QStringLiteral("Arial Narrow")
                                                                                       : QStringLiteral("Arial");
}

void Document::RequestRedraw()
{
    if (!suppressEvents() && redraw)
        redraw();
}

void Document::ResetDocumentSettings()
{
    DocumentSettings& s = data.settings;
    PuzzleSettings& p = s.puzzle;
    PuzzleState& z = data.puzzle;
    {
        SuppressEvents guard(suppressEvents());
        s.GridOriginX = 7;
        s.GridOriginY = 28;
        s.gridFontName = SelectFont(QStringLiteral("Arial"), QStringLiteral("Arial"));
        s.gridFontSize = 12;
        s.gridBold = s.gridItalic = false;
        s.listFontName = SelectFont(QStringLiteral("Arial Narrow"), QStringLiteral("Arial"));
        s.listFontSize = 12;
        s.listBold = s.listItalic = false;
        s.titleFontName = SelectFont(QStringLiteral("Tahoma"), QStringLiteral("Arial"));
        s.title.clear();
        s.instruction.clear();
        p.gridSize = DocumentSettings::kMinGridSize;
        z.ClearGrids();
        z.ClearLetterTables();
        s.uppercase = true;
        s.separateColumns = true;
        s.visibleCells = false;
        p.gameType = GameType::WordSearch;
        z.gameType = GameType::WordSearch;
        s.lowerHalf = 1;
        // Box 0 is checked again at once: a word can always be read left to right.
        p.directions = { true, false, false, false, false, false };
        p.randomFill = true;
        p.shuffleMessage = false;
        p.message.clear();
        z.MessageText.clear();
        z.MessageLetters.clear();
        z.BalanceLabel = {};
        z.RevealChoices = { { QStringLiteral("(?)"), 0 } };
        p.revealChoice.clear();
        z.RevealedLetters.clear();
        p.valueMode = 0;
        p.lowerBound = QStringLiteral("10");
        p.upperBound = QStringLiteral("99");
        z.LetterCodes.fill(0);
        p.letterCodeTexts.fill(QString());
        z.SymbolAlphabet = PuzzleEngine::SymbolCharacters();
        z.WordHighlighted = false;
        z.HighlightedWord = -1;
        s.levels.fill(false);
        s.levelNaming = 0;
        data.themes.enabled = true;
        data.themes.ClearSelection();
        data.themes.current = -1;
        data.themes.wordCounts.fill(0);
        s.selectedThemeCount = 0;
        themeLabel = ThemeLabelText(0);
        s.themeText.clear();
        data.importedListName.clear();
        data.words.Clear();
        s.selectAllWords = false;
    }
    // The slider's own handler runs for this one assignment.
    SetMaxLetters(DocumentSettings::kMaxMaxLetters);
    {
        SuppressEvents guard(suppressEvents());
        z.PlacementOrder.clear();
        z.WordsByLength.clear();
        z.SelectedWords.clear();
        UpdateWordCounts();
        // The refresh re-creates the entries for the checked words (none); a
        // new document holds the one entry of direction -1.
        z.WordEntries = { WordEntry { 0, 0, -1, QString() } };
        life.documentName.clear();
        TakeSnapshot();
    }
    for (int i = 0; i < int(Setting::Count); ++i)
        Q_EMIT model.settingChanged(Setting(i));
}

QString Document::ExternalListThemeString() const
{
    return ExternalListThemeString(data);
}

QString Document::ExternalListThemeString(const DocumentData& d)
{
    // The theme box names the list; when it is empty, the imported file's
    // name up to its first ".".
    QString name = d.settings.themeText;
    if (name.isEmpty()) {
        name = d.importedListName;
        const int dot = int(name.indexOf(QLatin1Char('.')));
        if (dot >= 0)
            name.truncate(dot);
    }
    return QStringLiteral("*") + name;
}

void Document::TakeSnapshot()
{
    const DocumentSettings& s = data.settings;
    SavedStateSnapshot& n = life.snapshot;
    n.gridFontName = s.gridFontName;
    n.gridFontSize = s.gridFontSize;
    n.listFontName = s.listFontName;
    n.listFontSize = s.listFontSize;
    n.titleFontName = s.titleFontName;
    n.title = s.title;
    n.instruction = s.instruction;
    n.levelString = s.LevelString();
    n.levelNaming = s.levelNaming;
    n.themeString = CurrentThemeString();
    n.selectionString = data.words.BuildSelectionSignature();
    n.gridSize = s.puzzle.gridSize;
    n.visibleCells = s.visibleCells;
    n.lowerHalf = s.lowerHalf;
    n.uppercase = s.uppercase;
    n.separateColumns = s.separateColumns;
    n.directionString = s.DirectionString();
    n.randomFill = s.puzzle.randomFill;
    n.shuffleList = s.puzzle.shuffleMessage;
    n.hiddenMessage = s.puzzle.message;
    n.gameType = int(s.puzzle.gameType);
    n.valueMode = s.puzzle.valueMode;
    life.SetModified(false, true);
}

// ---------------------------------------------------------------------------
// Writing

QString Document::BuildDocumentText() const
{
    return BuildDocumentText(data);
}

QString Document::BuildDocumentText(const DocumentData& d)
{
    const DocumentSettings& s = d.settings;
    const PuzzleSettings& p = s.puzzle;
    const PuzzleState& z = d.puzzle;
    QStringList lines;
    auto key = [&lines](const QString& name, const QString& value) { lines << name + QLatin1Char('=') + Protected(oneLine(value)); };

    lines << QStringLiteral("[") + QLatin1String(kSection) + QStringLiteral("]");
    key(QStringLiteral("PoliceGrille"), QStringList { s.gridFontName, QString::number(s.gridFontSize), digit(s.gridBold), digit(s.gridItalic) }.join(QLatin1Char(',')));
    key(QStringLiteral("PoliceListe"), QStringList { s.listFontName, QString::number(s.listFontSize), digit(s.listBold), digit(s.listItalic) }.join(QLatin1Char(',')));
    key(QStringLiteral("PoliceTitre"), s.titleFontName);
    key(QStringLiteral("Titre"), s.title);
    key(QStringLiteral("Consigne"), s.instruction);
    key(QStringLiteral("Niveaux"), s.LevelString());

    // The words of an external list keep its name, so that it reopens with it.
    QString themes = d.themes.SelectedCodes();
    if (themes.isEmpty() && d.words.Count() > 0)
        themes = ExternalListThemeString(d);
    key(QStringLiteral("Thèmes"), themes);
    key(QStringLiteral("MotsSélectionnés"), d.words.BuildSelectionSignature());

    if (z.WordCount - 1 != 0) {
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
                      QString::number(s.levelNaming), QString::number(s.maxLetters), p.lowerBound, p.upperBound }
            .join(QLatin1Char(',')));

    QString values;
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
        // The codes as the boxes show them: a code edited by the teacher is kept.
        QStringList codes;
        for (int k = 0; k < 26; ++k) {
            const QString& box = p.letterCodeTexts[k];
            const auto parsed = ParseShortNumber(box);
            codes << QString::number(box.isEmpty() ? z.LetterCodes[k] : parsed.value_or(0));
        }
        values = codes.join(QLatin1Char(','));
        break;
    }
    }
    key(QStringLiteral("Valeurs"), values);

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

void Document::ClearForTemplate(DocumentData& d) const
{
    DocumentSettings& s = d.settings;
    PuzzleSettings& p = s.puzzle;
    PuzzleState& z = d.puzzle;
    s.levels.fill(false);
    d.themes.ClearSelection();
    z.ClearGrids();
    z.ClearLetterTables();
    z.WordEntries = { WordEntry { 0, 0, -1, QString() } };
    s.maxLetters = DocumentSettings::kMaxMaxLetters;
    d.words.Clear();
    z.SelectedWords.clear();
    z.WordsByLength.clear();
    z.WordCount = 0;
    s.selectAllWords = false;
    p.directions = { true, false, false, false, false, false };
    p.randomFill = true;
    p.shuffleMessage = false;
    p.message.clear();
    z.RevealChoices = { { QStringLiteral("(?)"), 0 } };
    p.revealChoice.clear();
    z.LetterCodes.fill(0);
    p.letterCodeTexts.fill(QString());
    z.SymbolAlphabet = PuzzleEngine::SymbolCharacters();
}

SaveResult Document::SaveDocument(const QString& pathIn, const std::function<bool(const QString&)>& confirmTemplate)
{
    SaveResult result;
    if (pathIn.isEmpty())
        return result;
    const QString path = EnsureDocumentExtension(pathIn);
    result.path = path;
    const bool asTemplate = isTemplateName(path);
    QString text;
    if (asTemplate) {
        QString question;
        if (QFileInfo::exists(path))
            question = QStringLiteral("Attention : le modèle existant sera remplacé !\n");
        question += QStringLiteral("Voulez-vous vraiment définir ce document comme modèle par défaut ?");
        if (!confirmTemplate || !confirmTemplate(question)) {
            result.declined = true;
            return result;
        }
        // The template gets the settings without this worksheet's words and
        // puzzle; the open worksheet itself stays as it is.
        DocumentData cleared = data;
        ClearForTemplate(cleared);
        text = BuildDocumentText(cleared);
    } else {
        text = BuildDocumentText();
    }
    const WriteResult written = WriteFileSafely(path, EncodeWindows1252(text + QStringLiteral("\r\n")));
    if (!written.ok) {
        result.errorMessage = QStringLiteral("Impossible d'enregistrer\n") + path + QStringLiteral(" !\nErreur")
            + QString::number(written.errorNumber) + QStringLiteral(" : ") + written.errorText;
        return result;
    }
    result.saved = true;
    if (!asTemplate) {
        life.documentName = DocumentFileName(path, true);
        life.documentPath = path;
        life.SetModified(false, true);
    }
    return result;
}

// ---------------------------------------------------------------------------
// Reading

void Document::LoadDocument(const QString& path)
{
    if (path.isEmpty()) {
        ResetDocumentSettings();
        return;
    }
    QByteArray bytes;
    QFile file(EnsureDocumentExtension(path));
    if (file.open(QIODevice::ReadOnly) && file.size() <= kLargestDocument)
        bytes = file.read(kLargestDocument);
    LoadDocumentBytes(bytes, path);
}

void Document::LoadDocumentBytes(const QByteArray& bytes, const QString& pathIn)
{
    ResetDocumentSettings();
    if (pathIn.isEmpty())
        return;
    const QString path = EnsureDocumentExtension(pathIn);
    {
        SuppressEvents guard(suppressEvents());
        life.documentName = isTemplateName(path) ? QString() : DocumentFileName(path, true);
        life.documentPath = path;
        // Documents are Windows-1252; one saved by a modern text editor may
        // come back as UTF-8, with or without a byte order mark. The text is
        // read the way word lists are, then handed to the reader in the
        // documents' code page.
        const DecodedText decoded = DecodeTextBytes(bytes, -1, /*keepBinary=*/true);
        ApplyDocument(IniReader::FromBytes(EncodeWindows1252(decoded.text)));
        TakeSnapshot();
    }
    RequestRedraw();
    // The counts and word lists follow the checks; the puzzle read from the
    // file stays, so that the preview and printing show it.
    wordCountLabel = MakeWordCountLabel(data.words.CheckedCount(), data.words.Count());
    engine.RebuildWordListsKeepingPuzzle(data.words.CheckedWords());
    for (int i = 0; i < int(Setting::Count); ++i)
        Q_EMIT model.settingChanged(Setting(i));
}

void Document::ApplyDocument(const IniReader& ini)
{
    DocumentSettings& s = data.settings;
    PuzzleSettings& p = s.puzzle;
    PuzzleState& z = data.puzzle;
    const QString section = QLatin1String(kSection);
    auto value = [&](const QString& key) { return ini.Value(section, key); };
    const QString comma(QLatin1Char(','));

    // Fonts.
    auto applyFont = [&](const QString& key, QString& name, int& size, bool& bold, bool& italic,
                         const QString& fallback, const QString& absentName, const QString& absentFallback) {
        const QStringList f = value(key).split(comma);
        if (f.size() == 4) {
            name = SelectFont(f[0].trimmed(), fallback);
            size = ParseIntInRange(f[1], DocumentSettings::kMinFontSize, DocumentSettings::kMaxFontSize, 12);
            bold = ParseIntInRange(f[2], 0, 1, 0) == 1;
            italic = ParseIntInRange(f[3], 0, 1, 0) == 1;
        } else {
            name = SelectFont(absentName, absentFallback);
            size = 12;
            bold = italic = false;
        }
    };
    applyFont(QStringLiteral("PoliceGrille"), s.gridFontName, s.gridFontSize, s.gridBold, s.gridItalic,
              QStringLiteral("Arial"), QStringLiteral("Arial"), QStringLiteral("Arial"));
    applyFont(QStringLiteral("PoliceListe"), s.listFontName, s.listFontSize, s.listBold, s.listItalic,
              DefaultListFont(), QStringLiteral("Arial Narrow"), QStringLiteral("Arial"));
    s.titleFontName = SelectFont(value(QStringLiteral("PoliceTitre")).trimmed(), QStringLiteral("Tahoma"));

    // Texts: a title left empty on purpose stays empty; only a document
    // without the key gets the product name.
    if (ini.HasKey(section, QStringLiteral("Titre")))
        s.title = TextOrDefault(value(QStringLiteral("Titre")), QString());
    else
        s.title = ProductName();
    s.instruction = TextOrDefault(value(QStringLiteral("Consigne")), QString());

    // Levels and themes.
    const QString levels = TextOrDefault(value(QStringLiteral("Niveaux")), QStringLiteral("00000"));
    for (int k = 0; k < 5; ++k)
        s.levels[k] = ParseIntInRange(levels.mid(k, 1), 0, 1, kRangeSentinel) == 1;
    const QString themes = TextOrDefault(value(QStringLiteral("Thèmes")), QString());
    if (themes.startsWith(QLatin1Char('*'))) {
        data.themes.ClearSelection();
        s.themeText = themes.mid(1);
    } else {
        for (QChar c : themes) {
            const int t = ThemeIndexOfCode(c);
            if (t >= 0)
                data.themes.selected[t] = true;
        }
    }

    // Word entries.
    const QString flags = TextOrDefault(value(QStringLiteral("MotsSélectionnés")), QString());
    int last = ParseIntInRange(value(QStringLiteral("NombreMots")), 0, 5000, kRangeSentinel);
    if (last >= flags.size())
        last = int(flags.size()) - 1;
    z.WordCount = last + 1;
    if (last < 1) {
        z.WordEntries = { WordEntry {} };
    } else {
        z.WordEntries = QList<WordEntry>(last + 1);
        for (int i = 0; i <= last; ++i) {
            const QStringList f = value(QStringLiteral("Mot") + QString::number(i)).split(comma);
            if (f.size() != 4)
                continue;
            WordEntry& e = z.WordEntries[i];
            e.x = ParseIntInRange(f[0], 0, 30, kRangeSentinel);
            e.y = ParseIntInRange(f[1], 0, 30, kRangeSentinel);
            e.direction = ParseIntInRange(f[2], 0, 7, kRangeSentinel);
            e.gridText = TextOrDefault(f[3], QString());
        }
    }

    // Parameters.
    const QStringList f = value(QStringLiteral("Paramètres")).split(comma);
    int maxLetters = DocumentSettings::kMaxMaxLetters;
    if (f.size() < 5) {
        p.gridSize = DocumentSettings::kMinGridSize;
        s.uppercase = true;
        s.separateColumns = true;
        s.visibleCells = false;
        s.lowerHalf = 0;
        p.gameType = GameType::WordSearch;
        p.valueMode = 0;
        s.selectedThemeCount = 0;
        p.randomFill = true;
        p.shuffleMessage = false;
        s.levelNaming = 0;
        p.lowerBound = QStringLiteral("10");
        p.upperBound = QStringLiteral("99");
    } else {
        auto field = [&f](int n) { return n <= f.size() ? f[n - 1] : QString(); };
        auto has = [&f](int n) { return n <= f.size(); };
        p.gridSize = ParseIntInRange(field(1), DocumentSettings::kMinGridSize, DocumentSettings::kMaxGridSize, kRangeSentinel);
        s.uppercase = ParseIntInRange(field(2), 0, 1, kRangeSentinel) == 1;
        s.separateColumns = ParseIntInRange(field(3), 0, 1, kRangeSentinel) == 1;
        s.visibleCells = ParseIntInRange(field(4), 0, 1, kRangeSentinel) == 1;
        s.lowerHalf = ParseIntInRange(field(5), 0, 2, kRangeSentinel);
        p.gameType = GameType(has(6) ? ParseIntInRange(field(6), 0, 2, kRangeSentinel) : 0);
        p.valueMode = has(7) ? ParseIntInRange(field(7), 0, 2, kRangeSentinel) : 0;
        s.selectedThemeCount = has(8) ? ParseIntInRange(field(8), -1, 26, kRangeSentinel) : 0;
        p.randomFill = has(9) ? ParseIntInRange(field(9), 0, 1, 1) == 1 : true;
        p.shuffleMessage = has(10) ? ParseIntInRange(field(10), 0, 1, 0) == 1 : false;
        s.levelNaming = has(11) ? ParseIntInRange(field(11), 0, 1, 1) : 0;
        maxLetters = has(12) ? ParseIntInRange(field(12), DocumentSettings::kMinMaxLetters, DocumentSettings::kMaxMaxLetters,
                                               DocumentSettings::kMaxMaxLetters)
                             : DocumentSettings::kMaxMaxLetters;
        if (f.size() >= 14) {
            p.lowerBound = TextOrDefault(field(13), QStringLiteral("10"));
            p.upperBound = TextOrDefault(field(14), QStringLiteral("99"));
        } else {
            p.lowerBound = QStringLiteral("10");
            p.upperBound = QStringLiteral("99");
        }
    }
    z.gameType = p.gameType;
    s.maxLetters = maxLetters; // the candidate list is still empty: nothing to re-check

    // The values of the game type.
    const QString values = value(QStringLiteral("Valeurs"));
    switch (p.gameType) {
    case GameType::WordSearch: {
        // Split at the first comma only: the hidden message may hold commas.
        const int c = int(values.indexOf(comma));
        if (c >= 0) {
            const QString dirs = TextOrDefault(values.left(c), QStringLiteral("000000"));
            for (int k = 0; k < 6; ++k)
                p.directions[k] = ParseIntInRange(dirs.mid(k, 1), 0, 1, kRangeSentinel) == 1;
            p.directions[0] = true;
            p.message = TextOrDefault(values.mid(c + 1), QString());
            z.MessageText = p.message;
        }
        break;
    }
    case GameType::FillIn: {
        const QStringList v = values.split(comma);
        if (v.size() != 2) {
            p.revealChoice = z.RevealChoices[0].text;
            break;
        }
        const QString letters = v[1].trimmed().toUpper();
        for (QChar c : letters) {
            const QString letter = QString(c).trimmed().toUpper();
            if (letter.size() != 1 || LetterIndex(letter[0]) < 0)
                continue;
            bool listed = false;
            for (const TaggedItem& item : std::as_const(z.RevealChoices))
                listed = listed || item.text.compare(letter, Qt::CaseInsensitive) == 0;
            if (!listed)
                z.RevealChoices.append({ letter, 0 });
        }
        const int current = ParseIntInRange(v[0], 0, int(z.RevealChoices.size()) - 1, 0);
        p.revealChoice = z.RevealChoices[current].text;
        break;
    }
    case GameType::CodedWords: {
        const QStringList v = values.split(comma);
        for (int k = 0; k < 26; ++k) {
            int code = k + 1;
            if (v.size() == 26)
                code = ParseShortNumber(v[k]).value_or(0);
            z.LetterCodes[k] = std::int16_t(code);
            p.letterCodeTexts[k] = code < 1 ? QString() : QString::number(code);
        }
        break;
    }
    }
    z.CodesAreNumbers = p.valueMode != 2;

    // The grid.
    for (int y = 0; y < PuzzleState::kSide; ++y) {
        const QString row = value(QStringLiteral("Grille") + QString::number(y));
        for (int x = 0; x < PuzzleState::kSide && x < row.size(); ++x) {
            const QChar c = row[x];
            if (c == u'_' || !isGridCharacter(c))
                continue;
            z.LetterGrid.at(x, y) = QString(c);
            const int letter = LetterIndex(c.toUpper());
            z.CodeGrid.at(x, y) = letter >= 0 ? z.LetterCodes[letter] : 0;
        }
    }

    // The candidate words and their checks.
    for (int i = 0; i < flags.size(); ++i) {
        const QString word = TextOrDefault(value(QStringLiteral("Liste") + QString::number(i)), QString());
        if (word.isEmpty())
            continue;
        const auto added = data.words.AddWordIfAbsent(word);
        if (added.added)
            data.words.SetChecked(added.index, flags[i].isDigit() && flags[i] != u'0');
    }

    // Word entries beyond the candidates read cannot belong to this puzzle:
    // keeping them would change the file at every save.
    if (z.WordEntries.size() > std::max<qsizetype>(1, data.words.Count())) {
        if (data.words.Count() < 2)
            z.WordEntries = { WordEntry {} };
        else
            z.WordEntries.resize(data.words.Count());
    }

    // The themes label.
    if (s.selectedThemeCount == -1) {
        if (!life.documentName.isEmpty()) {
            themeLabel = QStringLiteral("Liste externe");
            data.themes.enabled = false;
        } else {
            themeLabel = ThemeLabelText(0);
            data.themes.enabled = true;
        }
    } else {
        UpdateThemeLabel();
    }
    data.themes.current = -1;
    data.words.current = -1;
    z.WordHighlighted = false;
    z.HighlightedWord = -1;
}

// ---------------------------------------------------------------------------
// The word selection list

void Document::UpdateThemeLabel()
{
    data.settings.selectedThemeCount = data.themes.SelectedCount();
    themeLabel = ThemeLabelText(data.settings.selectedThemeCount);
    data.themes.enabled = true;
}

void Document::UpdateWordCounts()
{
    wordCountLabel = MakeWordCountLabel(data.words.CheckedCount(), data.words.Count());
    engine.PrepareWordLists(data.words.CheckedWords());
}

void Document::OnWordChecksChanged()
{
    generateEnabled = true;
    UpdateWordCounts();
    RequestRedraw();
    ReportModified(data.words.BuildSelectionSignature() != life.snapshot.selectionString);
}

void Document::SetWordChecked(int index, bool checked)
{
    if (index < 0 || index >= data.words.Count())
        return;
    data.words.SetChecked(index, checked);
    if (!suppressEvents())
        OnWordChecksChanged();
}

void Document::SelectAllWords(bool checked)
{
    data.settings.selectAllWords = checked;
    if (suppressEvents())
        return;
    data.words.SetAllChecked(checked);
    UpdateWordCounts();
    RequestRedraw();
    // Checking or unchecking every word changes what the document saves.
    ReportModified(data.words.BuildSelectionSignature() != life.snapshot.selectionString);
}

void Document::SetMaxLetters(int maxLetters)
{
    if (suppressEvents())
        return;
    {
        SuppressEvents guard(suppressEvents());
        data.settings.maxLetters = std::clamp(maxLetters, int(DocumentSettings::kMinMaxLetters), int(DocumentSettings::kMaxMaxLetters));
        data.words.ApplyMaxLetters(data.settings.maxLetters);
    }
    OnWordChecksChanged();
}

bool Document::ClickWord(int index)
{
    data.words.current = index;
    if (suppressEvents())
        return false;
    const HighlightDecision d = DecideHighlight(data.words, data.puzzle);
    if (d.changed) {
        data.puzzle.HighlightedWord = d.highlighted;
        data.puzzle.WordHighlighted = d.highlighted >= 0;
    }
    if (d.redraw)
        RequestRedraw();
    return d.redraw;
}

// ---------------------------------------------------------------------------
// Generation and naming

GenerationResult Document::Generate(const std::function<bool(const QString&)>& question)
{
    ThemeSelection themes;
    themes.selectedThemeCount = data.settings.selectedThemeCount;
    themes.themeListEnabled = data.themes.enabled;
    for (int i = 0; i < kThemeCount; ++i)
        themes.themes.append({ ThemeName(i), data.themes.selected[i], data.themes.wordCounts[i] });
    engine.SetQuestionHandler(question);
    GenerationResult r;
    {
        SuppressEvents guard(suppressEvents());
        r = engine.Generate(data.words.CheckedWords(), themes);
    }
    if (themes.selectedThemeCount != -1)
        data.settings.selectedThemeCount = themes.selectedThemeCount;
    if (r.gridSizeChanged) {
        model.Set(Setting::GridSize, data.settings.puzzle.gridSize);
        ReportModified(data.settings.puzzle.gridSize != life.snapshot.gridSize);
    }
    if (r.succeeded()) {
        RequestRedraw();
        life.SetModified(true, true);
    }
    return r;
}

QString Document::ProposedFileName() const
{
    const QString caption = GameTypeCaption(data.settings.puzzle.gameType);
    if (!data.settings.themeText.isEmpty())
        return caption + QStringLiteral(" - ") + data.settings.themeText;
    const QStringList names = data.themes.SelectedNames();
    if (!names.isEmpty())
        return caption + QStringLiteral(" - ") + names.join(QStringLiteral(", "));
    return caption;
}

// ---------------------------------------------------------------------------
// The word sources

QString Document::CurrentThemeString() const
{
    return data.themes.SelectedCount() > 0 ? data.themes.SelectedCodes() : ExternalListThemeString();
}

void Document::RebuildWordList()
{
    SuppressEvents guard(suppressEvents());
    if (data.settings.selectedThemeCount >= 0) {
        data.words.Clear();
        const QString selectedThemeCodes = data.themes.SelectedCodes();
        // No theme checked compares as the snapshot has it ("*" and the list name).
        ReportModified(CurrentThemeString() != life.snapshot.themeString);
        auto& ThemeWordCount = data.themes.wordCounts;
        ThemeWordCount.fill(-1);
        QList<int> themeOfCode;
        for (QChar code : selectedThemeCodes)
            themeOfCode << ThemeIndexOfCode(code);
        const int maxLetters = data.settings.maxLetters;
        for (int level = 0; level < kLevelCount && themeDatabase; ++level) {
            if (!data.settings.levels[level])
                continue;
            for (const QString& entry : themeDatabase->levelLines[level]) {
                if (entry.isEmpty())
                    continue;
                if (selectedThemeCodes.isEmpty()) {
                    const QString word = LevelEntryWord(entry);
                    const auto added = data.words.AddWordIfAbsent(word);
                    if (added.added && LetterCount(word) <= maxLetters)
                        data.words.SetChecked(added.index, true);
                    continue;
                }
                // An entry of two checked themes is listed once and counted for both.
                for (int k = 0; k < selectedThemeCodes.size(); ++k) {
                    if (!LevelEntryHasTheme(entry, selectedThemeCodes[k]))
                        continue;
                    const QString word = LevelEntryWord(entry);
                    const auto added = data.words.AddWordIfAbsent(word);
                    if (LetterCount(word) <= maxLetters) {
                        if (added.added)
                            data.words.SetChecked(added.index, true);
                        ++ThemeWordCount[themeOfCode[k]];
                    }
                }
            }
        }
    }
    UpdateWordCounts();
}

void Document::UncheckAllLevels()
{
    for (int level = 0; level < kLevelCount; ++level) {
        data.settings.levels[level] = false;
        Q_EMIT model.settingChanged(Setting(int(Setting::Level0) + level));
    }
}

void Document::ClickLevel(int level, bool checked)
{
    if (level < 0 || level >= kLevelCount)
        return;
    data.settings.levels[level] = checked;
    Q_EMIT model.settingChanged(Setting(int(Setting::Level0) + level));
    if (suppressEvents())
        return;
    UpdateThemeLabel();
    RebuildWordList();
    RequestRedraw();
    const QString levelChecks = data.settings.LevelString();
    ReportModified(levelChecks != life.snapshot.levelString);
}

void Document::CheckTheme(int theme, bool checked)
{
    // The list is disabled while an external list fills the words.
    if (theme < 0 || theme >= kThemeCount || !data.themes.enabled)
        return;
    data.themes.selected[theme] = checked;
    if (!suppressEvents()) {
        UpdateThemeLabel();
        RebuildWordList();
        RequestRedraw();
    }
    ReportModified(CurrentThemeString() != life.snapshot.themeString);
}

WordListImport Document::ParseWordListText(const QString& text)
{
    return ApplyWordList(CutWordListText(text));
}

WordListImport Document::ApplyWordList(const WordListEntries& entries)
{
    WordListImport result;
    if (!entries.HasValidEntry()) {
        // Nothing to import: the current words, levels and themes stay.
        result.errorMessage = NoValidTextMessage();
        suppressEvents() = false;
        return result;
    }

    // External-list mode.
    UncheckAllLevels();
    data.themes.ClearSelection();
    themeLabel = QStringLiteral("Liste externe");
    data.themes.enabled = false;
    data.settings.selectedThemeCount = -1;
    data.settings.selectAllWords = false;
    Q_EMIT model.settingChanged(Setting::SelectAllWords);
    data.words.Clear();
    for (const QString& entry : entries.entries)
        data.words.AddWordIfAbsent(entry);
    life.SetModified(true, true);

    suppressEvents() = false;
    RebuildWordList();
    SelectAllWords(true);
    Q_EMIT model.settingChanged(Setting::SelectAllWords);
    model.Set(Setting::ThemeText, ListThemeName(importedListPath));

    result.imported = true;
    result.notices = WordListNotices(entries, data.words.Count());
    return result;
}

WordListImport Document::ImportWordListFile(const QString& path)
{
    WordListImport result;
    if (path.isEmpty())
        return result;
    const QString fileName = QFileInfo(path).fileName();
    const DecodedText text = ReadTextFile(path);
    if (text.status == TextFileStatus::Unreadable) {
        result.errorMessage = UnreadableListMessage(fileName);
        return result;
    }
    if (text.status == TextFileStatus::NotText) {
        result.errorMessage = NotTextListMessage(fileName);
        return result;
    }
    WordListEntries entries = CutWordListText(text.text);
    entries.truncated = entries.truncated || text.truncated;
    if (!entries.HasValidEntry()) {
        result.errorMessage = NoValidTextMessage();
        return result;
    }
    importedListPath = path;
    data.importedListName = fileName;
    suppressEvents() = true;
    life.documentName = fileName;
    result = ApplyWordList(entries);
    // Back to the idle window.
    suppressEvents() = false;
    return result;
}

WordListImport Document::PasteWordList(const QString& clipboardText)
{
    if (clipboardText.isEmpty()) {
        WordListImport result;
        result.errorMessage = ClipboardUnusableMessage();
        suppressEvents() = false;
        return result;
    }
    return ParseWordListText(NormaliseClipboardText(clipboardText));
}

} // namespace lx
