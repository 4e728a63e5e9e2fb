// What happens when the teacher changes a setting in the window: the value is
// stored, then, unless the system itself is changing the document, the
// follow-up of that setting runs (the puzzle adjusted in place, the preview
// redrawn, the modified mark compared with the saved state). No change ever
// regenerates the puzzle.
#include "document/Document.h"

#include "core/Text1252.h"
#include "document/DocumentValues.h"
#include "puzzle/CodeBounds.h"
#include "words/WordForms.h"

namespace lx {

namespace {

bool IsLevel(Setting id)
{
    return id >= Setting::Level0 && id <= Setting::Level4;
}

// The texts the teacher types, which the document file keeps as they are.
bool IsTypedText(Setting id)
{
    return id == Setting::Title || id == Setting::Instruction || id == Setting::ThemeText
        || id == Setting::HiddenMessage;
}

QString RefusalMessage(const QStringList& characters)
{
    return (characters.size() == 1 ? QStringLiteral("Le caractère ") : QStringLiteral("Les caractères "))
        + NameCharacters(characters)
        + (characters.size() == 1 ? QStringLiteral(" ne peut pas être enregistré dans un document Lexigrille : "
                                                   "il n'a pas été ajouté.")
                                  : QStringLiteral(" ne peuvent pas être enregistrés dans un document Lexigrille : "
                                                   "ils n'ont pas été ajoutés."));
}

} // namespace

QString Document::LetterCodesText() const
{
    QStringList codes;
    for (const QString& box : data_.settings.puzzle.letterCodeTexts)
        codes << box;
    return codes.join(QLatin1Char(','));
}

bool Document::Change(Setting id, const QVariant& valueIn)
{
    if (IsLevel(id)) {
        ClickLevel(int(id) - int(Setting::Level0), valueIn.toBool());
        return true;
    }
    switch (id) {
    case Setting::SelectAllWords:
        SelectAllWords(valueIn.toBool());
        return true;
    case Setting::MaxLetters:
        SetMaxLetters(valueIn.toInt());
        return true;
    default:
        break;
    }

    QVariant value = valueIn;
    if (IsTypedText(id)) {
        const QString adapted = AdaptToWindows1252(value.toString());
        if (const QStringList unfit = UnfitCharacters(adapted); !unfit.isEmpty()) {
            // The value stays as it was; the views show it again.
            Q_EMIT settingChanged(id);
            Q_EMIT textRefused(id, RefusalMessage(unfit));
            return false;
        }
        value = adapted;
    } else if (id == Setting::RangeFrom || id == Setting::RangeTo) {
        // A bound is a whole number, as its box's keys make it: what else a
        // paste brings is left out (a comma broke the file's line of settings).
        value = DigitsOf(value.toString());
    }

    const QVariant before = model_.Get(id);
    if (!model_.Set(id, value))
        return false;
    if (Suppressed())
        return true;

    DocumentSettings& s = data_.settings;
    PuzzleSettings& p = s.puzzle;
    PuzzleState& z = data_.puzzle;
    switch (id) {
    case Setting::GameType:
        ChangeGameType(GameType(before.toInt()));
        break;
    case Setting::GridSize:
        // A smaller size draws fewer cells until the next generation. The
        // letters of a message laid in an empty grid follow its new rows.
        if (z.gameType == GameType::WordSearch) {
            z.SetGridDimensions(p.gridSize);
            if (!p.randomFill && !GridMade(z)) {
                z.LetterGrid.clear();
                engine_.RefillMessage(p.message);
                Q_EMIT puzzleChanged();
            }
        }
        break;
    case Setting::LowerHalf:
        // A fill-in grid already made suits its new room, as a new one would.
        if (z.gameType == GameType::FillIn && p.gameType == GameType::FillIn) {
            engine_.FitFillInToRoom(kFillInRoomWidth, FillInRoomHeight(s.lowerHalf));
            Q_EMIT puzzleChanged();
        }
        break;
    case Setting::RandomFill:
        engine_.SetRandomFill(p.randomFill);
        Q_EMIT puzzleChanged();
        break;
    case Setting::HiddenMessage:
    case Setting::ShuffleList:
        // A message typed means the teacher wants it: with « Aléatoires »
        // still ticked it was kept without a word and never reached the grid.
        if (id == Setting::HiddenMessage && p.randomFill && !p.message.trimmed().isEmpty())
            Change(Setting::RandomFill, false);
        // The grid's letters follow at once, so that the instruction, which
        // says whether they are shuffled, tells the truth about them.
        engine_.RefillMessage(p.message);
        Q_EMIT puzzleChanged();
        break;
    case Setting::ValueMode:
        // The codes of the grid show as the mode says, and the code boxes'
        // marks follow it.
        data_.puzzle.CodesAreNumbers = CodesShowAsNumbers(data_.puzzle, p.valueMode);
        Q_EMIT puzzleChanged();
        if (p.valueMode == 1)
            CheckBounds();
        else
            SetGenerateEnabled(true);
        Q_EMIT valueBoxesChanged();
        break;
    case Setting::RangeFrom:
    case Setting::RangeTo:
        if (p.valueMode == 1)
            CheckBounds();
        Q_EMIT valueBoxesChanged();
        break;
    default:
        break;
    }

    // Changes that the page does not show: the bounds of the values take
    // effect at the next generation.
    if (id != Setting::RangeFrom && id != Setting::RangeTo)
        RequestRedraw();
    // Every setting the document file keeps counts as a modification when
    // it differs from its saved value.
    ReportModified(model_.Get(id) != life_.snapshot.values[int(id)]);
    return true;
}

// The title follows the game type, and the puzzle shown is one made for the
// new type: the one made last for it while the words stayed the same, else
// its empty grid until "Créer la grille". A puzzle is never drawn as another
// game's.
void Document::ChangeGameType(GameType before)
{
    DocumentSettings& s = data_.settings;
    PuzzleSettings& p = s.puzzle;
    const QString oldCaption = GameTypeCaption(before);
    const QString newCaption = GameTypeCaption(p.gameType);
    QString title = s.title;
    if (title.isEmpty())
        title = newCaption;
    else
        title.replace(oldCaption, newCaption);
    if (title != s.title)
        Change(Setting::Title, title);

    if (before == p.gameType)
        return;
    otherPuzzles_[int(before)] = data_.puzzle;
    if (std::optional<PuzzleState>& kept = otherPuzzles_[int(p.gameType)]) {
        data_.puzzle = std::move(*kept);
        kept.reset();
        engine_.RebuildWordListsKeepingPuzzle(data_.words.CheckedWords());
    } else {
        engine_.PrepareWordLists(data_.words.CheckedWords());
        data_.puzzle.RevealedLetters.clear();
    }
    data_.puzzle.gameType = p.gameType;
    data_.puzzle.CodesAreNumbers = CodesShowAsNumbers(data_.puzzle, p.valueMode);
    data_.puzzle.SetGridDimensions(p.gridSize);
    Q_EMIT puzzleChanged();
}

QString Document::GenerateDisabledReason() const
{
    if (generateEnabled_)
        return {};
    const PuzzleSettings& p = data_.settings.puzzle;
    return CodeBoundsProblem(p.lowerBound, p.upperBound, [](int low, int high) { return QStringLiteral("de %1 à %2").arg(low).arg(high); });
}

void Document::CheckBounds()
{
    const PuzzleSettings& p = data_.settings.puzzle;
    const BoundsVerdict v = CheckCodeBounds(p.lowerBound, p.upperBound);
    SetGenerateEnabled(v.enableGenerate);
    if (v.markError && *v.markError != boundsError_) {
        boundsError_ = *v.markError;
        Q_EMIT valueBoxesChanged();
    }
}

void Document::LeaveBounds()
{
    if (Suppressed())
        return;
    PuzzleSettings& p = data_.settings.puzzle;
    QString low = p.lowerBound;
    QString high = p.upperBound;
    LeaveCodeBounds(low, high);
    if (low != p.lowerBound)
        model_.Set(Setting::RangeFrom, low);
    if (high != p.upperBound)
        model_.Set(Setting::RangeTo, high);
    CheckBounds();
    Q_EMIT valueBoxesChanged();
    ReportModified(model_.Get(Setting::RangeFrom) != life_.snapshot.values[int(Setting::RangeFrom)]
                   || model_.Get(Setting::RangeTo) != life_.snapshot.values[int(Setting::RangeTo)]);
}

std::optional<bool> Document::LetterCodeError(int index) const
{
    const PuzzleSettings& p = data_.settings.puzzle;
    if (index < 0 || index >= 26)
        return std::nullopt;
    return CheckLetterCode(index, p.letterCodeTexts, p.valueMode, p.lowerBound, p.upperBound);
}

void Document::SetLetterCodeText(int index, const QString& text)
{
    if (index < 0 || index >= 26)
        return;
    // The codes as the boxes show them are what the document saves.
    data_.settings.puzzle.letterCodeTexts[index] = text;
    Q_EMIT valueBoxesChanged();
    if (Suppressed())
        return;
    ApplyLetterCodes();
    ReportModified(LetterCodesText() != life_.snapshot.letterCodes);
}

// The valid codes of the boxes are the grid's letters' codes on the page at
// once, so that the page printed is the one the saved file reopens; the key
// row stays in the order of its codes. A code marked wrong waits in its box.
// Every box is applied, not only the one typed in: codes swapped one box at a
// time come to the page when the second is typed. No two letters of the page
// ever share a code: a code the page keeps for a letter whose box is wrong
// waits for that box too.
void Document::ApplyLetterCodes()
{
    PuzzleState& z = data_.puzzle;
    if (z.gameType != GameType::CodedWords)
        return;
    std::array<int, 26> wanted {};
    for (int k = 0; k < 26; ++k) {
        wanted[k] = z.LetterCodes[k];
        if (z.LetterCodes[k] == 0 || LetterCodeError(k).value_or(true))
            continue;
        if (const std::optional<int> code = ParseShortNumber(data_.settings.puzzle.letterCodeTexts[k]))
            wanted[k] = *code;
    }
    // The page's own codes never clash: a new code that does goes back to
    // the letter's own until none is left.
    for (bool clash = true; clash;) {
        clash = false;
        for (int a = 0; a < 26; ++a) {
            for (int b = 0; b < 26; ++b) {
                if (a != b && z.LetterCodes[a] != 0 && z.LetterCodes[b] != 0 && wanted[a] == wanted[b]
                    && wanted[a] != z.LetterCodes[a]) {
                    wanted[a] = z.LetterCodes[a];
                    clash = true;
                }
            }
        }
    }
    if (std::equal(wanted.cbegin(), wanted.cend(), z.LetterCodes.cbegin()))
        return;
    for (int k = 0; k < 26; ++k)
        z.LetterCodes[k] = std::int16_t(wanted[k]);
    for (int y = 0; y < PuzzleState::kSide; ++y) {
        for (int x = 0; x < PuzzleState::kSide; ++x) {
            const QString& cell = z.LetterGrid.at(x, y);
            if (const int k = cell.isEmpty() ? -1 : LetterIndex(cell[0].toUpper()); k >= 0 && z.LetterCodes[k] != 0)
                z.CodeGrid.at(x, y) = z.LetterCodes[k];
        }
    }
    QList<std::pair<std::int16_t, QString>> key;
    for (int j = 0; j < z.DistinctLetterCount && j < PuzzleState::kSide; ++j)
        key.append({ z.CodeGrid.at(j, 0), z.LetterGrid.at(j, 0) });
    std::stable_sort(key.begin(), key.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int j = 0; j < key.size(); ++j)
        std::tie(z.CodeGrid.at(j, 0), z.LetterGrid.at(j, 0)) = key[j];
    Q_EMIT puzzleChanged();
    RequestRedraw();
}

void Document::ChooseRevealLetterText(const QString& text)
{
    TaggedList& choices = data_.puzzle.RevealChoices;
    for (int i = 0; i < choices.size(); ++i) {
        if (choices[i].text.compare(text, Qt::CaseInsensitive) == 0) {
            ChooseRevealLetter(i);
            return;
        }
    }
    // A letter the list lacks joins it (before the first grid the list holds
    // "(?)" alone): the file keeps the choice, and the next generation takes
    // it when its words have that letter. Anything else chooses "(?)".
    const bool letter = text.size() == 1 && LetterIndex(text[0].toUpper()) >= 0;
    if (choices.isEmpty())
        choices.append({ QStringLiteral("(?)"), 0 });
    if (letter)
        choices.append({ text.toUpper(), 0 });
    ChooseRevealLetter(letter ? int(choices.size()) - 1 : 0);
}

void Document::ChooseRevealLetter(int index)
{
    if (Suppressed())
        return;
    if (index < 0 || index >= data_.puzzle.RevealChoices.size()) {
        // No click leaves the list without a current item: it shows the
        // current one again.
        Q_EMIT puzzleChanged();
        return;
    }
    engine_.RevealFillInLetter(index);
    Q_EMIT puzzleChanged();
    RequestRedraw();
    ReportModified(data_.settings.puzzle.revealChoice != life_.snapshot.revealChoice);
}

} // namespace lx
