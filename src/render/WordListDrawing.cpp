#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"
#include "words/WordForms.h"

#include <algorithm>

namespace lx {

using namespace render_detail;

void DocumentRenderer::BuildDisplayList()
{
    const DocumentSettings& st = data_.settings;
    const PuzzleState& z = data_.puzzle;
    const WordSelectionList& words = data_.words;
    auto cased = [&st](const QString& w) { return st.uppercase ? UpperCase1252(w) : w; };
    layout_.DisplayList.clear();

    switch (st.puzzle.gameType) {
    case GameType::WordSearch:
        for (int i = 0; i < words.Count(); ++i) {
            if (words.IsChecked(i))
                layout_.DisplayList.append(cased(words.Word(i)));
        }
        break;
    case GameType::FillIn: {
        // Longest words first, under one heading per letter count.
        auto heading = [&st](int count) {
            QString noun = count < 2 ? QStringLiteral(" lettre") : QStringLiteral(" lettres");
            return QString::number(count) + (st.uppercase ? noun.toUpper() : noun);
        };
        // The words come longest first by characters; a word with a hyphen or
        // an apostrophe has fewer letters than characters, so the groups are
        // ordered by letter count (the tag) to put every word under its own count.
        TaggedList items = z.WordsByLength;
        std::stable_sort(items.begin(), items.end(), [](const TaggedItem& a, const TaggedItem& b) { return a.tag > b.tag; });
        int current = -1;
        for (const TaggedItem& item : std::as_const(items)) {
            if (current < 0 || item.tag < current) {
                current = item.tag;
                layout_.DisplayList.append(heading(current));
            }
            layout_.DisplayList.append(QStringLiteral("  ") + cased(item.text));
        }
        break;
    }
    case GameType::CodedWords:
        break;
    }
}

void DocumentRenderer::SetListFont()
{
    const DocumentSettings& st = data_.settings;
    SetFont(st.listFontName, st.listFontSize, st.listBold, st.listItalic);
}

void DocumentRenderer::DrawUpperList()
{
    const DocumentSettings& st = data_.settings;
    const PuzzleState& z = data_.puzzle;
    const GameType type = st.puzzle.gameType;

    // The reference word: the longest word by letters.
    QString reference;
    if (!z.WordsByLength.isEmpty()) {
        reference = z.WordsByLength.first().text;
    } else {
        for (const QString& w : data_.words.CheckedWords()) {
            if (w.size() > reference.size())
                reference = w;
        }
    }
    if (st.uppercase)
        reference = UpperCase1252(reference);

    SetListFont();
    // The column is as wide as its widest line, so that neither a heading nor
    // a wide word reaches into the next column or under its separator.
    double widest = s_->TextWidth(reference);
    for (const QString& line : std::as_const(layout_.DisplayList))
        widest = std::max(widest, s_->TextWidth(line));
    layout_.ColumnWidth = widest + Padding();

    layout_.LowerHalfAvailable = false;
    double gridBottom = 0.0;
    bool beside = true;
    if (type == GameType::WordSearch) {
        gridBottom = st.GridOriginY + layout_.GridExtent;
        beside = kLowerHalfLimit > gridBottom;
    } else {
        gridBottom = layout_.CutLineY - 2.5;
    }
    if (beside) {
        layout_.LowerHalfAvailable = true;
        layout_.ListX = st.GridOriginX + layout_.GridExtent + 5.0;
        layout_.ListTop = st.GridOriginY;
        layout_.ColumnLimit = gridBottom - 5.0;
    } else {
        layout_.ListX = 7.0;
        layout_.ListTop = gridBottom + s_->TextHeight(kSample);
        layout_.ColumnLimit = kListBottom;
    }
    FlowList();
}

void DocumentRenderer::DrawLowerList()
{
    const DocumentSettings& st = data_.settings;
    SetListFont();
    layout_.ListX = st.GridOriginX + layout_.GridExtent + 5.0;
    layout_.ListTop = layout_.LowerGridY;
    layout_.ColumnLimit = layout_.LowerGridY + layout_.GridExtent - 5.0;
    FlowList();
}

void DocumentRenderer::FlowList()
{
    const DocumentSettings& st = data_.settings;
    const bool fillIn = st.puzzle.gameType == GameType::FillIn;
    SetPenWidth(*s_, 1, layout_.IsPrinter);
    s_->foreColor = kBlack;
    double x = layout_.ListX;
    s_->currentY = layout_.ListTop;
    const int n = int(layout_.DisplayList.size());
    for (int i = 0; i < n; ++i) {
        const QString& line = layout_.DisplayList[i];
        s_->currentX = x;
        if (fillIn && !line.startsWith(QLatin1Char(' '))) {
            s_->currentY += 0.5;
            s_->font.underline = true;
            s_->Print(line, true);
            s_->font.underline = false;
        } else {
            s_->Print(line, true);
        }
        if (s_->currentY > layout_.ColumnLimit) {
            x += layout_.ColumnWidth + 1.0;
            if (st.separateColumns && i != n - 1)
                s_->Line(x, layout_.ListTop, x, layout_.ColumnLimit + 0.75 * s_->TextHeight(kSample));
            x += 2.0;
            s_->currentY = layout_.ListTop;
        }
    }
}

} // namespace lx
