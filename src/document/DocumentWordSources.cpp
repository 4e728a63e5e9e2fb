#include "document/Document.h"

#include "core/Text1252.h"
#include "document/WordHighlight.h"
#include "words/HtmlTitles.h"
#include "words/ThemeDatabase.h"
#include "words/WordForms.h"
#include "words/WordListParser.h"

#include <QFileInfo>

// The word sources of the document: the candidate word list and its checks,
// the levels and themes of the word database, and the external word lists.
namespace lx {

void Document::UpdateThemeLabel()
{
    data_.settings.selectedThemeCount = data_.themes.SelectedCount();
    data_.themes.enabled = true;
    Q_EMIT themeLabelChanged(ThemeLabel());
}

// Words of the classes without a theme count as a list of their own: the
// header names no theme, and "Créer la grille" does not ask for one.
void Document::KeepThemeCountRule()
{
    if (data_.settings.selectedThemeCount < 1)
        data_.settings.selectedThemeCount = -1;
}

void Document::UpdateWordCounts()
{
    wordCountLabel_ = MakeWordCountLabel(data_.words.CheckedCount(), data_.words.Count());
    engine_.PrepareWordLists(data_.words.CheckedWords());
    // The puzzles kept for the other game types were made of other words.
    otherPuzzles_ = {};
    Q_EMIT wordCountsChanged();
}

void Document::OnWordChecksChanged()
{
    SetGenerateEnabled(true);
    UpdateWordCounts();
    RequestRedraw();
    ReportModified(data_.words.BuildSelectionSignature() != life_.snapshot.selectionString);
}

void Document::SetWordChecked(int index, bool checked)
{
    if (index < 0 || index >= data_.words.Count())
        return;
    data_.words.SetChecked(index, checked);
    if (!Suppressed())
        OnWordChecksChanged();
}

void Document::SelectAllWords(bool checked)
{
    data_.settings.selectAllWords = checked;
    Q_EMIT model_.settingChanged(Setting::SelectAllWords);
    if (Suppressed())
        return;
    data_.words.SetAllChecked(checked);
    UpdateWordCounts();
    Q_EMIT wordListChanged();
    RequestRedraw();
    // Checking or unchecking every word changes what the document saves.
    ReportModified(data_.words.BuildSelectionSignature() != life_.snapshot.selectionString);
}

void Document::SetMaxLetters(int maxLetters)
{
    data_.settings.maxLetters = std::clamp(maxLetters, int(DocumentSettings::kMinMaxLetters), int(DocumentSettings::kMaxMaxLetters));
    Q_EMIT model_.settingChanged(Setting::MaxLetters);
    if (Suppressed())
        return;
    data_.words.ApplyMaxLetters(data_.settings.maxLetters);
    Q_EMIT wordListChanged();
    OnWordChecksChanged();
    // The file keeps the limit too, whether or not a check changed.
    ReportModified(data_.settings.maxLetters != life_.snapshot.values[int(Setting::MaxLetters)].toInt());
}

bool Document::ClickWord(int index)
{
    data_.words.current = index;
    if (Suppressed())
        return false;
    const HighlightDecision d = DecideHighlight(data_.words, data_.puzzle);
    if (d.changed) {
        data_.puzzle.HighlightedWord = d.highlighted;
        data_.puzzle.WordHighlighted = d.highlighted >= 0;
    }
    if (d.redraw)
        RequestRedraw();
    return d.redraw;
}

void Document::ClearHighlight()
{
    data_.words.current = -1;
    data_.puzzle.WordHighlighted = false;
    data_.puzzle.HighlightedWord = -1;
}

void Document::RebuildWordList()
{
    SuppressEvents guard(model_);
    if (data_.settings.selectedThemeCount >= 0) {
        data_.words.Clear();
        const QString selectedThemeCodes = data_.themes.SelectedCodes();
        // No theme checked compares as the snapshot has it ("*" and the list name).
        ReportModified(CurrentThemeString() != life_.snapshot.themeString);
        auto& ThemeWordCount = data_.themes.wordCounts;
        ThemeWordCount.fill(-1);
        QList<int> themeOfCode;
        for (QChar code : selectedThemeCodes)
            themeOfCode << ThemeIndexOfCode(code);
        const int maxLetters = data_.settings.maxLetters;
        for (int level = 0; level < kLevelCount && themeDatabase_; ++level) {
            if (!data_.settings.levels[level])
                continue;
            for (const QString& entry : themeDatabase_->levelLines[level]) {
                if (entry.isEmpty())
                    continue;
                if (selectedThemeCodes.isEmpty()) {
                    const QString word = LevelEntryWord(entry);
                    const auto added = data_.words.AddWordIfAbsent(word);
                    if (added.added && LetterCount(word) <= maxLetters)
                        data_.words.SetChecked(added.index, true);
                    continue;
                }
                // An entry of two checked themes is listed once and counted for both.
                for (int k = 0; k < selectedThemeCodes.size(); ++k) {
                    if (!LevelEntryHasTheme(entry, selectedThemeCodes[k]))
                        continue;
                    const QString word = LevelEntryWord(entry);
                    const auto added = data_.words.AddWordIfAbsent(word);
                    if (LetterCount(word) <= maxLetters) {
                        if (added.added)
                            data_.words.SetChecked(added.index, true);
                        ++ThemeWordCount[themeOfCode[k]];
                    }
                }
            }
        }
    }
    UpdateWordCounts();
    Q_EMIT wordListChanged();
    Q_EMIT themesChanged();
}

void Document::UncheckAllLevels()
{
    for (int level = 0; level < kLevelCount; ++level) {
        data_.settings.levels[level] = false;
        Q_EMIT model_.settingChanged(Setting(int(Setting::Level0) + level));
    }
}

void Document::ClickLevel(int level, bool checked)
{
    if (level < 0 || level >= kLevelCount)
        return;
    data_.settings.levels[level] = checked;
    Q_EMIT model_.settingChanged(Setting(int(Setting::Level0) + level));
    if (Suppressed())
        return;
    // The classes' words replace an imported or pasted list, and its name
    // goes with it: the header names the classes, not a list that is gone.
    if (!data_.themes.enabled) {
        data_.importedListName.clear();
        model_.Set(Setting::ThemeText, QString());
    }
    UpdateThemeLabel();
    RebuildWordList();
    KeepThemeCountRule();
    RequestRedraw();
    ReportModified(data_.settings.LevelString() != life_.snapshot.levelString);
}

void Document::CheckTheme(int theme, bool checked)
{
    // The list is disabled while an external list fills the words.
    if (theme < 0 || theme >= kThemeCount || !data_.themes.enabled)
        return;
    data_.themes.selected[theme] = checked;
    if (!Suppressed()) {
        // A theme chosen names the words: a name typed before would show in
        // the box, but neither on the page nor in the file.
        if (checked)
            model_.Set(Setting::ThemeText, QString());
        UpdateThemeLabel();
        RebuildWordList();
        KeepThemeCountRule();
        RequestRedraw();
    }
    ReportModified(CurrentThemeString() != life_.snapshot.themeString);
}

WordListImport Document::ParseWordListText(const QString& text)
{
    return ApplyWordList(CutWordListText(text), QString());
}

WordListImport Document::ApplyWordList(const WordListEntries& entries, const QString& theme)
{
    WordListImport result;
    if (!entries.HasValidEntry()) {
        // Nothing to import: the current words, levels and themes stay.
        result.errorMessage = NoValidTextMessage(entries);
        return result;
    }

    // External-list mode: no level, no theme, the theme list disabled, and
    // every word of the list checked.
    UncheckAllLevels();
    data_.themes.ClearSelection();
    data_.themes.enabled = false;
    data_.settings.selectedThemeCount = -1;
    data_.words.Clear();
    for (const QString& entry : entries.entries)
        data_.words.AddWordIfAbsent(entry);
    data_.words.SetAllChecked(true);
    data_.settings.selectAllWords = true;
    Q_EMIT model_.settingChanged(Setting::SelectAllWords);
    UpdateWordCounts();
    Q_EMIT wordListChanged();
    Q_EMIT themesChanged();
    Q_EMIT themeLabelChanged(ThemeLabel());
    SetModified(true, true);
    model_.Set(Setting::ThemeText, theme);
    RequestRedraw();

    result.imported = true;
    result.notices = WordListNotices(entries, data_.words.Count());
    return result;
}

WordListImport Document::ImportWordListFile(const QString& path)
{
    WordListImport result;
    if (path.isEmpty())
        return result;
    const QString fileName = QFileInfo(path).fileName();
    QStringList titles;
    const DecodedText text = ReadWordListFile(path, &titles);
    if (text.status == TextFileStatus::Unreadable) {
        result.errorMessage = UnreadableListMessage(fileName);
        return result;
    }
    if (text.status == TextFileStatus::NotText) {
        result.errorMessage = NotTextListMessage(fileName);
        return result;
    }
    WordListEntries entries = CutWordListText(text.text);
    entries.truncated = entries.truncated || text.truncated;
    entries.titles = titles + entries.titles;
    if (!entries.HasValidEntry()) {
        result.errorMessage = NoValidFileMessage(fileName, entries);
        return result;
    }
    data_.importedListName = fileName;
    // The sheet is now the list's, as the title bar says: saving it must not
    // propose to replace the document that was open with other words.
    life_.documentName = fileName;
    life_.documentPath.clear();
    return ApplyWordList(entries, ReadableListName(path));
}

WordListImport Document::PasteWordList(const QString& clipboardText, const QString& html)
{
    if (clipboardText.isEmpty()) {
        WordListImport result;
        result.errorMessage = ClipboardUnusableMessage();
        return result;
    }
    QStringList titles;
    const QString text = WithoutTitleLines(NormaliseClipboardText(clipboardText), html.isEmpty() ? QStringList() : HtmlTitles(html), titles);
    WordListEntries entries = CutWordListText(text);
    entries.titles = titles + entries.titles;
    // The list's one title names its theme, as a list file's name does.
    const QString title = entries.titles.size() == 1 ? AdaptToWindows1252(entries.titles[0]) : QString();
    // No file's name stands for these words any more, nor for the sheet in
    // the title bar when the list's file named it.
    if (entries.HasValidEntry()) {
        if (life_.documentPath.isEmpty() && life_.documentName == data_.importedListName)
            life_.documentName.clear();
        data_.importedListName.clear();
    }
    return ApplyWordList(entries, FitsWindows1252(title) ? title : QString());
}

} // namespace lx
