#include "puzzle/FillInCheck.h"

#include "core/Plural.h"
#include "core/TextEditing.h"
#include "words/WordForms.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace lx {

QStringList FillInFaults(const PuzzleState& s)
{
    constexpr int kSide = PuzzleState::kSide;
    QStringList faults;
    const int count = int(s.WordEntries.size());
    if (count == 0)
        return { QStringLiteral("no word entry") };
    if (!s.PlacementOrder.isEmpty() && s.PlacementOrder.size() != count)
        faults << QStringLiteral("%1 entries for %2 words in placement order").arg(count).arg(s.PlacementOrder.size());

    // The word along each line through each cell: its index + 1, 0 for none
    // (0 across, 1 down).
    std::array<std::vector<int>, 2> owner { std::vector<int>(kSide * kSide, 0), std::vector<int>(kSide * kSide, 0) };
    auto name = [&](int i) { return QStringLiteral("%1 (%2)").arg(s.WordEntries[i].gridText).arg(i); };
    auto letter = [&](int x, int y) {
        return Grid<QString>::inside(x, y) ? s.LetterGrid.at(x, y).toUpper() : QString();
    };
    for (int i = 0; i < count; ++i) {
        const WordEntry& e = s.WordEntries[i];
        if (e.gridText.isEmpty()) {
            faults << QStringLiteral("word %1 is not placed").arg(i);
            continue;
        }
        if (i < s.PlacementOrder.size() && e.gridText != ToGridForm(s.PlacementOrder[i].text))
            faults << name(i) + QStringLiteral(" is not the grid form of ") + s.PlacementOrder[i].text;
        if (e.direction != 0 && e.direction != 2) {
            faults << name(i) + QStringLiteral(" lies in direction %1").arg(e.direction);
            continue;
        }
        const int line = e.direction / 2;
        const DirectionStep d = kDirectionSteps[e.direction];
        const int n = int(e.gridText.size());
        for (int k = 0; k < n; ++k) {
            const int x = e.x + k * d.dx, y = e.y + k * d.dy;
            if (x < 0 || y < 0 || x >= kFillInFrame || y >= kFillInFrame) {
                faults << name(i) + QStringLiteral(" leaves the %1 x %1 frame").arg(kFillInFrame);
                break;
            }
            if (letter(x, y) != QString(e.gridText[k]))
                faults << name(i) + QStringLiteral(" reads %1 at %2,%3").arg(letter(x, y)).arg(x).arg(y);
            int& o = owner[line][y * kSide + x];
            if (o)
                faults << name(i) + QStringLiteral(" lies over ") + name(o - 1);
            o = i + 1;
        }
        if (!letter(e.x - d.dx, e.y - d.dy).isEmpty())
            faults << name(i) + QStringLiteral(" has a letter before it");
        if (!letter(e.x + n * d.dx, e.y + n * d.dy).isEmpty())
            faults << name(i) + QStringLiteral(" has a letter after it");
    }

    // Every letter belongs to a word; every run of two letters or more along
    // a line is one placed word, whole.
    for (int line = 0; line < 2; ++line) {
        for (int a = 0; a < kSide; ++a) {
            for (int b = 0; b < kSide;) {
                auto at = [&](int k) { return line == 0 ? letter(k, a) : letter(a, k); };
                if (at(b).isEmpty()) {
                    ++b;
                    continue;
                }
                int end = b;
                QString run;
                while (end < kSide && !at(end).isEmpty())
                    run += at(end++);
                const int first = line == 0 ? a * kSide + b : b * kSide + a;
                const int w = owner[line][first];
                const bool placed = w && s.WordEntries[w - 1].x == (line == 0 ? b : a)
                    && s.WordEntries[w - 1].y == (line == 0 ? a : b) && s.WordEntries[w - 1].gridText.size() == run.size();
                if (run.size() >= 2 && !placed) {
                    faults << QStringLiteral("%1 %2 at %3,%4 is no placed word")
                                  .arg(line == 0 ? QStringLiteral("across") : QStringLiteral("down"), run)
                                  .arg(line == 0 ? b : a)
                                  .arg(line == 0 ? a : b);
                }
                if (run.size() == 1 && !owner[0][first] && !owner[1][first])
                    faults << QStringLiteral("letter %1 at %2,%3 belongs to no word").arg(run).arg(first % kSide).arg(first / kSide);
                b = end;
            }
        }
    }

    // One crossword.
    if (faults.isEmpty()) {
        std::vector<bool> reached(count, false);
        std::vector<int> todo { 0 };
        reached[0] = true;
        while (!todo.empty()) {
            const int i = todo.back();
            todo.pop_back();
            const WordEntry& e = s.WordEntries[i];
            const DirectionStep d = kDirectionSteps[e.direction];
            for (int k = 0; k < e.gridText.size(); ++k) {
                const int other = owner[1 - e.direction / 2][(e.y + k * d.dy) * kSide + e.x + k * d.dx] - 1;
                if (other >= 0 && !reached[other]) {
                    reached[other] = true;
                    todo.push_back(other);
                }
            }
        }
        for (int i = 0; i < count; ++i)
            if (!reached[i])
                faults << name(i) + QStringLiteral(" is not reached from the first word through crossings");
    }
    return faults;
}

QStringList UnjoinedWords(const QStringList& words, const QStringList& forms)
{
    // Words that share a letter are in one group: each word joins the group of
    // the first word with each of its letters.
    const qsizetype n = std::min(words.size(), forms.size());
    std::vector<qsizetype> group(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        group[std::size_t(i)] = i;
    const auto root = [&group](qsizetype i) {
        while (group[std::size_t(i)] != i)
            i = group[std::size_t(i)] = group[std::size_t(group[std::size_t(i)])];
        return i;
    };
    QHash<QChar, qsizetype> firstWithLetter;
    for (qsizetype i = 0; i < n; ++i) {
        for (QChar c : forms[i]) {
            const auto seen = firstWithLetter.constFind(c);
            if (seen == firstWithLetter.cend())
                firstWithLetter.insert(c, i);
            else
                group[std::size_t(root(i))] = root(*seen);
        }
    }
    QHash<qsizetype, std::pair<int, qsizetype>> sizes; // words, letters
    for (qsizetype i = 0; i < n; ++i) {
        auto& [count, letters] = sizes[root(i)];
        ++count;
        letters += forms[i].size();
    }
    qsizetype main = -1;
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it) {
        if (main < 0 || it.value() > sizes.value(main) || (it.value() == sizes.value(main) && it.key() < main))
            main = it.key();
    }
    QStringList out;
    for (qsizetype i = 0; i < n; ++i) {
        if (root(i) != main)
            out << words[i];
    }
    return out;
}

QString UnjoinedWordsSentence(const QStringList& apart)
{
    QStringList named;
    for (const QString& word : apart.mid(0, 5))
        named << Quoted(word);
    if (const qsizetype others = apart.size() - named.size(); others > 0)
        named << PluralLabel(int(others), QStringLiteral("autre"), true);
    return FrenchEnumeration(named)
        + (apart.size() == 1 ? QStringLiteral(" n'a aucune lettre commune avec les autres mots.")
                             : QStringLiteral(" n'ont aucune lettre commune avec les autres mots."));
}

} // namespace lx
