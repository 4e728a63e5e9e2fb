#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "document/WordPictures.h"
#include "render/RendererShared.h"
#include "render/SymbolFont.h"
#include "words/PictureTable.h"
#include "words/WordForms.h"

#include <algorithm>

namespace lx {

using namespace render_detail;

namespace {

// A word as the list shows it: in capitals with "Majuscules"; without, as
// typed, save a word typed in capitals, which is shown in lower case as the
// grid shows it ("CHAT" beside a grid of "chat").
QString ListCase(const QString& word, bool uppercase)
{
    if (uppercase)
        return UpperCase1252(word);
    const bool capitals = std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isUpper(); })
        && std::none_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLower(); });
    return capitals ? word.toLower() : word;
}

} // namespace

void DocumentRenderer::BuildDisplayList()
{
    const DocumentSettings& st = D().settings;
    const PuzzleState& z = D().puzzle;
    const WordSelectionList& words = D().words;
    // The words as written, with typographic apostrophes ("l’école").
    auto cased = [&st](const QString& w) {
        QString shown = ListCase(w, st.uppercase);
        return shown.replace(QLatin1Char('\''), QChar(0x2019));
    };
    layout_.DisplayList.clear();
    layout_.DisplayPictures.clear();
    lines_.clear();
    const bool withPictures = ShowsPictures(D()) && pictures;
    // A picture the surface cannot draw (Symbola missing) leaves its word written.
    if (withPictures)
        SetFont(PictureFontName(), st.listFontSize, false, false);
    const auto append = [&](const QString& text, const QString& word, int letters, bool heading) {
        ListLine line { heading, cased(word), {}, letters };
        if (!heading && withPictures) {
            const QString picture = pictures->Picture(word);
            if (!picture.isEmpty() && s_->HasCharacter(picture.toUcs4().value(0)))
                line.picture = picture;
        }
        layout_.DisplayList.append(text);
        layout_.DisplayPictures.append(line.picture);
        lines_.append(line);
    };

    switch (st.puzzle.gameType) {
    case GameType::WordSearch:
        for (int i = 0; i < words.Count(); ++i) {
            if (words.IsChecked(i))
                append(cased(words.Word(i)), words.Word(i), LetterCount(words.Word(i)), false);
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
                append(heading(current), {}, current, true);
            }
            append(QStringLiteral("  ") + cased(item.text), item.text, item.tag, false);
        }
        break;
    }
    case GameType::CodedWords:
        break;
    }
    const bool pictured = std::any_of(lines_.cbegin(), lines_.cend(), [](const ListLine& l) { return !l.picture.isEmpty(); });
    pictureMode_ = pictured ? st.pictures : 0;
    pictureScale_ = PictureScales().first();

    // The reference word: the longest word by letters. Beside pictures, or in
    // their place, the lines themselves tell the width.
    reference_.clear();
    if (pictureMode_ != 0)
        return;
    if (!z.WordsByLength.isEmpty()) {
        reference_ = z.WordsByLength.first().text;
    } else {
        for (const QString& w : words.CheckedWords()) {
            if (w.size() > reference_.size())
                reference_ = w;
        }
    }
    reference_ = ListCase(reference_, st.uppercase);
}

QList<double> DocumentRenderer::PictureScales() const
{
    switch (pictureMode_) {
    case 1:
        return { kPictureBeside, 1.0 };
    case 2:
        return { kPictureInstead, kPictureBeside, 1.0 };
    default:
        return { 0.0 };
    }
}

DocumentRenderer::PictureRoom DocumentRenderer::MeasurePictureRoom(double size)
{
    PictureRoom room;
    room.size = size * pictureScale_;
    SetFont(PictureFontName(), room.size, false, false);
    room.pictureHeight = s_->TextHeight(kSample);
    for (const ListLine& line : std::as_const(lines_)) {
        if (!line.picture.isEmpty()) {
            room.slot = std::max(room.slot, s_->TextWidth(line.picture));
            room.ink = std::max(room.ink, s_->InkBox(line.picture).height());
        }
    }
    SetListFont(size);
    room.textHeight = s_->TextHeight(kSample);
    room.indent = D().settings.puzzle.gameType == GameType::FillIn ? s_->TextWidth(QStringLiteral("  ")) : 0.0;
    room.gap = 0.3 * room.textHeight;
    room.box = 0.6 * room.textHeight;
    room.height = std::max(room.textHeight, room.pictureHeight);
    return room;
}

// The width of a word's line with pictures; the list font is current.
double DocumentRenderer::PictureLineWidth(const ListLine& line, const PictureRoom& room)
{
    if (pictureMode_ == 1)
        return room.indent + room.slot + room.gap + s_->TextWidth(line.word);
    if (line.picture.isEmpty())
        return room.indent + s_->TextWidth(line.word);
    const bool boxes = D().settings.puzzle.gameType == GameType::FillIn;
    return room.indent + room.slot + (boxes ? room.gap + line.letters * room.box : 0.0);
}

// A word's line with pictures from (x, y): the picture centred in its slot,
// then the word, or the word's letter boxes, filled in the key so that the
// teacher sees which word each picture stands for; a word without a picture
// beside the others' (beside), or where its picture would be (instead).
void DocumentRenderer::DrawPictureLine(const ListLine& line, double x, double y, const PictureRoom& room, bool key)
{
    const double left = x + room.indent;
    const double after = left + room.slot + room.gap;
    if (!line.picture.isEmpty()) {
        // As tall as the tallest, as far as the slot's width allows: the
        // font draws a candle or a finger half as tall as a cat.
        SetFont(PictureFontName(), room.size, false, false);
        const QRectF ink = s_->InkBox(line.picture);
        if (ink.height() > 0 && ink.width() > 0)
            s_->font.size *= std::max(1.0, std::min(room.ink / ink.height(), room.slot / ink.width()));
        const QRectF drawn = s_->InkBox(line.picture);
        s_->currentX = left + (room.slot - drawn.width()) / 2.0 - drawn.left();
        s_->currentY = y + (room.height - drawn.height()) / 2.0 - drawn.top();
        s_->Print(line.picture, false);
        SetListFont(layout_.ListFontSize);
    }
    if (pictureMode_ == 1 || line.picture.isEmpty()) {
        s_->currentX = pictureMode_ == 1 ? after : left;
        s_->currentY = y + (room.height - room.textHeight) / 2.0;
        s_->Print(line.word, false);
    } else if (D().settings.puzzle.gameType == GameType::FillIn) {
        const double top = y + (room.height - room.box) / 2.0;
        for (int k = 0; k < line.letters; ++k)
            s_->Box(after + k * room.box, top, after + (k + 1) * room.box, top + room.box);
        if (key) {
            const QStringList letters = D().settings.uppercase ? ToGridForm(line.word).split(QString(), Qt::SkipEmptyParts) : SpeltCells(line.word);
            SetListFont(layout_.ListFontSize * 0.5);
            s_->font.compact = true;
            for (int k = 0; k < line.letters && k < letters.size(); ++k)
                PrintInBox(letters[k], after + k * room.box, top, room.box);
            SetListFont(layout_.ListFontSize);
        }
    }
}

// A letter centred in the box of the given side at (left, top).
void DocumentRenderer::PrintInBox(const QString& letter, double left, double top, double side)
{
    s_->currentX = left + (side - s_->TextWidth(letter)) / 2.0;
    s_->currentY = top + (side - s_->TextHeight(kSample)) / 2.0;
    s_->Print(letter, false);
}

void DocumentRenderer::SetListFont(double size)
{
    const DocumentSettings& st = D().settings;
    SetFont(st.listFontName, size, st.listBold, st.listItalic);
}

void DocumentRenderer::DrawUpperList(bool key)
{
    // Where the list goes and how it flows was decided by the page fitting.
    DrawFlow(upperFlow_, key);
}

void DocumentRenderer::DrawLowerList(bool key)
{
    DrawFlow(lowerFlow_, key);
}

void DocumentRenderer::DrawFlow(const ListFlow& flow, bool key)
{
    layout_.ColumnWidth = flow.columnWidth;
    layout_.ListX = flow.place.x;
    layout_.ListTop = flow.place.top;
    layout_.ColumnLimit = flow.place.limit;
    const PictureRoom room = pictureMode_ != 0 ? MeasurePictureRoom(layout_.ListFontSize) : PictureRoom {};
    SetListFont(layout_.ListFontSize);
    SetPenWidth(*s_, 1, layout_.IsPrinter);
    s_->foreColor = kBlack;
    const auto print = [this](int i, double x, double y) {
        s_->currentX = x;
        s_->currentY = y;
        s_->font.underline = lines_[i].heading;
        s_->Print(layout_.DisplayList[i], true);
        s_->font.underline = false;
    };
    auto repeat = flow.repeats.cbegin();
    for (int i = 0; i < flow.lineX.size(); ++i) {
        for (; repeat != flow.repeats.cend() && repeat->before == i; ++repeat)
            print(repeat->heading, repeat->x, repeat->y);
        const ListLine& line = lines_[i];
        if (pictureMode_ != 0 && !line.heading)
            DrawPictureLine(line, flow.lineX[i], flow.lineY[i], room, key);
        else
            print(i, flow.lineX[i], flow.lineY[i]);
    }
    for (double x : flow.separators)
        s_->Line(x, flow.place.top, x, flow.separatorBottom);
}

} // namespace lx
