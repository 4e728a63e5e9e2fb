#include "document/DocumentFile.h"

#include "core/ProgramInfo.h"
#include "core/Text1252.h"
#include "core/TextEditing.h"
#include "core/TextFile.h"
#include "document/DocumentValues.h"
#include "document/FontNames.h"
#include "document/IniReader.h"
#include "document/MissingParts.h"
#include "puzzle/CodeBounds.h"
#include "words/WordForms.h"

namespace lx {

namespace {

const QString kComma(QLatin1Char(','));

// A cell read back from a "Grille" row: a letter A to Z (either case), or a
// character that the grid form of a word can hold (a digit, Ä, "?"...). Accented
// letters that the grid form folds and separators cannot come from a puzzle.
// Œ and Æ were one cell each in the puzzles of earlier versions: kept.
bool IsGridCharacter(QChar c)
{
    if (LetterIndex(c.toUpper()) >= 0 || QStringLiteral("ŒœÆæ").contains(c))
        return true;
    // "_" is an empty cell.
    if (c == u'_' || !c.isPrint() || c.isSpace() || !IsWindows1252(c))
        return false;
    const QString one(c);
    return ToGridForm(one) == UpperCase1252(one);
}

// Applies the keys of one file to a new document, one group of keys at a time.
class Reader {
public:
    Reader(const IniReader& ini, const QStringList& fontNames)
        : ini_(ini)
        , fonts_(fontNames)
        , result_ { NewDocumentData(fontNames), {}, true, {}, {} }
    {
    }

    DocumentReadResult Read()
    {
        result_.isDocument = ini_.HasSection(section_);
        ReadFonts();
        ReadTexts();
        ReadLevelsAndThemes();
        ReadWordEntries();
        ReadParameters();
        ReadValues();
        ReadSheet();
        ReadGrid();
        ReadCandidates();
        return std::move(result_);
    }

private:
    QString Value(const QString& key) const { return ini_.Value(section_, key); }
    bool Present(const QString& key) const { return ini_.HasKey(section_, key); }
    void Unread(const QString& key)
    {
        if (!result_.unreadKeys.contains(key))
            result_.unreadKeys << key;
    }

    // A number of the file, as ParseIntInRange reads it; one that is no
    // number or lies out of its range is reported under `key`, so that the
    // teacher knows which setting took another value.
    int Number(const QString& text, int low, int high, int fallback, const QString& key)
    {
        if (ParseIntInRange(text, low, high, low - 1) < low)
            Unread(key);
        return ParseIntInRange(text, low, high, fallback);
    }

    DocumentSettings& S() { return result_.data.settings; }
    PuzzleSettings& P() { return result_.data.settings.puzzle; }
    PuzzleState& Z() { return result_.data.puzzle; }

    // "Name,size,bold,italic"; with another number of fields, the new
    // document's font stays.
    void ReadFont(const QString& key, QString& name, int& size, bool& bold, bool& italic, const QString& fallback)
    {
        const QStringList f = Value(key).split(kComma);
        if (f.size() != 4) {
            if (Present(key))
                Unread(key);
            return;
        }
        name = SelectFont(fonts_, f[0].trimmed(), fallback);
        size = Number(f[1], DocumentSettings::kMinFontSize, DocumentSettings::kMaxFontSize, 12, key);
        bold = Number(f[2], 0, 1, 0, key) == 1;
        italic = Number(f[3], 0, 1, 0, key) == 1;
    }

    void ReadFonts()
    {
        DocumentSettings& s = S();
        ReadFont(QStringLiteral("PoliceGrille"), s.gridFontName, s.gridFontSize, s.gridBold, s.gridItalic,
                 QStringLiteral("Arial"));
        ReadFont(QStringLiteral("PoliceListe"), s.listFontName, s.listFontSize, s.listBold, s.listItalic,
                 DefaultListFontName(fonts_));
        s.titleFontName = SelectFont(fonts_, Value(QStringLiteral("PoliceTitre")).trimmed(), QStringLiteral("Tahoma"));
    }

    void ReadTexts()
    {
        // A title left empty on purpose stays empty; only a document without
        // the key gets the product name.
        S().title = Present(QStringLiteral("Titre")) ? TextOrDefault(Value(QStringLiteral("Titre")), QString()) : ProductName();
        S().instruction = TextOrDefault(Value(QStringLiteral("Consigne")), QString());
    }

    void ReadLevelsAndThemes()
    {
        const QString levels = TextOrDefault(Value(QStringLiteral("Niveaux")), QStringLiteral("00000"));
        // A class missing at the end of the value is not ticked.
        for (int k = 0; k < 5; ++k)
            S().levels[k] = k < levels.size() && Number(levels.mid(k, 1), 0, 1, kRangeSentinel, QStringLiteral("Niveaux")) == 1;
        const QString themes = TextOrDefault(Value(QStringLiteral("Thèmes")), QString());
        if (themes.startsWith(QLatin1Char('*'))) {
            S().themeText = themes.mid(1);
            return;
        }
        for (QChar c : themes) {
            const int t = ThemeIndexOfCode(c);
            if (t >= 0)
                result_.data.themes.selected[t] = true;
        }
    }

    void ReadWordEntries()
    {
        flags_ = TextOrDefault(Value(QStringLiteral("MotsSélectionnés")), QString());
        // Words listed beyond their checks (the key lost or cut short) are
        // kept, checked, and the teacher told, rather than dropped.
        qsizetype listed = flags_.size();
        while (listed < kMaxListedWords && !Value(QStringLiteral("Liste") + QString::number(listed)).isEmpty())
            ++listed;
        if (listed > flags_.size()) {
            flags_ += QString(listed - flags_.size(), QLatin1Char('1'));
            Unread(QStringLiteral("MotsSélectionnés"));
        }
        PuzzleState& z = Z();
        int last = ParseIntInRange(Value(QStringLiteral("NombreMots")), 0, 5000, kRangeSentinel);
        if (last >= flags_.size())
            last = int(flags_.size()) - 1;
        z.WordCount = last + 1;
        if (last < 1) {
            z.WordEntries = { WordEntry {} };
            return;
        }
        z.WordEntries = QList<WordEntry>(last + 1);
        for (int i = 0; i <= last; ++i) {
            const QString key = QStringLiteral("Mot") + QString::number(i);
            const QStringList f = Value(key).split(kComma);
            if (f.size() != 4) {
                if (Present(key))
                    Unread(key);
                continue;
            }
            WordEntry& e = z.WordEntries[i];
            e.x = Number(f[0], 0, 30, kRangeSentinel, key);
            e.y = Number(f[1], 0, 30, kRangeSentinel, key);
            e.direction = Number(f[2], 0, 7, kRangeSentinel, key);
            e.gridText = TextOrDefault(f[3], QString());
        }
    }

    // Fourteen fields; with fewer than five the new document's values stay,
    // and fields missing at the end keep them too.
    void ReadParameters()
    {
        const QString key = QStringLiteral("Paramètres");
        const QStringList f = Value(key).split(kComma);
        if (f.size() < 5) {
            if (Present(key))
                Unread(key);
            return;
        }
        DocumentSettings& s = S();
        PuzzleSettings& p = P();
        auto has = [&f](int n) { return n <= f.size(); };
        // Each field is named by its number when it cannot be read as it is.
        auto field = [&](int n, int low, int high, int fallback) {
            return Number(f[n - 1], low, high, fallback, key + QLatin1Char('.') + QString::number(n));
        };
        p.gridSize = field(1, DocumentSettings::kMinGridSize, DocumentSettings::kMaxGridSize, kRangeSentinel);
        s.uppercase = field(2, 0, 1, kRangeSentinel) == 1;
        s.separateColumns = field(3, 0, 1, kRangeSentinel) == 1;
        s.visibleCells = field(4, 0, 1, kRangeSentinel) == 1;
        s.lowerHalf = field(5, 0, 2, kRangeSentinel);
        if (has(6))
            p.gameType = GameType(field(6, 0, 2, kRangeSentinel));
        if (has(7))
            p.valueMode = field(7, 0, 2, kRangeSentinel);
        // The count of ticked themes is counted again from the themes.
        if (has(8))
            s.selectedThemeCount = ParseIntInRange(f[7], -1, 26, kRangeSentinel);
        if (has(9))
            p.randomFill = field(9, 0, 1, 1) == 1;
        if (has(10))
            p.shuffleMessage = field(10, 0, 1, 0) == 1;
        if (has(11))
            s.levelNaming = field(11, 0, 1, 1);
        if (has(12)) {
            // The candidate list is still empty: there is nothing to re-check.
            s.maxLetters = field(12, DocumentSettings::kMinMaxLetters, DocumentSettings::kMaxMaxLetters,
                                 DocumentSettings::kMaxMaxLetters);
        }
        if (has(14)) {
            p.lowerBound = TextOrDefault(f[12], PuzzleSettings().lowerBound);
            p.upperBound = TextOrDefault(f[13], PuzzleSettings().upperBound);
        }
    }

    void ReadValues()
    {
        PuzzleSettings& p = P();
        PuzzleState& z = Z();
        z.gameType = p.gameType;
        const QString key = QStringLiteral("Valeurs");
        const QString values = Value(key);
        switch (p.gameType) {
        case GameType::WordSearch: {
            // Split at the first comma only: the hidden message may hold commas.
            const int c = int(values.indexOf(kComma));
            if (c < 0) {
                if (Present(key))
                    Unread(key);
                break;
            }
            const QString dirs = TextOrDefault(values.left(c), QStringLiteral("000000"));
            for (int k = 0; k < 6; ++k)
                p.directions[k] = k < dirs.size() && Number(dirs.mid(k, 1), 0, 1, kRangeSentinel, key) == 1;
            p.directions[0] = true;
            p.message = TextOrDefault(values.mid(c + 1), QString());
            z.MessageText = p.message;
            break;
        }
        case GameType::FillIn:
            ReadRevealChoices(values.split(kComma));
            break;
        case GameType::CodedWords: {
            const QStringList v = values.split(kComma);
            if (v.size() != 26 && Present(key))
                Unread(key);
            // Without 26 codes, the letters take 1 to 26 in alphabetical order.
            for (int k = 0; k < 26; ++k) {
                const std::optional<int> read = v.size() == 26 ? ParseShortNumber(v[k]) : std::optional(k + 1);
                if (!read)
                    Unread(key);
                const int code = read.value_or(0);
                z.LetterCodes[k] = std::int16_t(code);
                p.letterCodeTexts[k] = code < 1 ? QString() : QString::number(code);
            }
            ReadGridCodes();
            break;
        }
        }
    }

    // The grid's own codes, where a box holds one the grid does not take (a
    // code typed wrong, marked so, or one for a letter not in the grid).
    void ReadGridCodes()
    {
        const QString key = QStringLiteral("CodesGrille");
        if (!Present(key))
            return;
        const QStringList v = Value(key).split(kComma);
        std::array<std::int16_t, 26> codes {};
        for (int k = 0; k < 26; ++k) {
            const std::optional<int> code = v.size() == 26 ? ParseShortNumber(v[k]) : std::nullopt;
            if (!code || *code < 0) {
                Unread(key);
                return;
            }
            codes[k] = std::int16_t(*code);
        }
        Z().LetterCodes = codes;
    }

    // The keys a file may lack: each then keeps its meaning for older files.
    void ReadSheet()
    {
        DocumentSettings& s = S();
        const auto flag = [this](const char* key, bool absent) {
            const QString k = QString::fromUtf8(key);
            return Present(k) ? Number(Value(k), 0, 1, absent ? 1 : 0, k) == 1 : absent;
        };
        s.nameLine = flag("PrenomDate", false);
        s.showDirections = flag("IndiquerSens", true);
        s.titleUnderline = flag("TitreSouligné", true);
        s.fitToPage = flag("Adapter", false);
        Z().TimedOut = flag("GrilleInachevée", false);
        const QString pictures = QStringLiteral("Images"), given = QStringLiteral("LettresDonnées");
        s.pictures = Present(pictures) ? Number(Value(pictures), 0, 2, 0, pictures) : 0;
        s.puzzle.revealedLetters = Present(given) ? Number(Value(given), -1, 26, -1, given) : -1;
        // The coded words' pictures in the order the generation drew them:
        // the base set, rearranged, or else the base set.
        QString symbols = Value(QStringLiteral("Symboles")), base = PuzzleEngine::SymbolCharacters();
        QString sorted = symbols;
        std::sort(sorted.begin(), sorted.end());
        std::sort(base.begin(), base.end());
        if (Present(QStringLiteral("Symboles")) && sorted != base)
            Unread(QStringLiteral("Symboles"));
        else if (!symbols.isEmpty())
            Z().SymbolAlphabet = symbols;
    }

    // "index,letters": the letters after "(?)" and the current item.
    void ReadRevealChoices(const QStringList& v)
    {
        PuzzleState& z = Z();
        if (v.size() != 2) {
            P().revealChoice = z.RevealChoices[0].text;
            return;
        }
        for (QChar c : v[1].trimmed().toUpper()) {
            const QString letter = QString(c).trimmed().toUpper();
            if (letter.size() != 1 || LetterIndex(letter[0]) < 0)
                continue;
            bool listed = false;
            for (const TaggedItem& item : std::as_const(z.RevealChoices))
                listed = listed || item.text.compare(letter, Qt::CaseInsensitive) == 0;
            if (!listed)
                z.RevealChoices.append({ letter, 0 });
        }
        const int current = Number(v[0], 0, int(z.RevealChoices.size()) - 1, 0, QStringLiteral("Valeurs.lettre"));
        P().revealChoice = z.RevealChoices[current].text;
    }

    void ReadGrid()
    {
        PuzzleState& z = Z();
        const bool coded = P().gameType == GameType::CodedWords;
        for (int y = 0; y < PuzzleState::kSide; ++y) {
            const QString row = Value(QStringLiteral("Grille") + QString::number(y));
            for (int x = 0; x < PuzzleState::kSide && x < row.size(); ++x) {
                const QChar c = row[x];
                // A coded word's hyphen or apostrophe stands between two of its letters.
                const bool partMark = coded && y >= 2 && IsCodedPartMark(c) && x > 0
                    && x + 1 < std::min<int>(row.size(), PuzzleState::kSide) && IsGridCharacter(row[x - 1])
                    && IsGridCharacter(row[x + 1]);
                if (c == u'_' || !(IsGridCharacter(c) || partMark))
                    continue;
                z.LetterGrid.at(x, y) = QString(c);
                const int letter = LetterIndex(c.toUpper());
                z.CodeGrid.at(x, y) = letter >= 0 ? z.LetterCodes[letter] : 0;
            }
        }
        z.CodesAreNumbers = CodesShowAsNumbers(z, P().valueMode);
    }

    void ReadCandidates()
    {
        DocumentData& d = result_.data;
        for (int i = 0; i < flags_.size(); ++i) {
            const QString word = TextOrDefault(Value(QStringLiteral("Liste") + QString::number(i)), QString());
            if (word.isEmpty())
                continue;
            const auto added = d.words.AddWordIfAbsent(word);
            if (added.added)
                d.words.SetChecked(added.index, flags_[i].isDigit() && flags_[i] != u'0');
        }
        // Word entries beyond the candidates read cannot belong to this
        // puzzle: keeping them would change the file at every save.
        PuzzleState& z = Z();
        if (z.WordEntries.size() > std::max<qsizetype>(1, d.words.Count())) {
            if (d.words.Count() < 2)
                z.WordEntries = { WordEntry {} };
            else
                z.WordEntries.resize(d.words.Count());
        }
    }

    const IniReader& ini_;
    const QStringList& fonts_;
    const QString section_ = QLatin1String(kDocumentSection);
    DocumentReadResult result_;
    QString flags_; // "MotsSélectionnés": one check per candidate word
};

} // namespace

namespace {

// The settings of the keys, and of the fields of "Paramètres", as the
// teacher knows them.
struct SettingName {
    const char16_t* key;
    const char16_t* name;
};
constexpr SettingName kSettingNames[] = {
    { u"PoliceGrille", u"la police de la grille" },
    { u"PoliceListe", u"la police de la liste" },
    { u"Niveaux", u"les classes cochées" },
    { u"Paramètres", u"les réglages de la grille et de la page" },
    { u"Paramètres.1", u"la taille de la grille" },
    { u"Paramètres.2", u"« Majuscules »" },
    { u"Paramètres.3", u"« Séparer les colonnes »" },
    { u"Paramètres.4", u"« Cases apparentes »" },
    { u"Paramètres.5", u"la moitié inférieure" },
    { u"Paramètres.6", u"le type de jeu" },
    { u"Paramètres.7", u"les valeurs des mots codés" },
    { u"Paramètres.9", u"les lettres restantes « Aléatoires »" },
    { u"Paramètres.10", u"« Mélanger »" },
    { u"Paramètres.11", u"« Classes » ou « Niveaux »" },
    { u"Paramètres.12", u"le nombre de lettres maximal des mots" },
    { u"Valeurs", u"les options du jeu (sens des mots, message secret ou codes)" },
    { u"Valeurs.lettre", u"la lettre révélée" },
    { u"Symboles", u"les dessins des mots codés" },
    { u"CodesGrille", u"les codes de la grille des mots codés" },
    { u"MotsSélectionnés", u"les coches des mots de la liste (ils sont tous cochés)" },
    { u"PrenomDate", u"« Prénom et date »" },
    { u"IndiquerSens", u"« Indiquer le sens des mots »" },
    { u"TitreSouligné", u"« Titre souligné »" },
    { u"Adapter", u"« Adapter à la page »" },
    { u"GrilleInachevée", u"la grille inachevée" },
    { u"Images", u"les images" },
    { u"LettresDonnées", u"le nombre de lettres données" },
};

QString SettingNameOf(const QString& key)
{
    for (const SettingName& s : kSettingNames) {
        if (key == QStringView(s.key))
            return QString::fromUtf16(s.name);
    }
    if (key.startsWith(QStringLiteral("Mot")))
        return QStringLiteral("la place de certains mots dans la grille");
    return QStringLiteral("« ") + key + QStringLiteral(" »");
}

} // namespace

QString UnreadSettingsMessage(const QString& fileName, const QStringList& unreadKeys)
{
    QStringList settings;
    for (const QString& key : unreadKeys) {
        const QString what = SettingNameOf(key);
        if (!settings.contains(what))
            settings << what;
    }
    if (settings.isEmpty())
        return {};
    return QStringLiteral("Certains réglages de « ") + fileName
        + QStringLiteral(" » étaient illisibles et ont repris leur valeur par défaut : ") + settings.join(QStringLiteral(", "))
        + QStringLiteral(".\nVérifiez-les avant d'imprimer la fiche.");
}

DocumentReadResult ReadDocumentBytes(const QByteArray& bytes, const QStringList& fontNames)
{
    // Documents are Windows-1252; one saved by a modern text editor may come
    // back as UTF-8, with or without a byte order mark. The text is decoded
    // the way word lists are, then handed to the key reader in the documents'
    // code page.
    // What the teacher's editor wrote in another form of a character the
    // code page has (a narrow no-break space...) takes that character; the
    // others are named.
    const QString text = AdaptToWindows1252(DecodeTextBytes(bytes, -1, /*keepBinary=*/true).text);
    const IniReader ini = IniReader::FromBytes(EncodeWindows1252(text));
    DocumentReadResult read = Reader(ini, fontNames).Read();
    read.unfitCharacters = UnfitCharacters(text);
    read.missingParts = MissingParts(ini);
    return read;
}

QString UnfitCharactersMessage(const QString& fileName, const QStringList& characters)
{
    if (characters.isEmpty())
        return {};
    const bool one = characters.size() == 1;
    return Quoted(fileName) + QStringLiteral(" contient ") + NameCharacters(characters)
        + (one ? QStringLiteral(", qu'un document Lexigrille ne peut pas garder : il est remplacé par « ? ».")
               : QStringLiteral(", qu'un document Lexigrille ne peut pas garder : ils sont remplacés par « ? »."))
        + QStringLiteral("\nCorrigez les textes où paraît « ? » avant d'imprimer la fiche.");
}

} // namespace lx
