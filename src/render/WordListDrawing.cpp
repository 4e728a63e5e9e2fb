#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"
#include "words/WordForms.h"

#include <algorithm>

namespace lx {

using namespace render_detail;

void DocumentRenderer::BuildDisplayList()
{
    const DocumentSettings& st = D().settings;
    const PuzzleState& z = D().puzzle;
    const WordSelectionList& words = D().words;
    // The words as written, with typographic apostrophes ("l’école").
    auto cased = [&st](const QString& w) {
        QString shown = st.uppercase ? UpperCase1252(w) : w;
        return shown.replace(QLatin1Char('\''), QChar(0x2019));
    };
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

    // The reference word: the longest word by letters.
    reference_.clear();
    if (!z.WordsByLength.isEmpty()) {
        reference_ = z.WordsByLength.first().text;
    } else {
        for (const QString& w : words.CheckedWords()) {
            if (w.size() > reference_.size())
                reference_ = w;
        }
    }
    if (st.uppercase)
        reference_ = UpperCase1252(reference_);
}

void DocumentRenderer::SetListFont(double size)
{
    const DocumentSettings& st = D().settings;
    SetFont(st.listFontName, size, st.listBold, st.listItalic);
}

void DocumentRenderer::DrawUpperList()
{
    // Where the list goes and how it flows was decided by the page fitting.
    DrawFlow(upperFlow_);
}

void DocumentRenderer::DrawLowerList()
{
    DrawFlow(lowerFlow_);
}

void DocumentRenderer::DrawFlow(const ListFlow& flow)
{
    layout_.ColumnWidth = flow.columnWidth;
    layout_.ListX = flow.place.x;
    layout_.ListTop = flow.place.top;
    layout_.ColumnLimit = flow.place.limit;
    SetListFont(layout_.ListFontSize);
    SetPenWidth(*s_, 1, layout_.IsPrinter);
    s_->foreColor = kBlack;
    const bool fillIn = D().settings.puzzle.gameType == GameType::FillIn;
    for (int i = 0; i < flow.lineX.size(); ++i) {
        const QString& line = layout_.DisplayList[i];
        s_->currentX = flow.lineX[i];
        s_->currentY = flow.lineY[i];
        const bool heading = fillIn && !line.startsWith(QLatin1Char(' '));
        s_->font.underline = heading;
        s_->Print(line, true);
        s_->font.underline = false;
    }
    for (double x : flow.separators)
        s_->Line(x, flow.place.top, x, flow.separatorBottom);
}

} // namespace lx
