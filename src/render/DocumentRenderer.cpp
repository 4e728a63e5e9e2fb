#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"
#include "render/FontCatalog.h"
#include "render/PageTexts.h"
#include "words/PictureTable.h"

namespace lx {

using namespace render_detail;

DocumentRenderer::DocumentRenderer(const DocumentData& data)
    : DocumentRenderer(data, DefaultFontName(FontCatalog::Installed()), FooterText())
{
}

DocumentRenderer::DocumentRenderer(const DocumentData& data, QString defaultFont, QString footer)
    : defaultFontName(std::move(defaultFont))
    , footerText(std::move(footer))
    , pictures(&PictureTable::Installed())
    , data_(data)
{
}

void DocumentRenderer::SetFont(const QString& name, double points, bool bold, bool italic, bool underline)
{
    s_->font = SurfaceFont { name, points * ratio_, bold, italic, underline };
}

void DocumentRenderer::SetCellFont(double points, bool styled)
{
    const DocumentSettings& st = D().settings;
    SetFont(st.gridFontName, points, styled && st.gridBold, styled && st.gridItalic);
    s_->font.compact = true;
}

double DocumentRenderer::Padding() const
{
    return CellPadding(D().settings.puzzle.gameType);
}

double DocumentRenderer::CellLeft(int column) const
{
    return D().settings.GridOriginX + column * layout_.CellSize;
}

void DocumentRenderer::DrawHeader(double y, bool nameLine, const QString& versionLabel)
{
    const DocumentSettings& st = D().settings;
    SetFont(defaultFontName, 10, false, true);
    QString caption = Typeset(HeaderCaption(st, D().themes.SelectedNames(), D().importedListName, D().words.CheckedCount()),
                              *s_);
    // The caption keeps to its line above the rule, shortened when too long
    // (many themes), never broken over the rule and the title; the version,
    // then the pupil's name and the date, when asked for, take the right of
    // the line: a version near the name, where the teacher looks to match a
    // pupil's sheet with its key (in the footer it was small, and too near
    // the edge for many printers).
    const double right = s_->ScaleWidth() - kHeaderX;
    double left = right; // where what takes the right of the line begins
    for (const QString& text : { nameLine ? Typeset(NameLineText(), *s_) : QString(), versionLabel }) {
        if (text.isEmpty())
            continue;
        left -= s_->TextWidth(text) + (left < right ? 4.0 : 0.0);
        s_->currentX = left;
        s_->currentY = y;
        s_->Print(text, false);
    }
    const double captionRight = left < right ? left - 4.0 : right;
    DrawTextAt(*s_, ElidedToWidth(*s_, caption, captionRight - kHeaderX), kHeaderX, y);
    const double rule = y + s_->TextHeight(kSample) + 0.5;
    SetPenWidth(*s_, 1, layout_.IsPrinter);
    s_->Line(6.5, rule, s_->ScaleWidth() - 6.5, rule);
}

// The header, the title and the instruction of a worksheet; over a key, its
// title and, with a hidden message, the message.
void DocumentRenderer::DrawHalfTexts(const HalfSheet& half, double top)
{
    const DocumentSettings& st = D().settings;
    DrawHeader(top + kHeaderY, half.role == HalfRole::Worksheet && st.nameLine, half.versionLabel);
    // A long title is set smaller, never wider than the page nor over the
    // instruction; a long instruction or message keeps to its two lines.
    // The key's title keeps its "(Solution)" whole.
    SetFont(st.titleFontName, 16, true, false, st.titleUnderline);
    if (half.role == HalfRole::Key) {
        const QString own = st.title.trimmed(), kept = own.isEmpty() ? QString() : KeyTitle(own).mid(own.size());
        DrawTextWithin(*s_, Typeset(own.isEmpty() ? KeyTitle(own) : own, *s_), -1, top + kTitleY, 1, kSmallestTitle * ratio_, kept);
        if (st.puzzle.gameType != GameType::WordSearch || st.puzzle.randomFill)
            return;
        SetFont(st.titleFontName, 11, false, false);
        DrawTextWithin(*s_, Typeset(QStringLiteral("Message secret : ") + HiddenMessageText(D().puzzle), *s_), kHeaderX,
                       top + kInstructionY, 2, kSmallestInstruction * ratio_);
        return;
    }
    DrawTextWithin(*s_, Typeset(st.title, *s_), -1, top + kTitleY, 1, kSmallestTitle * ratio_);
    SetFont(st.titleFontName, 11, false, false);
    const QString instruction = InstructionText(D(), PicturesOnly());
    DrawTextWithin(*s_, Typeset(instruction, *s_), kHeaderX, top + kInstructionY, 2, kSmallestInstruction * ratio_);
}

// The list shows a picture in place of every word: the instruction speaks of pictures.
bool DocumentRenderer::PicturesOnly() const
{
    return pictureMode_ == 2
        && std::all_of(lines_.cbegin(), lines_.cend(), [](const ListLine& l) { return l.heading || !l.picture.isEmpty(); });
}

void DocumentRenderer::TellCutTexts()
{
    if (upperRole_ != HalfRole::Worksheet)
        return; // a sheet of keys shows neither the instruction nor the title alone
    const DocumentSettings& st = D().settings;
    QStringList cut;
    SetFont(st.titleFontName, 16, true, false, st.titleUnderline);
    if (!TextFitsWithin(*s_, Typeset(st.title, *s_), -1, 1, kSmallestTitle * ratio_))
        cut << QStringLiteral("Le titre dépasse de la page, même écrit en %1 points : raccourcissez-le.").arg(kSmallestTitle);
    SetFont(st.titleFontName, 11, false, false);
    const QString instruction = InstructionText(D(), PicturesOnly());
    if (!TextFitsWithin(*s_, Typeset(instruction, *s_), kHeaderX, 2, kSmallestInstruction * ratio_)) {
        cut << QStringLiteral("La consigne ne tient pas sur ses deux lignes, même écrite en %1 points : raccourcissez-la.")
                   .arg(kSmallestInstruction);
    }
    if (cut.isEmpty())
        return;
    layout_.Overflow = true;
    layout_.OverflowText = (QStringList { layout_.OverflowText } + cut).join(QLatin1Char(' ')).trimmed();
}

void DocumentRenderer::Prepare(Surface& surface, double ratio)
{
    layout_ = PageLayout {};
    s_ = &surface;
    ratio_ = ratio;
    d_ = &data_;
    layout_.IsPrinter = surface.IsPrinter();
    layout_.RightLimit = surface.ScaleWidth() - 7.0;
    layout_.CutLineY = surface.ScaleHeight() * 0.5 - 1.0;
    layout_.LowerGridY = layout_.CutLineY + data_.settings.GridOriginY;
    BuildDisplayList();
    codeScale_ = kPictogramScale;
    FitPage();
    // Coded words in pictograms as small as numbers, rather than cut off by
    // the page's edge or without the lower half the teacher chose.
    if (data_.settings.puzzle.gameType == GameType::CodedWords && !data_.puzzle.CodesAreNumbers
        && (layout_.Overflow || (lowerRole_ && !halfRoom_))) {
        const bool overflowed = layout_.Overflow;
        codeScale_ = 1.0;
        FitPage();
        // Kept when it mends what was wrong: the page's edge, else the lower half.
        if (layout_.Overflow || !(overflowed || halfRoom_)) {
            codeScale_ = kPictogramScale;
            FitPage();
        }
    }
    layout_.CellSize = CellAt(layout_.GridFontSize);
    layout_.GridExtent = layout_.CellSize * data_.puzzle.GridSize;
    // The worksheet leaves the lower half free: a word search whose grid ends
    // above it, a fill-in grid (its list goes beside it), coded words that fit.
    layout_.LowerHalfAvailable = halfRoom_ && ListBeside(layout_.GridExtent);
    TellCutTexts();
}

PageLayout DocumentRenderer::Measure(Surface& surface, double ratio)
{
    const int lower = data_.settings.lowerHalf;
    upperRole_ = HalfRole::Worksheet;
    lowerRole_ = lower == 0 ? std::nullopt : std::optional(lower == 1 ? HalfRole::Key : HalfRole::Worksheet);
    lowerData_ = &data_;
    Prepare(surface, ratio);
    return layout_;
}

PageLayout DocumentRenderer::RenderDocument(Surface& surface, double ratio)
{
    SheetPlan sheet { { &data_, HalfRole::Worksheet, {} }, std::nullopt };
    const int lower = data_.settings.lowerHalf;
    if (lower != 0)
        sheet.lower = HalfSheet { &data_, lower == 1 ? HalfRole::Key : HalfRole::Worksheet, {} };
    return RenderSheet(surface, ratio, sheet);
}

PageLayout DocumentRenderer::RenderSheet(Surface& surface, double ratio, const SheetPlan& sheet)
{
    upperRole_ = sheet.upper.role;
    lowerRole_ = sheet.lower ? std::optional(sheet.lower->role) : std::nullopt;
    lowerData_ = sheet.lower ? sheet.lower->data : &data_;
    Prepare(surface, ratio);
    const GameType type = data_.settings.puzzle.gameType;

    surface.foreColor = kBlack;
    surface.drawStyle = LineStyle::Solid;

    DrawHalfTexts(sheet.upper, 0.0);
    const bool key = sheet.upper.role == HalfRole::Key;
    DrawGrid(Half::Upper, key ? GridMode::Solution : GridMode::Puzzle);
    if (key && type == GameType::WordSearch)
        DrawWordFrames(data_.settings.GridOriginY);
    // The highlight helps to find a word on screen; paper never shows it.
    if (!layout_.IsPrinter && !key)
        DrawHighlight();
    if (type != GameType::CodedWords)
        DrawUpperList(key);

    const bool lowerDrawn = sheet.lower && layout_.LowerHalfAvailable;
    const bool blank = lowerDrawn && sheet.lower->role == HalfRole::Blank;
    if (!blank)
        DrawFooter(kFooterY);
    SetPenWidth(surface, 1, layout_.IsPrinter);

    if (blank)
        DrawCutLine(*s_, ratio_, layout_.CutLineY);
    else if (lowerDrawn)
        DrawLowerHalf(*sheet.lower);
    if (lowerDrawn)
        DrawFooter(kUpperFooterY);
    return layout_;
}

void DocumentRenderer::DrawFooter(double y)
{
    SetFont(defaultFontName, 8, false, false);
    s_->foreColor = kBlack;
    DrawTextAt(*s_, Typeset(footerText, *s_), -1, y); // "l’école"
}

// The lower half: the key or a worksheet, of this document or of another
// version of it.
void DocumentRenderer::DrawLowerHalf(const HalfSheet& half)
{
    d_ = half.data;
    const GameType type = D().settings.puzzle.gameType;
    DrawCutLine(*s_, ratio_, layout_.CutLineY);
    DrawHalfTexts(half, layout_.CutLineY);
    const bool key = half.role == HalfRole::Key;
    DrawGrid(Half::Lower, key ? GridMode::Solution : GridMode::Puzzle);
    if (key && type == GameType::WordSearch)
        DrawWordFrames(layout_.LowerGridY);
    if (type != GameType::CodedWords)
        DrawLowerList(key);
    d_ = &data_;
}

} // namespace lx
