#include "document/Document.h"

#include "document/WordHighlight.h"
#include "words/ThemeDatabase.h"
#include "words/WordForms.h"
#include "words/WordListParser.h"

#include <QFileInfo>

// The word sources of the document: the candidate word list and its checks,
// the levels and themes of the word database, and the external word lists.
namespace lx {

void Document::UpdateThemeLabel()
{
    data.settings.selectedThemeCount = data.themes.SelectedCount();
    data.themes.enabled = true;
    Q_EMIT themeLabelChanged(ThemeLabel());
}

void Document::UpdateWordCounts()
{
    wordCountLabel_ = MakeWordCountLabel(data.words.CheckedCount(), data.words.Count());
    engine.PrepareWordLists(data.words.CheckedWords());
    Q_EMIT wordCountsChanged();
}

void Document::OnWordChecksChanged()
{
    SetGenerateEnabled(true);
    UpdateWordCounts();
    RequestRedraw();
    ReportModified(data.words.BuildSelectionSignature() != life.snapshot.selectionString);
}

void Document::SetWordChecked(int index, bool checked)
{
    if (index < 0 || index >= data.words.Count())
        return;
    data.words.SetChecked(index, checked);
    if (!Suppressed())
        OnWordChecksChanged();
}

void Document::SelectAllWords(bool checked)
{
    data.settings.selectAllWords = checked;
    Q_EMIT model.settingChanged(Setting::SelectAllWords);
    if (Suppressed())
        return;
    data.words.SetAllChecked(checked);
    UpdateWordCounts();
    Q_EMIT wordListChanged();
    RequestRedraw();
    // Checking or unchecking every word changes what the document saves.
    ReportModified(data.words.BuildSelectionSignature() != life.snapshot.selectionString);
}

void Document::SetMaxLetters(int maxLetters)
{
    data.settings.maxLetters = std::clamp(maxLetters, int(DocumentSettings::kMinMaxLetters), int(DocumentSettings::kMaxMaxLetters));
    Q_EMIT model.settingChanged(Setting::MaxLetters);
    if (Suppressed())
        return;
    data.words.ApplyMaxLetters(data.settings.maxLetters);
    Q_EMIT wordListChanged();
    OnWordChecksChanged();
}

bool Document::ClickWord(int index)
{
    data.words.current = index;
    if (Suppressed())
        return false;
    const HighlightDecision d = DecideHighlight(data.words, data.puzzle);
    if (d.changed) {
        data.puzzle.HighlightedWord = d.highlighted;
        data.puzzle.WordHighlighted = d.highlighted >= 0;
    }
    if (d.redraw)
        RequestRedraw();
    return d.redraw;
}

void Document::ClearHighlight()
{
    data.words.current = -1;
    data.puzzle.WordHighlighted = false;
    data.puzzle.HighlightedWord = -1;
}

void Document::RebuildWordList()
{
    SuppressEvents guard(model);
    if (data.settings.selectedThemeCount >= 0) {
        data.words.Clear();
        const QString selectedThemeCodes = data.themes.SelectedCodes();
        // No theme checked compares as the snapshot has it ("*" and the list name).
        ReportModified(CurrentThemeString() != life.snapshot.themeString);
        auto& ThemeWordCount = data.themes.wordCounts;
        ThemeWordCount.fill(-1);
        QList<int> themeOfCode;
        for (QChar code : selectedThemeCodes)
            themeOfCode << ThemeIndexOfCode(code);
        const int maxLetters = data.settings.maxLetters;
        for (int level = 0; level < kLevelCount && themeDatabase; ++level) {
            if (!data.settings.levels[level])
                continue;
            for (const QString& entry : themeDatabase->levelLines[level]) {
                if (entry.isEmpty())
                    continue;
                if (selectedThemeCodes.isEmpty()) {
                    const QString word = LevelEntryWord(entry);
                    const auto added = data.words.AddWordIfAbsent(word);
                    if (added.added && LetterCount(word) <= maxLetters)
                        data.words.SetChecked(added.index, true);
                    continue;
                }
                // An entry of two checked themes is listed once and counted for both.
                for (int k = 0; k < selectedThemeCodes.size(); ++k) {
                    if (!LevelEntryHasTheme(entry, selectedThemeCodes[k]))
                        continue;
                    const QString word = LevelEntryWord(entry);
                    const auto added = data.words.AddWordIfAbsent(word);
                    if (LetterCount(word) <= maxLetters) {
                        if (added.added)
                            data.words.SetChecked(added.index, true);
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
        data.settings.levels[level] = false;
        Q_EMIT model.settingChanged(Setting(int(Setting::Level0) + level));
    }
}

void Document::ClickLevel(int level, bool checked)
{
    if (level < 0 || level >= kLevelCount)
        return;
    data.settings.levels[level] = checked;
    Q_EMIT model.settingChanged(Setting(int(Setting::Level0) + level));
    if (Suppressed())
        return;
    UpdateThemeLabel();
    RebuildWordList();
    RequestRedraw();
    ReportModified(data.settings.LevelString() != life.snapshot.levelString);
}

void Document::CheckTheme(int theme, bool checked)
{
    // The list is disabled while an external list fills the words.
    if (theme < 0 || theme >= kThemeCount || !data.themes.enabled)
        return;
    data.themes.selected[theme] = checked;
    if (!Suppressed()) {
        UpdateThemeLabel();
        RebuildWordList();
        RequestRedraw();
    }
    ReportModified(CurrentThemeString() != life.snapshot.themeString);
}

WordListImport Document::ParseWordListText(const QString& text)
{
    return ApplyWordList(CutWordListText(text));
}

WordListImport Document::ApplyWordList(const WordListEntries& entries)
{
    WordListImport result;
    if (!entries.HasValidEntry()) {
        // Nothing to import: the current words, levels and themes stay.
        result.errorMessage = NoValidTextMessage();
        return result;
    }

    // External-list mode: no level, no theme, the theme list disabled, and
    // every word of the list checked.
    UncheckAllLevels();
    data.themes.ClearSelection();
    data.themes.enabled = false;
    data.settings.selectedThemeCount = -1;
    data.words.Clear();
    for (const QString& entry : entries.entries)
        data.words.AddWordIfAbsent(entry);
    data.words.SetAllChecked(true);
    data.settings.selectAllWords = true;
    Q_EMIT model.settingChanged(Setting::SelectAllWords);
    UpdateWordCounts();
    Q_EMIT wordListChanged();
    Q_EMIT themesChanged();
    Q_EMIT themeLabelChanged(ThemeLabel());
    SetModified(true, true);
    model.Set(Setting::ThemeText, ListThemeName(importedListPath));
    RequestRedraw();

    result.imported = true;
    result.notices = WordListNotices(entries, data.words.Count());
    return result;
}

WordListImport Document::ImportWordListFile(const QString& path)
{
    WordListImport result;
    if (path.isEmpty())
        return result;
    const QString fileName = QFileInfo(path).fileName();
    const DecodedText text = ReadWordListFile(path);
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
    if (!entries.HasValidEntry()) {
        result.errorMessage = NoValidTextMessage();
        return result;
    }
    importedListPath = path;
    data.importedListName = fileName;
    life.documentName = fileName;
    return ApplyWordList(entries);
}

WordListImport Document::PasteWordList(const QString& clipboardText)
{
    if (clipboardText.isEmpty()) {
        WordListImport result;
        result.errorMessage = ClipboardUnusableMessage();
        return result;
    }
    return ParseWordListText(NormaliseClipboardText(clipboardText));
}

} // namespace lx
