#pragma once

#include <QCollatorSortKey>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace lx {

// The candidate words of the document, kept sorted alphabetically without
// regard to case, each with its check mark. Check marks are set directly, by
// index or all at once, without any per-word notification: the caller runs
// one follow-up after a bulk change.
class WordSelectionList {
public:
    struct AddResult {
        bool added = false;
        int index = -1; // the new entry's index when added, else the existing one's
    };

    // Adds the word at its alphabetical place unless an entry equal to it
    // (whole word, ignoring case) is listed. Never sets a check mark.
    AddResult AddWordIfAbsent(const QString& word);
    // Index of the entry equal to the word ignoring case, -1 when absent.
    int Find(const QString& word) const;

    int Count() const { return int(entries_.size()); }
    const QString& Word(int index) const { return entries_[index].text; }
    bool IsChecked(int index) const { return entries_[index].checked; }
    void SetChecked(int index, bool checked) { entries_[index].checked = checked; }
    void SetAllChecked(bool checked);
    int CheckedCount() const;
    // The checked words in list order.
    QStringList CheckedWords() const;
    QStringList Words() const;
    void Clear();

    // Checks every word whose letter count is at most maxLetters and unchecks
    // the others, overriding checks made by hand.
    void ApplyMaxLetters(int maxLetters);

    // One character per entry in list order: "1" checked, "0" not.
    QString BuildSelectionSignature() const;

    // The current entry (-1 when none).
    int current = -1;

private:
    struct Entry {
        QString text;
        bool checked = false;
        std::shared_ptr<QCollatorSortKey> key;
    };
    int LowerBound(const QCollatorSortKey& key, const QString& text) const;
    QList<Entry> entries_;
};

// The count label of the list: checked/total with digit grouping, red while
// some entry is unchecked, dark grey when all are (an empty list counts as all).
struct WordCountLabel {
    enum class Colour { Red, DarkGrey };
    QString text;
    Colour colour = Colour::DarkGrey;
    bool operator==(const WordCountLabel&) const = default;
};
WordCountLabel MakeWordCountLabel(int checked, int total);

} // namespace lx
