#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"
#include "render/FontCatalog.h"
#include "render/PageTexts.h"

namespace lx {

using namespace render_detail;

DocumentRenderer::DocumentRenderer(const DocumentData& data)
    : DocumentRenderer(data, DefaultFontName(FontCatalog::Installed()), FooterText())
{
}

DocumentRenderer::DocumentRenderer(const DocumentData& data, QString defaultFont, QString footer)
    : defaultFontName(std::move(defaultFont))
    , footerText(std::move(footer))
    , data_(data)
{
}

void DocumentRenderer::SetFont(const QString& name, double points, bool bold, bool italic, bool underline)
{
    s_->font = SurfaceFont { name, points * ratio_, bold, italic, underline };
}

double DocumentRenderer::Padding() const
{
    return CellPadding(data_.settings.puzzle.gameType);
}

double DocumentRenderer::CellLeft(int column) const
{
    return data_.settings.GridOriginX + column * layout_.CellSize;
}

void DocumentRenderer::DrawHeader(double y)
{
    const DocumentSettings& st = data_.settings;
    SetFont(defaultFontName, 10, false, true);
    const QString caption = HeaderCaption(st, data_.themes.SelectedNames(), data_.importedListName,
                                          data_.words.CheckedCount());
    DrawTextAt(*s_, caption, kHeaderX, y);
    const double rule = y + s_->TextHeight(kSample) + 0.5;
    SetPenWidth(*s_, 1, layout_.IsPrinter);
    s_->Line(6.5, rule, s_->ScaleWidth() - 6.5, rule);
}

PageLayout DocumentRenderer::RenderDocument(Surface& surface, double ratio)
{
    layout_ = PageLayout {};
    s_ = &surface;
    ratio_ = ratio;
    const DocumentSettings& st = data_.settings;
    const GameType type = st.puzzle.gameType;

    layout_.IsPrinter = surface.IsPrinter();
    layout_.RightLimit = surface.ScaleWidth() - 7.0;
    layout_.CutLineY = surface.ScaleHeight() * 0.5 - 1.0;
    layout_.LowerGridY = layout_.CutLineY + st.GridOriginY;
    BuildDisplayList();
    FitPage();

    surface.foreColor = kBlack;
    surface.drawStyle = LineStyle::Solid;

    DrawHeader(kHeaderY);

    SetFont(st.titleFontName, 16, true, false, true);
    DrawTextAt(surface, st.title, -1, kTitleY);
    SetFont(st.titleFontName, 11, false, false);
    DrawTextAt(surface, InstructionText(st), kHeaderX, kInstructionY);

    DrawGrid(Half::Upper, GridMode::Puzzle);
    // The highlight helps to find a word on screen; paper never shows it.
    if (!layout_.IsPrinter)
        DrawHighlight();

    if (type == GameType::CodedWords)
        layout_.LowerHalfAvailable = true;
    else
        DrawUpperList();

    DrawFooter(kFooterY);
    SetPenWidth(surface, 1, layout_.IsPrinter);

    if (layout_.LowerHalfAvailable && st.lowerHalf != 0) {
        DrawLowerHalf();
        DrawFooter(kUpperFooterY);
    }
    return layout_;
}

void DocumentRenderer::DrawFooter(double y)
{
    SetFont(defaultFontName, 8, false, false);
    s_->foreColor = kBlack;
    DrawTextAt(*s_, footerText, -1, y);
    if (versionLabel.isEmpty())
        return;
    s_->foreColor = kDarkGrey;
    s_->currentX = s_->ScaleWidth() - kHeaderX - s_->TextWidth(versionLabel);
    s_->currentY = y;
    s_->Print(versionLabel, false);
    s_->foreColor = kBlack;
}

// The lower half: nothing, the solution or a second copy.

void DocumentRenderer::DrawLowerHalf()
{
    const DocumentSettings& st = data_.settings;
    const GameType type = st.puzzle.gameType;

    DrawHeader(layout_.CutLineY + kHeaderY);
    DrawCutLine(*s_, ratio_, layout_.CutLineY);

    if (st.lowerHalf == 1) {
        SetFont(st.titleFontName, 16, true, false, true);
        DrawTextAt(*s_, st.title + QStringLiteral(" (Solution)"), -1, layout_.CutLineY + kTitleY);
        if (type == GameType::WordSearch && !st.puzzle.randomFill) {
            SetFont(st.titleFontName, 11, false, false);
            DrawTextAt(*s_, QStringLiteral("Message secret : ") + data_.puzzle.MessageText, kHeaderX,
                       layout_.CutLineY + kInstructionY);
        }
        DrawGrid(Half::Lower, GridMode::Solution);
        if (type == GameType::WordSearch)
            DrawSolutionStrokes();
    } else {
        SetFont(st.titleFontName, 16, true, false, true);
        DrawTextAt(*s_, st.title, -1, layout_.CutLineY + kTitleY);
        SetFont(st.titleFontName, 11, false, false);
        DrawTextAt(*s_, InstructionText(st), kHeaderX, layout_.CutLineY + kInstructionY);
        DrawGrid(Half::Lower, GridMode::Puzzle);
    }
    if (type != GameType::CodedWords)
        DrawLowerList();
}

} // namespace lx
