#include "words/WordSelectionList.h"

#include "core/Plural.h"
#include "words/WordForms.h"
#include "words/WordOrder.h"

#include <QCollator>

namespace lx {


int WordSelectionList::LowerBound(const QCollatorSortKey& key, const QString& text) const
{
    // The same order as FrenchLess: the collation key, then the exact text.
    int lo = 0;
    int hi = int(entries_.size());
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const Entry& e = entries_[mid];
        const int c = e.key->compare(key);
        const bool less = c < 0 || (c == 0 && e.text < text);
        if (less)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int WordSelectionList::Find(const QString& word) const
{
    const QCollatorSortKey key = WordSortKey(word);
    const int pos = LowerBound(key, word);
    // Words equal without regard to case collate equal, so they sit side by side.
    for (int i = pos; i < entries_.size() && entries_[i].key->compare(key) == 0; ++i) {
        if (entries_[i].text.compare(word, Qt::CaseInsensitive) == 0)
            return i;
    }
    for (int i = pos - 1; i >= 0 && entries_[i].key->compare(key) == 0; --i) {
        if (entries_[i].text.compare(word, Qt::CaseInsensitive) == 0)
            return i;
    }
    // Safety net for case pairs that the collation tells apart.
    return -1;
}

WordSelectionList::AddResult WordSelectionList::AddWordIfAbsent(const QString& word)
{
    auto key = std::make_shared<QCollatorSortKey>(WordSortKey(word));
    const int pos = LowerBound(*key, word);
    for (int i = pos; i < entries_.size() && entries_[i].key->compare(*key) == 0; ++i) {
        if (entries_[i].text.compare(word, Qt::CaseInsensitive) == 0)
            return { false, i };
    }
    for (int i = pos - 1; i >= 0 && entries_[i].key->compare(*key) == 0; --i) {
        if (entries_[i].text.compare(word, Qt::CaseInsensitive) == 0)
            return { false, i };
    }
    entries_.insert(pos, Entry { word, false, std::move(key) });
    if (current >= pos)
        ++current;
    return { true, pos };
}

void WordSelectionList::SetAllChecked(bool checked)
{
    for (Entry& e : entries_)
        e.checked = checked;
}

int WordSelectionList::CheckedCount() const
{
    int n = 0;
    for (const Entry& e : entries_)
        n += e.checked ? 1 : 0;
    return n;
}

QStringList WordSelectionList::CheckedWords() const
{
    QStringList out;
    for (const Entry& e : entries_) {
        if (e.checked)
            out << e.text;
    }
    return out;
}

QStringList WordSelectionList::Words() const
{
    QStringList out;
    out.reserve(entries_.size());
    for (const Entry& e : entries_)
        out << e.text;
    return out;
}

void WordSelectionList::Clear()
{
    entries_.clear();
    current = -1;
}

void WordSelectionList::ApplyMaxLetters(int maxLetters)
{
    for (Entry& e : entries_)
        e.checked = LetterCount(e.text) <= maxLetters;
}

QString WordSelectionList::BuildSelectionSignature() const
{
    QString out;
    out.reserve(entries_.size());
    for (const Entry& e : entries_)
        out += e.checked ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

WordCountLabel MakeWordCountLabel(int checked, int total)
{
    WordCountLabel label;
    label.text = FrenchNumber(checked) + QLatin1Char('/') + FrenchNumber(total);
    label.colour = checked < total ? WordCountLabel::Colour::Red : WordCountLabel::Colour::DarkGrey;
    return label;
}

} // namespace lx
