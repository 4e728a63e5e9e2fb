// The document as a whole: a new one, one read from a file, a copy, a save;
// the modified mark and its snapshot; what the window shows beside the
// settings; "Créer la grille".
#include "document/Document.h"

#include "puzzle/UnfitWords.h"

#include "core/Plural.h"
#include "core/TextEditing.h"
#include "document/DocumentFile.h"
#include "document/DocumentValues.h"
#include "document/WordPictures.h"
#include "puzzle/MessageFit.h"
#include "words/PictureTable.h"
#include "words/Themes.h"
#include "words/WordForms.h"

namespace lx {

CommandResult GenerationReport(const GenerationResult& r)
{
    if (r.succeeded()) // with a warning about the grid made, when there is one
        return r.message.isEmpty() ? CommandResult::Ok() : CommandResult::Notice(r.message, MessageKind::Warning);
    if (r.message.isEmpty())
        return CommandResult::Cancel();
    if (r.outcome == GenerationOutcome::TooFewWords) // what to do first, nothing wrong
        return { CommandResult::Status::Failed, MessageKind::Information, r.message };
    if (r.outcome == GenerationOutcome::TimedOut) // an explanation, and what to change
        return { CommandResult::Status::Failed, MessageKind::Warning, r.message };
    return CommandResult::Error(r.message);
}

CommandResult WordListImport::Result() const
{
    if (!imported)
        return errorMessage.isEmpty() ? CommandResult::Cancel() : CommandResult::Error(errorMessage);
    return notices.isEmpty() ? CommandResult::Ok() : CommandResult::Notice(notices.join(QLatin1Char('\n')));
}

Document::Document(QStringList fontNames, QObject* parent)
    : QObject(parent)
    , fontNames_(std::move(fontNames))
{
    connect(&model_, &SettingsModel::settingChanged, this, &Document::settingChanged);
    Reset();
}

QString Document::ThemeLabel() const
{
    return data_.themes.enabled ? ThemeLabelText(data_.themes.SelectedCount()) : QStringLiteral("Liste externe");
}

void Document::SetGenerateEnabled(bool enabled)
{
    if (generateEnabled_ == enabled)
        return;
    generateEnabled_ = enabled;
    Q_EMIT generateEnabledChanged(enabled);
}

void Document::SetModified(bool value, bool force)
{
    const bool before = life_.modified;
    life_.SetModified(value, force);
    Q_EMIT titleChanged(life_.WindowTitle());
    if (life_.modified != before)
        Q_EMIT modifiedChanged(life_.modified);
}

void Document::SetGenerationHooks(GenerationHooks hooks)
{
    engine_.Clock().SetYieldHook(std::move(hooks.yield));
    engine_.SetQuestionHandler(std::move(hooks.question));
}

void Document::RequestRedraw()
{
    if (!Suppressed())
        Q_EMIT redrawRequested();
}

// Tells the views that everything may have changed (a reset or an opening):
// the candidate words, then all the rest at once.
void Document::EmitEverything()
{
    Q_EMIT wordListChanged();
    Q_EMIT documentReplaced();
    RequestRedraw();
}

void Document::Reset()
{
    {
        SuppressEvents guard(model_);
        data_ = NewDocumentData(fontNames_);
        otherPuzzles_ = {};
        boundsError_ = false;
        life_.documentName.clear();
        life_.documentPath.clear();
        wordCountLabel_ = MakeWordCountLabel(0, 0);
        SetGenerateEnabled(true);
        TakeSnapshot();
    }
    EmitEverything();
}

void Document::Replace(DocumentReadResult read, const QString& path, bool recovered)
{
    {
        SuppressEvents guard(model_);
        data_ = std::move(read.data);
        otherPuzzles_ = {};
        boundsError_ = false;
        // The template opens as an untitled document, saved where the
        // teacher's documents go, not beside the template.
        const bool fromTemplate = IsTemplateFileName(path);
        life_.documentName = fromTemplate ? QString() : DocumentFileName(path);
        life_.documentPath = fromTemplate ? QString() : path;
        // Words of an external list keep the list mode only in a named document.
        if (data_.settings.selectedThemeCount == -1)
            data_.themes.enabled = !recovered && life_.documentName.isEmpty();
        else
            UpdateThemeLabel();
        // The counts and word lists follow the checks; the puzzle read from the
        // file stays, so that the preview and printing show it.
        wordCountLabel_ = MakeWordCountLabel(data_.words.CheckedCount(), data_.words.Count());
        engine_.RebuildWordListsKeepingPuzzle(data_.words.CheckedWords());
        ShowLoadedLetterBalance();
        KeepRevealChoice();
        SetGenerateEnabled(true);
        TakeSnapshot();
    }
    EmitEverything();
}

void Document::CopyFrom(const Document& other)
{
    SuppressEvents guard(model_);
    data_ = other.data_;
    otherPuzzles_ = {};
    engine_.RebuildWordListsKeepingPuzzle(data_.words.CheckedWords());
}

void Document::MarkSaved(const QString& path)
{
    life_.documentName = DocumentFileName(path);
    life_.documentPath = path;
    // What is on disk now is what the modified mark compares with: a value
    // set back to the one the document was opened with differs from the file.
    TakeSnapshot();
}

void Document::TakeSnapshot()
{
    SavedStateSnapshot& n = life_.snapshot;
    for (int i = 0; i < int(Setting::Count); ++i)
        n.values[i] = model_.Get(Setting(i));
    n.levelString = data_.settings.LevelString();
    n.themeString = CurrentThemeString();
    n.selectionString = data_.words.BuildSelectionSignature();
    n.revealChoice = data_.settings.puzzle.revealChoice;
    n.letterCodes = LetterCodesText();
    SetModified(false, true);
}

QString Document::CurrentThemeString() const
{
    return data_.themes.SelectedCount() > 0 ? data_.themes.SelectedCodes() : ExternalListThemeString(data_);
}

// The letter balance of a hidden message as the file left it: the free cells
// of the grid (filler letters, or empty where the message ran short) against
// the message's letters.
void Document::ShowLoadedLetterBalance()
{
    const PuzzleSettings& p = data_.settings.puzzle;
    if (p.gameType == GameType::WordSearch && !p.randomFill)
        engine_.RecountLetterBalance();
}

// The revealed-letter list always has a current item, so that what is saved
// is what reopens: a choice the list does not hold becomes "(?)".
void Document::KeepRevealChoice()
{
    PuzzleState& z = data_.puzzle;
    QString& choice = data_.settings.puzzle.revealChoice;
    if (z.RevealChoices.isEmpty())
        z.RevealChoices = { { QStringLiteral("(?)"), 0 } };
    for (const TaggedItem& item : std::as_const(z.RevealChoices)) {
        if (item.text.compare(choice, Qt::CaseInsensitive) == 0)
            return;
    }
    choice = z.RevealChoices[0].text;
}

// A grid holds a letter once made; one discarded since (the words or the
// game changed) holds none. A word search's lower-case letters are filler,
// or a hidden message's, which its box lays at once in an empty grid too:
// only a word's capital shows the grid was made.
bool GridMade(const PuzzleState& z)
{
    const bool wordSearch = z.gameType == GameType::WordSearch;
    return z.LetterGrid.any([wordSearch](const QString& letter) {
        return wordSearch ? !PuzzleState::IsFillerCell(letter) : !letter.isEmpty();
    });
}

QString Document::PrintQuestion(int versions) const
{
    const PuzzleState& z = data_.puzzle;
    if (versions <= 1 && !GridMade(z))
        return QStringLiteral("La grille n'a pas encore été créée : la fiche n'aurait qu'une grille vide. "
                              "Cliquez d'abord sur « Créer la grille ».\r\nVoulez-vous imprimer quand même ?");
    // What a time-out left has holes, and the list names words it does not hold.
    if (versions <= 1 && z.TimedOut)
        return GridWarningText()
            + QStringLiteral(" Cliquez sur « Créer la grille » pour la recommencer, ou retirez des mots.\r\n"
                             "Voulez-vous imprimer quand même ?");
    // The size moved since the grid was made: the page draws its letters at
    // the new size, words cut at the edge or cells without a letter.
    if (versions <= 1 && z.gameType == GameType::WordSearch && GridSizeMoved())
        return GridWarningText() + QStringLiteral("\r\nVoulez-vous imprimer quand même ?");
    QStringList warnings;
    if (const QStringList unfit = UnfitWordsShown(); versions <= 1 && !unfit.isEmpty())
        warnings << UnfitWordsWarning(unfit);
    if (const QString message = MessageBalanceWarning(data_); !message.isEmpty())
        warnings << message;
    return warnings.isEmpty() ? QString() : warnings.join(QStringLiteral("\r\n")) + QStringLiteral("\r\nVoulez-vous vraiment imprimer le document ?");
}

QString MessageBalanceWarning(const DocumentData& d)
{
    const PuzzleSettings& p = d.settings.puzzle;
    const QString& explanation = d.puzzle.BalanceLabel.explanation;
    if (p.gameType != GameType::WordSearch || p.randomFill || explanation.isEmpty())
        return {};
    return explanation + QStringLiteral(" dans le message secret.");
}

bool Document::GridWhole() const
{
    return GridMade(data_.puzzle) && GridWarningText().isEmpty();
}

QStringList Document::UnfitWordsShown() const
{
    const PuzzleState& z = data_.puzzle;
    if (z.gameType != GameType::WordSearch || !GridMade(z))
        return {};
    return UnfitWordsInGrid(z, engine_.UnfitWords());
}

QString Document::GridWarningText() const
{
    const PuzzleState& z = data_.puzzle;
    if (!GridMade(z))
        return {};
    if (!z.TimedOut) {
        if (z.gameType != GameType::WordSearch || !GridSizeMoved())
            return {};
        return QStringLiteral("La taille de la grille a changé depuis sa création : des mots dépassent du cadre ou des cases "
                              "sont vides. Cliquez sur « Créer la grille » pour la recommencer.");
    }
    const int count = std::min<int>(z.WordCount, int(z.WordEntries.size()));
    const int missing = count - int(std::count_if(z.WordEntries.cbegin(), z.WordEntries.cbegin() + count,
                                                  [](const WordEntry& e) { return !e.gridText.isEmpty(); }));
    if (count < 2 || missing < 1)
        return QStringLiteral("La grille n'est pas terminée.");
    // Named, so that the teacher knows which to take out: the checked words
    // that no entry holds, a few of them.
    QHash<QString, int> placed;
    for (const WordEntry& e : z.WordEntries)
        ++placed[e.gridText];
    QStringList absent;
    for (const QString& word : data_.words.CheckedWords()) {
        if (int& n = placed[ToGridForm(word)]; n > 0)
            --n;
        else
            absent << word;
    }
    constexpr int kNamed = 5;
    const QString names = absent.size() != missing ? QString()
        : QStringLiteral(" (") + QStringList(absent.mid(0, kNamed)).join(QStringLiteral(", "))
            + (absent.size() > kNamed ? QStringLiteral("…)") : QStringLiteral(")"));
    return QStringLiteral("La grille n'est pas terminée : %1 sur %2 n'y %3%4.")
        .arg(PluralLabel(missing, QStringLiteral("mot"), true), FrenchNumber(count),
             missing == 1 ? QStringLiteral("est pas placé") : QStringLiteral("sont pas placés"), names);
}

bool Document::GridSizeMoved() const
{
    const PuzzleState& z = data_.puzzle;
    for (const WordEntry& e : z.WordEntries) {
        if (!e.gridText.isEmpty() && !EntryInside(e, int(e.gridText.size()), z.GridSize))
            return true;
    }
    // Random letters fill every cell a word leaves.
    if (!data_.settings.puzzle.randomFill)
        return false;
    for (int y = 0; y < z.GridSize; ++y)
        for (int x = 0; x < z.GridSize; ++x)
            if (z.LetterGrid.at(x, y).isEmpty())
                return true;
    return false;
}

QString Document::MissingPicturesText() const
{
    return lx::MissingPicturesText(data_, PictureTable::Installed());
}

QString Document::MessageSizeAdvice() const
{
    const PuzzleState& z = data_.puzzle;
    const PuzzleSettings& p = data_.settings.puzzle;
    const int letters = int(LettersOnly(p.message.trimmed()).size());
    if (p.gameType != GameType::WordSearch || p.randomFill || letters == 0
        || engine_.GridForms().size() < PuzzleEngine::kMinimumWords)
        return {};
    // The grid on the page takes the message exactly: a layout sharing more
    // cells than the sizes count on.
    const int side = std::min(p.gridSize, PuzzleState::kSide);
    const int free = z.FillerCellCount(side);
    if (free < side * side && free == letters) // some word letters, and the message fills the rest
        return {};
    const WordCells cells = CountWordCells(engine_.GridForms(), WordsCanCross(p.directions));
    return MessageFitsGrid(cells, letters, p.gridSize) ? QString() : GridSizeAdvice(cells, letters);
}

QString Document::MessageLeftOutText() const
{
    const PuzzleSettings& p = data_.settings.puzzle;
    if (p.gameType != GameType::WordSearch || p.randomFill)
        return {};
    // Letters and digits the grid cannot take ("2", "ñ"): the key prints the
    // message as typed, and would not be what the pupils read.
    QStringList left;
    bool digits = false;
    for (const QChar c : p.message) {
        const QString one(c);
        if (c.isLetterOrNumber() && LettersOnly(one).isEmpty() && !left.contains(QStringLiteral("« %1 »").arg(one))) {
            left << QStringLiteral("« %1 »").arg(one);
            digits = digits || c.isDigit();
        }
    }
    if (left.isEmpty())
        return {};
    return FrenchEnumeration(left) + (left.size() == 1 ? QStringLiteral(" ne va pas") : QStringLiteral(" ne vont pas"))
        + QStringLiteral(" dans la grille, qui n'a que les lettres de A à Z")
        + (digits ? QStringLiteral(" : écrivez les nombres en toutes lettres.") : QStringLiteral("."));
}

QString Document::ProposedFileName() const
{
    QString name = GameTypeCaption(data_.settings.puzzle.gameType);
    if (!data_.settings.themeText.isEmpty())
        name += QStringLiteral(" - ") + data_.settings.themeText;
    else if (const QStringList names = data_.themes.SelectedNames(); !names.isEmpty())
        name += QStringLiteral(" - ") + names.join(QStringLiteral(", "));
    return FileNameSafe(name);
}

// ---------------------------------------------------------------------------
// "Créer la grille"

std::optional<GenerationResult> Document::TooFewWords() const
{
    const int checked = data_.words.CheckedCount();
    if (checked >= PuzzleEngine::kMinimumWords)
        return std::nullopt;
    const int listed = data_.words.Count();
    QString text;
    if (listed == 0)
        text = QStringLiteral("Choisissez d'abord les mots : cochez une classe et un thème, ou importez une liste de mots. "
                              "Il faut au moins cinq mots pour créer la grille.");
    else if (listed < PuzzleEngine::kMinimumWords)
        text = (listed == 1 ? QStringLiteral("La liste n'a qu'un mot") : QStringLiteral("La liste n'a que %1 mots").arg(listed))
            + QStringLiteral(" : il faut au moins cinq mots pour créer la grille. Cochez d'autres thèmes ou classes, "
                             "ou importez une liste plus longue.");
    else if (checked == 0)
        text = QStringLiteral("Cochez au moins cinq mots pour créer la grille.");
    else
        text = QStringLiteral("Cochez au moins cinq mots pour créer la grille : %1 pour l'instant.")
                   .arg(PluralLabel(checked, QStringLiteral("mot¤ coché¤"), true));
    return GenerationResult { GenerationOutcome::TooFewWords, text, false };
}

GenerationResult Document::Generate()
{
    if (std::optional<GenerationResult> refused = TooFewWords())
        return *refused;
    ThemeSelection themes;
    themes.selectedThemeCount = data_.settings.selectedThemeCount;
    themes.themeListEnabled = data_.themes.enabled;
    for (int i = 0; i < kThemeCount; ++i)
        themes.themes.append({ ThemeName(i), data_.themes.selected[i], data_.themes.wordCounts[i] });
    GenerationResult r;
    {
        SuppressEvents guard(model_);
        engine_.SetFillInRoom(kFillInRoomWidth, FillInRoomHeight(data_.settings.lowerHalf));
        engine_.SetCodedRoom(kCodedRoomWidth, CodedRoomHeight(data_.settings.lowerHalf));
        r = engine_.Generate(data_.words.CheckedWords(), themes);
    }
    if (themes.selectedThemeCount != -1)
        data_.settings.selectedThemeCount = themes.selectedThemeCount;
    if (r.gridSizeChanged) {
        model_.Set(Setting::GridSize, data_.settings.puzzle.gridSize);
        ReportModified(data_.settings.puzzle.gridSize != life_.snapshot.values[int(Setting::GridSize)].toInt());
    }
    KeepRevealChoice();
    Q_EMIT puzzleChanged();
    Q_EMIT valueBoxesChanged();
    if (r.outcome == GenerationOutcome::Generated) {
        RequestRedraw();
        SetModified(true, true);
    } else if (r.outcome == GenerationOutcome::TimedOut) {
        // What the time left is what a print would give (and asks about): the
        // page shows it, not the puzzle it replaced.
        RequestRedraw();
    }
    return r;
}

} // namespace lx
