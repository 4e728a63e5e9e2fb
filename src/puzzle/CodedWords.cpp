// Coded words: every letter of the words gets its own code; a key row shows the
// codes in ascending order with a quarter of the letters revealed (the most
// frequent ones), and the words follow, in a random order, one or two columns
// below it.
#include "puzzle/Engine.h"

#include "puzzle/CodeBounds.h"
#include "words/WordForms.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace lx {

// A word's cells: its grid form, with one empty cell where a space, a hyphen
// or an apostrophe parts a compound word ("pomme de terre"), so that the pupil
// sees its parts; the cell keeps the hyphen or the apostrophe to show
// ("ARC-EN-CIEL", "L’ECOLE"), else a space.
QString PuzzleEngine::CodedWordCells(const QString& text)
{
    QString cells;
    QChar part; // what parts the last letter from the next one, if anything
    for (QChar c : text) {
        const QString letters = ToGridForm(QString(c));
        if (letters.isEmpty()) {
            if (cells.isEmpty())
                continue;
            if (c == u'-' || c == u'\u2013')
                part = u'-';
            else if ((c == u'\'' || c == u'\u2019') && part != u'-')
                part = u'\u2019';
            else if (part.isNull())
                part = u' ';
            continue;
        }
        if (!part.isNull())
            cells += part;
        part = QChar();
        cells += letters;
    }
    return cells;
}

// Two columns never share a cell: the second starts at column 13, or one
// column after the longest word when that word has more than 12 cells.
int PuzzleEngine::CodedSecondColumn(int longestCells)
{
    return std::max(13, longestCells + 1);
}

// Ten words or fewer go in one column, unless two side by side give them
// cells larger by a tenth in the room the page has: short words, as a CP's,
// are then written larger (ten CP words: 7.5 mm cells in one column, 9 to 10
// in two, the key row then setting the width). The rows of the first column,
// or 0 for one column.
int PuzzleEngine::SideBySideRows(const QStringList& cells) const
{
    const int count = int(cells.size());
    if (codedRoomWidth_ <= 0.0 || codedRoomHeight_ <= 0.0 || count < 4)
        return 0;
    QList<int> widths;
    for (const QString& w : cells)
        widths.append(int(w.size()));
    std::sort(widths.begin(), widths.end(), std::greater<>());
    // The first column takes the longest words; one of them must leave two
    // empty cells before the second, which shows where that one starts.
    const int rows = (count + 1) / 2;
    const int across = CodedSecondColumn(widths[0]) + widths[rows];
    if (CodedSecondColumn(widths[0]) - widths[rows - 1] < 2 || across > PuzzleState::kSide)
        return 0;
    const auto cell = [this](int columns, int lines) {
        const double wide = std::max(columns, s_.DistinctLetterCount);
        const double tall = kCodedFirstWordRow + (lines - 1) * kCodedWordRowPitch + 1.0;
        return std::min(codedRoomWidth_ / wide, codedRoomHeight_ / tall);
    };
    return cell(across, rows) > 1.1 * cell(widths[0], count) ? rows : 0;
}

bool PuzzleEngine::IsCodeTaken(int k) const
{
    for (int i = 0; i < k; ++i) {
        if (s_.LetterCodes[i] == s_.LetterCodes[k])
            return true;
    }
    return false;
}

void PuzzleEngine::AssignLetterCodes()
{
    auto draw = [this](int k, int lo, int hi) {
        for (;;) {
            s_.LetterCodes[k] = std::int16_t(random_.RandomInt(lo, hi));
            if (!IsCodeTaken(k))
                break;
            Tick();
        }
    };
    switch (settings_.valueMode) {
    case 1: {
        // The bounds are checked before the button can be pressed; a lower
        // bound below 1 is raised to 1 so that no code can be mistaken for
        // the 0 of a letter without code.
        const CodeRange range = ReadCodeRange(settings_.lowerBound, settings_.upperBound);
        for (int k = 0; k < 26; ++k) {
            if (s_.LetterCounts[k] > 0)
                draw(k, range.low, range.high);
        }
        s_.CodesAreNumbers = true;
        break;
    }
    case 2:
        for (int k = 0; k < 26; ++k)
            draw(k, 1, 26);
        s_.CodesAreNumbers = false;
        s_.SymbolAlphabet = ShuffleText(SymbolCharacters());
        break;
    default:
        for (int k = 0; k < 26; ++k) {
            if (s_.LetterCounts[k] > 0)
                draw(k, 1, s_.DistinctLetterCount);
        }
        s_.CodesAreNumbers = true;
        break;
    }
    for (int k = 0; k < 26; ++k)
        settings_.letterCodeTexts[k] = s_.LetterCodes[k] < 1 ? QString() : QString::number(s_.LetterCodes[k]);
}

bool PuzzleEngine::GenerateCodedWords()
{
    int distinct = 0;
    for (std::int16_t c : s_.LetterCounts)
        distinct += c >= 1 ? 1 : 0;
    s_.DistinctLetterCount = distinct;
    s_.RevealedCount = settings_.revealedLetters < 0 ? distinct / 4 + 1 : std::min(settings_.revealedLetters, distinct);

    // The key: codes written with at least three digits and kept sorted as
    // text. Its letters, read in that order on the solution (and the given
    // ones on the sheet), must not spell an unfit word: the codes are drawn
    // again until they do not, a few times at most.
    constexpr int kKeyDraws = 50;
    for (int draw = 0; draw < kKeyDraws; ++draw) {
        AssignLetterCodes();
        s_.KeyCodes.clear();
        for (int k = 0; k < 26; ++k) {
            if (s_.LetterCounts[k] > 0)
                s_.KeyCodes.append({ QStringLiteral("%1").arg(s_.LetterCodes[k], 3, 10, QLatin1Char('0')), k });
        }
        std::stable_sort(s_.KeyCodes.begin(), s_.KeyCodes.end(),
                         [](const TaggedItem& a, const TaggedItem& b) { return a.text < b.text; });
        QString row;
        for (const TaggedItem& item : std::as_const(s_.KeyCodes))
            row += QChar(u'A' + item.tag);
        QString back = row;
        std::reverse(back.begin(), back.end());
        if (std::none_of(unfitWords_.cbegin(), unfitWords_.cend(),
                         [&](const QString& w) { return row.contains(w) || back.contains(w); }))
            break;
    }
    s_.SelectedWords = s_.KeyCodes;

    // The letters given away are the most useful ones: the most frequent in
    // the words, ties going to the letter more frequent in French.
    std::array<bool, 26> given {};
    {
        static constexpr char16_t kFrenchOrder[] = u"ESAITNRUOLDCMPVQFBGHJXYZWK";
        QList<int> letters;
        for (char16_t c : std::u16string_view(kFrenchOrder))
            if (s_.LetterCounts[c - u'A'] > 0)
                letters.append(c - u'A');
        std::stable_sort(letters.begin(), letters.end(),
                         [this](int a, int b) { return s_.LetterCounts[a] > s_.LetterCounts[b]; });
        for (int i = 0; i < s_.RevealedCount && i < letters.size(); ++i)
            given[letters[i]] = true;
    }
    s_.RevealedLetters.clear();
    for (int j = 0; j < s_.DistinctLetterCount; ++j) {
        const TaggedItem& item = s_.KeyCodes[j];
        const QChar letter(u'A' + item.tag);
        s_.CodeGrid.at(j, 0) = s_.LetterCodes[item.tag];
        if (given[item.tag]) {
            s_.LetterGrid.at(j, 0) = QString(letter);
            s_.RevealedLetters.append(letter);
        } else {
            s_.LetterGrid.at(j, 0) = QString(letter.toLower());
        }
    }

    QStringList cells; // each word's cells, in the order of WordsByLength
    for (const TaggedItem& item : std::as_const(s_.WordsByLength))
        cells << CodedWordCells(item.text);
    int longest = 0;
    for (const QString& w : std::as_const(cells))
        longest = std::max(longest, int(w.size()));
    if (s_.RowsPerColumn == 0)
        s_.RowsPerColumn = SideBySideRows(cells);
    const int secondColumn = CodedSecondColumn(longest);

    const int count = s_.WordCount;
    QList<bool> taken(count, false);
    QList<int> order; // the words in a random order
    for (int i = 0; i < count; ++i) {
        int r;
        for (;;) {
            r = random_.Below(count);
            if (!taken[r])
                break;
            Tick();
        }
        taken[r] = true;
        order.append(r);
    }
    // In two columns the first takes the longest words, each column keeping
    // the random order: side by side, the columns are as narrow as the words
    // allow (a 15-letter word in the second column made the grid 31 cells
    // wide, more than the page holds even in the smallest letters).
    if (s_.RowsPerColumn != 0) {
        QList<int> byLength = order;
        std::stable_sort(byLength.begin(), byLength.end(), [&cells](int a, int b) { return cells[a].size() > cells[b].size(); });
        const QList<int> first = byLength.mid(0, s_.RowsPerColumn);
        std::stable_partition(order.begin(), order.end(), [&first](int r) { return first.contains(r); });
    }
    for (int i = 0; i < count; ++i) {
        const QString& w = cells[order[i]];
        int column0;
        int row;
        if (s_.RowsPerColumn != 0) {
            column0 = (i / s_.RowsPerColumn) * secondColumn;
            row = i % s_.RowsPerColumn + 2;
        } else {
            column0 = 0;
            row = i + 2;
        }
        for (int k = 0; k < w.size(); ++k) {
            const QChar c = w[k];
            if (c == QLatin1Char(' '))
                continue;
            if (IsCodedPartMark(c)) {
                s_.LetterGrid.at(column0 + k, row) = QString(c);
                continue;
            }
            const int letter = LetterIndex(c);
            s_.CodeGrid.at(column0 + k, row) = letter >= 0 ? s_.LetterCodes[letter] : 0;
            s_.LetterGrid.at(column0 + k, row) = s_.RevealedLetters.contains(c) ? QString(c) : QString(c.toLower());
        }
    }
    return true;
}

} // namespace lx
