#include "document/Document.h"

#include "core/TextEditing.h"
#include "document/DocumentFile.h"
#include "document/DocumentValues.h"
#include "document/SafeFile.h"
#include "puzzle/MessageFit.h"
#include "words/Themes.h"
#include "words/WordForms.h"

#include <QFile>
#include <QFileInfo>

namespace lx {

namespace {

bool IsTemplateName(const QString& path)
{
    return DocumentFileName(path).compare(QString::fromUtf16(kTemplateFileName), Qt::CaseInsensitive) == 0;
}

} // namespace

Document::Document(QStringList fontNames, QObject* parent)
    : QObject(parent)
    , fontNames_(std::move(fontNames))
{
    connect(&model, &SettingsModel::settingChanged, this, &Document::settingChanged);
    ResetDocumentSettings();
}

QString Document::ThemeLabel() const
{
    return data.themes.enabled ? ThemeLabelText(data.themes.SelectedCount()) : QStringLiteral("Liste externe");
}

void Document::SetLowerHalfAvailable(bool available)
{
    if (lowerHalfAvailable_ == available)
        return;
    lowerHalfAvailable_ = available;
    Q_EMIT lowerHalfAvailableChanged(available);
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
    const bool before = life.modified;
    life.SetModified(value, force);
    Q_EMIT titleChanged(life.WindowTitle());
    if (life.modified != before)
        Q_EMIT modifiedChanged(life.modified);
}

void Document::RequestRedraw()
{
    if (!Suppressed())
        Q_EMIT redrawRequested();
}

void Document::RedrawPreview()
{
    // The header of the page reads a count below 1 as an external list's
    // words; from the first drawing on, the document says so too.
    if (data.settings.selectedThemeCount < 1)
        data.settings.selectedThemeCount = -1;
}

// Tells the views that everything may have changed (a reset or an opening):
// the candidate words, then all the rest at once.
void Document::EmitEverything()
{
    Q_EMIT wordListChanged();
    Q_EMIT documentReplaced();
}

void Document::ResetDocumentSettings()
{
    {
        SuppressEvents guard(model);
        data = NewDocumentData(fontNames_);
        boundsError_ = false;
        life.documentName.clear();
        life.documentPath.clear();
        wordCountLabel_ = MakeWordCountLabel(0, 0);
        SetGenerateEnabled(true);
        TakeSnapshot();
    }
    EmitEverything();
}

void Document::TakeSnapshot()
{
    SavedStateSnapshot& n = life.snapshot;
    for (int i = 0; i < int(Setting::Count); ++i)
        n.values[i] = model.Get(Setting(i));
    n.levelString = data.settings.LevelString();
    n.themeString = CurrentThemeString();
    n.selectionString = data.words.BuildSelectionSignature();
    n.revealChoice = data.settings.puzzle.revealChoice;
    n.letterCodes = LetterCodesText();
    SetModified(false, true);
}

QString Document::CurrentThemeString() const
{
    return data.themes.SelectedCount() > 0 ? data.themes.SelectedCodes() : ExternalListThemeString(data);
}

// ---------------------------------------------------------------------------
// Files

SaveResult Document::SaveDocument(const QString& pathIn)
{
    SaveResult result;
    if (pathIn.isEmpty())
        return result;
    const QString path = EnsureDocumentExtension(pathIn);
    result.path = path;
    const bool asTemplate = IsTemplateName(path);
    QByteArray bytes;
    if (asTemplate) {
        QString question;
        if (QFileInfo::exists(path))
            question = QStringLiteral("Attention : le modèle existant sera remplacé !\n");
        question += QStringLiteral("Voulez-vous vraiment définir ce document comme modèle par défaut ?");
        if (prompter().Ask(MessageKind::Question, question) != Answer::Yes) {
            result.declined = true;
            return result;
        }
        // The template gets the settings without this worksheet's words and
        // puzzle; the open worksheet itself stays as it is.
        DocumentData cleared = data;
        ClearForTemplate(cleared, fontNames_);
        bytes = DocumentFileBytes(cleared);
    } else {
        bytes = DocumentFileBytes(data);
    }
    const WriteResult written = WriteFileSafely(path, bytes);
    if (!written.ok) {
        result.errorMessage = SaveErrorMessage(path, written);
        return result;
    }
    result.saved = true;
    if (!asTemplate) {
        life.documentName = DocumentFileName(path);
        life.documentPath = path;
        SetModified(false, true);
    }
    return result;
}

LoadResult Document::LoadDocument(const QString& pathIn)
{
    LoadResult result;
    if (pathIn.isEmpty()) {
        ResetDocumentSettings();
        RequestRedraw();
        result.loaded = true;
        return result;
    }
    const QString path = EnsureDocumentExtension(pathIn);
    const QFileInfo info(path);
    if (!info.isFile()) {
        result.errorMessage = QStringLiteral("Le fichier ") + Quoted(path) + QStringLiteral(" est introuvable.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorMessage = QStringLiteral("Impossible de lire le fichier ") + Quoted(path) + QStringLiteral(".");
        return result;
    }
    // A file of this size is no document: it opens as a new one, named.
    const QByteArray bytes = file.size() <= kLargestDocument ? file.read(kLargestDocument) : QByteArray();
    result.unreadKeys = LoadDocumentBytes(bytes, path);
    result.loaded = true;
    return result;
}

QStringList Document::LoadDocumentBytes(const QByteArray& bytes, const QString& pathIn)
{
    if (pathIn.isEmpty()) {
        ResetDocumentSettings();
        RequestRedraw();
        return {};
    }
    QStringList unread;
    const QString path = EnsureDocumentExtension(pathIn);
    {
        SuppressEvents guard(model);
        DocumentReadResult read = ReadDocumentBytes(bytes, fontNames_);
        data = std::move(read.data);
        unread = std::move(read.unreadKeys);
        boundsError_ = false;
        // The template opens as an untitled document.
        life.documentName = IsTemplateName(path) ? QString() : DocumentFileName(path);
        life.documentPath = path;
        // Words of an external list keep the list mode only in a named document.
        if (data.settings.selectedThemeCount == -1)
            data.themes.enabled = life.documentName.isEmpty();
        else
            UpdateThemeLabel();
        // The counts and word lists follow the checks; the puzzle read from the
        // file stays, so that the preview and printing show it.
        wordCountLabel_ = MakeWordCountLabel(data.words.CheckedCount(), data.words.Count());
        engine.RebuildWordListsKeepingPuzzle(data.words.CheckedWords());
        ShowLoadedLetterBalance();
        SetGenerateEnabled(true);
        TakeSnapshot();
    }
    EmitEverything();
    RequestRedraw();
    return unread;
}

// The letter balance of a hidden message as the file left it: the free cells
// of the grid (filler letters, or empty where the message ran short) against
// the message's letters.
void Document::ShowLoadedLetterBalance()
{
    const PuzzleSettings& p = data.settings.puzzle;
    if (p.gameType == GameType::WordSearch && !p.randomFill)
        engine.RecountLetterBalance();
}

QString Document::PrintQuestion() const
{
    const PuzzleSettings& p = data.settings.puzzle;
    const QString& explanation = data.puzzle.BalanceLabel.explanation;
    if (p.gameType != GameType::WordSearch || p.randomFill || explanation.isEmpty())
        return {};
    return explanation + QStringLiteral(" dans le message secret.\r\nVoulez-vous vraiment imprimer le document ?");
}

QString Document::MessageSizeAdvice() const
{
    const PuzzleState& z = data.puzzle;
    const PuzzleSettings& p = data.settings.puzzle;
    const int letters = int(LettersOnly(p.message.trimmed()).size());
    if (p.gameType != GameType::WordSearch || p.randomFill || letters == 0
        || engine.GridForms().size() < PuzzleEngine::kMinimumWords)
        return {};
    // The grid on the page takes the message exactly: a layout sharing more
    // cells than the sizes count on.
    const int side = std::min(p.gridSize, PuzzleState::kSide);
    const int free = z.FillerCellCount(side);
    if (free < side * side && free == letters) // some word letters, and the message fills the rest
        return {};
    const WordCells cells = CountWordCells(engine.GridForms(), WordsCanCross(p.directions));
    return MessageFitsGrid(cells, letters, p.gridSize) ? QString() : GridSizeAdvice(cells, letters);
}

// ---------------------------------------------------------------------------
// Generation and naming

GenerationResult Document::Generate()
{
    ThemeSelection themes;
    themes.selectedThemeCount = data.settings.selectedThemeCount;
    themes.themeListEnabled = data.themes.enabled;
    for (int i = 0; i < kThemeCount; ++i)
        themes.themes.append({ ThemeName(i), data.themes.selected[i], data.themes.wordCounts[i] });
    engine.SetQuestionHandler([this](const QString& question) {
        return prompter().Ask(MessageKind::Question, question) == Answer::Yes;
    });
    GenerationResult r;
    {
        SuppressEvents guard(model);
        r = engine.Generate(data.words.CheckedWords(), themes);
    }
    if (themes.selectedThemeCount != -1)
        data.settings.selectedThemeCount = themes.selectedThemeCount;
    if (r.gridSizeChanged) {
        model.Set(Setting::GridSize, data.settings.puzzle.gridSize);
        ReportModified(data.settings.puzzle.gridSize != life.snapshot.values[int(Setting::GridSize)].toInt());
    }
    Q_EMIT puzzleChanged();
    Q_EMIT valueBoxesChanged();
    switch (r.outcome) {
    case GenerationOutcome::Generated:
        RequestRedraw();
        SetModified(true, true);
        break;
    case GenerationOutcome::NoThemeSelected:
    case GenerationOutcome::ThemeWithoutWords:
    case GenerationOutcome::Refused:
        prompter().Ask(MessageKind::Error, r.message);
        break;
    case GenerationOutcome::TooFewWords:
    case GenerationOutcome::Declined:
    case GenerationOutcome::TimedOut:
        break;
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

} // namespace lx
