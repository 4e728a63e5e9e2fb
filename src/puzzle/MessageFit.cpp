#include "puzzle/MessageFit.h"

#include "core/Plural.h"

#include <algorithm>

namespace lx {

namespace {

// The letters A to Z of a grid form, one bit each.
unsigned letterSet(const QString& form)
{
    unsigned set = 0;
    for (QChar c : form) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            set |= 1u << (u - u'A');
    }
    return set;
}

QString sideText(int side)
{
    return QStringLiteral("%1×%1").arg(side);
}

QString letters(int count)
{
    return PluralLabel(count, QStringLiteral("lettre"), true);
}

} // namespace

// Each word laid after the first can cross one of the words before it when
// they have a letter in common: that is the sharing counted on. A layout
// often shares more (a word crossing two others, or running along a word
// that begins the same way), but not surely.
WordCells CountWordCells(const QStringList& gridForms, bool crossing)
{
    WordCells w;
    unsigned before = 0;
    for (const QString& form : gridForms) {
        const int n = int(form.size());
        const unsigned set = letterSet(form);
        w.letters += n;
        w.longest = std::max(w.longest, n);
        if (crossing && n >= 2 && (set & before))
            ++w.sharing;
        before |= set;
    }
    if (!crossing) {
        // Longest first, each word in the first row with room left.
        for (int side = kMinGridSide; side <= kMaxGridSide; ++side) {
            QList<int> room(side, side);
            for (const QString& form : gridForms) {
                auto row = std::find_if(room.begin(), room.end(), [&](int r) { return r >= form.size(); });
                if (row == room.end()) {
                    w.rows &= ~(1u << side);
                    break;
                }
                *row -= int(form.size());
            }
        }
    }
    return w;
}

namespace {

// The fewest and the most message letters a side x side grid can take
// exactly; none (fewest > most) when the words do not go in it. Words that
// cover nearly every cell leave no choice of places to share just so many of
// them: the free cells are kept to one in twelve at least.
struct LetterRange {
    int fewest;
    int most;
};
LetterRange lettersTaken(const WordCells& words, int side)
{
    if (side < std::max(kMinGridSide, words.longest) || side > kMaxGridSide || !(words.rows >> side & 1u))
        return { 1, 0 };
    const int cells = side * side;
    const int unshared = cells - words.letters; // free cells when no cell is shared
    return { std::max({ 1, unshared, (cells + 11) / 12 }), unshared + words.sharing };
}

} // namespace

bool MessageFitsGrid(const WordCells& words, int messageLetters, int side)
{
    const LetterRange r = lettersTaken(words, side);
    return messageLetters >= r.fewest && messageLetters <= r.most;
}

int CellsLeftEmpty(const WordCells& words, int messageLetters, int side)
{
    const LetterRange r = lettersTaken(words, side);
    return r.fewest <= r.most && messageLetters < r.fewest ? r.fewest - messageLetters : 0;
}

QList<int> GridSidesForMessage(const WordCells& words, int messageLetters)
{
    QList<int> sides;
    for (int side = kMinGridSide; side <= kMaxGridSide; ++side) {
        if (MessageFitsGrid(words, messageLetters, side))
            sides.append(side);
    }
    return sides;
}

QString GridSizeAdvice(const WordCells& words, int messageLetters)
{
    const QList<int> sides = GridSidesForMessage(words, messageLetters);
    if (!sides.isEmpty()) {
        QString list;
        if (sides.size() >= 4) {
            list = sideText(sides.first()) + QStringLiteral(" à ") + sideText(sides.last());
        } else {
            for (int k = 0; k < sides.size(); ++k) {
                if (k > 0)
                    list += k + 1 == sides.size() ? QStringLiteral(" ou ") : QStringLiteral(", ");
                list += sideText(sides[k]);
            }
        }
        return QStringLiteral("Ce message tiendrait dans une grille de ") + list + QLatin1Char('.');
    }
    // The nearest sizes that take fewer letters, and more.
    int below = 0;
    int above = 0;
    for (int side = kMinGridSide; side <= kMaxGridSide; ++side) {
        const LetterRange r = lettersTaken(words, side);
        if (r.fewest > r.most)
            continue;
        if (r.most < messageLetters)
            below = side;
        else if (above == 0)
            above = side;
    }
    if (below == 0 && above == 0)
        return {}; // no word search takes these words
    if (below == 0) {
        return QStringLiteral("Ce message est trop court pour ces mots : il faut au moins ")
            + letters(lettersTaken(words, above).fewest) + QStringLiteral(", pour une grille de ") + sideText(above)
            + QLatin1Char('.');
    }
    if (above == 0) {
        return QStringLiteral("Ce message est trop long pour ces mots : une grille de ") + sideText(below)
            + QStringLiteral(" en prend au plus ") + letters(lettersTaken(words, below).most) + QLatin1Char('.');
    }
    // Between two sizes: too long for the one, too short for the next.
    return QStringLiteral("Ce message ne tient dans aucune grille : retirez ")
        + letters(messageLetters - lettersTaken(words, below).most) + QStringLiteral(" pour une grille de ")
        + sideText(below) + QStringLiteral(" ou ajoutez-en ")
        + QString::number(lettersTaken(words, above).fewest - messageLetters) + QStringLiteral(" pour une grille de ")
        + sideText(above) + QLatin1Char('.');
}

} // namespace lx
