#include "words/WordForms.h"

#include "core/Text1252.h"

#include <algorithm>
#include <iterator>

namespace lx {

namespace {

// The separators and punctuation that never reach a grid cell. The em dash and
// the no-break space are deliberately not here: they stay part of the word.
constexpr char16_t kRemovalSet[] = {
    u'-', u'\u2013', u'\'', u'\u2019', u'.', u' ', u'&', u'\\', u'*', u':',
    u',', u'$', u'=', u'#', u'(', u')', u'%', u'/', u'[', u']',
};

// Accented capitals folded to plain capitals, paired by position. Capitals that
// are not listed (Ä, Ñ, ...) keep their accent; Œ and Æ are two letters each
// (see kLigatures).
constexpr char16_t kFoldFrom[] = u"ÀÂÇÉÈÊËÎÏÍÔÖÓÙÛ";
constexpr char16_t kFoldTo[] = u"AACEEEEIIIOOOUU";

// The ligatures a French pupil writes as two letters: "cœur" is C-O-E-U-R.
struct Ligature {
    char16_t capital, small;
    char16_t first, second;
};
constexpr Ligature kLigatures[] = { { u'Œ', u'œ', u'O', u'E' }, { u'Æ', u'æ', u'A', u'E' } };

int ligatureCount(const QString& text)
{
    int n = 0;
    for (QChar c : text)
        for (const Ligature& l : kLigatures)
            n += c == l.capital || c == l.small ? 1 : 0;
    return n;
}

bool isRemoved(char16_t c)
{
    for (char16_t r : kRemovalSet) {
        if (r == c)
            return true;
    }
    return false;
}

} // namespace

QString UpperCase1252(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const QChar up = c.toUpper();
        if (up == c)
            continue;
        if (IsWindows1252(c) && !IsWindows1252(up))
            continue;
        c = up;
    }
    return out;
}

QString StripPunctuation(const QString& word)
{
    if (word.isEmpty())
        return word;
    QString out;
    out.reserve(word.size());
    for (QChar c : word) {
        if (!isRemoved(c.unicode()))
            out.append(c);
    }
    return out;
}

QString ToGridForm(const QString& word)
{
    QString out = StripPunctuation(UpperCase1252(word));
    if (out.isEmpty())
        return out;
    constexpr int pairs = int(std::size(kFoldFrom)) - 1;
    static_assert(std::size(kFoldFrom) == std::size(kFoldTo));
    for (QChar& c : out) {
        for (int i = 0; i < pairs; ++i) {
            if (c.unicode() == kFoldFrom[i]) {
                c = QChar(kFoldTo[i]);
                break;
            }
        }
    }
    if (ligatureCount(out) == 0)
        return out;
    QString split;
    split.reserve(out.size() + ligatureCount(out));
    for (QChar c : std::as_const(out)) {
        const auto l = std::find_if(std::begin(kLigatures), std::end(kLigatures),
                                    [c](const Ligature& l) { return c == l.capital; });
        if (l == std::end(kLigatures)) {
            split.append(c);
        } else {
            split.append(QChar(l->first));
            split.append(QChar(l->second));
        }
    }
    return split;
}

QString LettersOnly(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QString grid = ToGridForm(text);
    QString out;
    out.reserve(grid.size());
    for (QChar c : grid) {
        if (LetterIndex(c) >= 0)
            out.append(c);
    }
    return out;
}

int LetterCount(const QString& word)
{
    const QString letters = StripPunctuation(word);
    return int(letters.size()) + ligatureCount(letters);
}

} // namespace lx
