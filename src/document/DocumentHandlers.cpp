// What happens when the teacher changes a setting in the window: the value is
// stored, then, unless the system itself is changing the document, the
// follow-up of that setting runs (the puzzle adjusted in place, the preview
// redrawn, the modified mark compared with the saved state). No change ever
// regenerates the puzzle.
#include "document/Document.h"

#include "puzzle/CodeBounds.h"

namespace lx {

namespace {

bool IsLevel(Setting id)
{
    return id >= Setting::Level0 && id <= Setting::Level4;
}

} // namespace

QString Document::LetterCodesText() const
{
    QStringList codes;
    for (const QString& box : data.settings.puzzle.letterCodeTexts)
        codes << box;
    return codes.join(QLatin1Char(','));
}

void Document::Change(Setting id, const QVariant& value)
{
    if (IsLevel(id)) {
        ClickLevel(int(id) - int(Setting::Level0), value.toBool());
        return;
    }
    switch (id) {
    case Setting::SelectAllWords:
        SelectAllWords(value.toBool());
        return;
    case Setting::MaxLetters:
        SetMaxLetters(value.toInt());
        return;
    default:
        break;
    }

    const QVariant before = model.Get(id);
    if (!model.Set(id, value))
        return;
    if (Suppressed())
        return;

    DocumentSettings& s = data.settings;
    PuzzleSettings& p = s.puzzle;
    PuzzleState& z = data.puzzle;
    switch (id) {
    case Setting::GameType: {
        // The title follows the game type: its old caption becomes the new
        // one, and an empty title takes the new caption.
        const QString oldCaption = GameTypeCaption(GameType(before.toInt()));
        const QString newCaption = GameTypeCaption(p.gameType);
        QString title = s.title;
        if (title.isEmpty())
            title = newCaption;
        else
            title.replace(oldCaption, newCaption);
        if (title != s.title)
            Change(Setting::Title, title);
        z.gameType = p.gameType;
        z.SetGridDimensions(p.gridSize);
        break;
    }
    case Setting::GridSize:
        // A smaller size draws fewer cells until the next generation.
        if (z.gameType == GameType::WordSearch)
            z.SetGridDimensions(p.gridSize);
        break;
    case Setting::RandomFill:
        engine.SetRandomFill(p.randomFill);
        Q_EMIT puzzleChanged();
        break;
    case Setting::HiddenMessage:
        engine.RefillMessage(p.message);
        Q_EMIT puzzleChanged();
        break;
    case Setting::RangeFrom:
    case Setting::RangeTo:
        if (p.valueMode == 1)
            CheckBounds();
        break;
    default:
        break;
    }

    // Changes that the page does not show: the filler's shuffle and the
    // value mode take effect at the next generation.
    if (id != Setting::ShuffleList && id != Setting::ValueMode && id != Setting::RangeFrom && id != Setting::RangeTo)
        RequestRedraw();
    // Every setting the document file keeps counts as a modification when
    // it differs from its saved value.
    ReportModified(model.Get(id) != life.snapshot.values[int(id)]);
}

void Document::CheckBounds()
{
    const PuzzleSettings& p = data.settings.puzzle;
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
    PuzzleSettings& p = data.settings.puzzle;
    QString low = p.lowerBound;
    QString high = p.upperBound;
    LeaveCodeBounds(low, high);
    if (low != p.lowerBound)
        model.Set(Setting::RangeFrom, low);
    if (high != p.upperBound)
        model.Set(Setting::RangeTo, high);
    CheckBounds();
    ReportModified(model.Get(Setting::RangeFrom) != life.snapshot.values[int(Setting::RangeFrom)]
                   || model.Get(Setting::RangeTo) != life.snapshot.values[int(Setting::RangeTo)]);
}

std::optional<bool> Document::LetterCodeError(int index) const
{
    const PuzzleSettings& p = data.settings.puzzle;
    if (index < 0 || index >= 26)
        return std::nullopt;
    return CheckLetterCode(index, p.letterCodeTexts, p.valueMode, p.lowerBound, p.upperBound);
}

void Document::SetLetterCodeText(int index, const QString& text)
{
    if (index < 0 || index >= 26)
        return;
    // The codes as the boxes show them are what the document saves; the
    // puzzle's own codes change only at the next generation.
    data.settings.puzzle.letterCodeTexts[index] = text;
    Q_EMIT valueBoxesChanged();
    if (!Suppressed())
        ReportModified(LetterCodesText() != life.snapshot.letterCodes);
}

void Document::ChooseRevealLetter(int index)
{
    if (Suppressed())
        return;
    engine.RevealFillInLetter(index);
    Q_EMIT puzzleChanged();
    RequestRedraw();
    ReportModified(data.settings.puzzle.revealChoice != life.snapshot.revealChoice);
}

} // namespace lx
