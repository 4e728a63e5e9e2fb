#pragma once

// Documents set up for a test: words of a list, data that only a file could hold (a puzzle written cell by cell,
// counts no handler would leave), worksheets drawn from the shipped database; the headers the document tests share.
#include "core/Text1252.h"
#include "document/Document.h"
#include "document/DocumentActions.h"
#include "document/DocumentFile.h"
#include "document/WorksheetRecipe.h"
#include "support/ScriptedPrompter.h"
#include "support/TextSupport.h"
#include "words/ThemeDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lx::test {

// The font names a document is made with.
inline const QStringList kFonts { QStringLiteral("Arial"), QStringLiteral("Arial Narrow"), QStringLiteral("Tahoma") };

// The words of an external list, all checked, in a grid of `size`.
inline void AddWords(Document& doc, const QStringList& words, int size = 10)
{
    doc.ParseWordListText(words.join(QLatin1Char('\n')));
    doc.Change(Setting::GridSize, size);
}

// A new document of these words, all checked, in a grid of `size`.
struct DocumentOf : Document {
    explicit DocumentOf(const QStringList& words, int size = 10) : Document(kFonts) { AddWords(*this, words, size); }
};

// The document opened again from its own data as edited, as if a file held them.
inline void Reopen(Document& doc, const std::function<void(DocumentData&)>& edit, const QString& path = {})
{
    DocumentReadResult read { doc.data(), {}, true, {}, {} };
    edit(read.data);
    doc.Replace(std::move(read), path);
}

// Opens and saves files as the window does, without a question.
inline bool LoadFile(Document& doc, const QString& path) { DefaultPrompter quiet; return DocumentActions(doc, quiet, {}).Load(path).done(); }
inline bool SaveFile(Document& doc, const QString& path) { DefaultPrompter quiet; return DocumentActions(doc, quiet, {}).SaveTo(path).done(); }

// The document saved, then opened in a new one with the same fonts installed.
inline std::unique_ptr<Document> SavedAndReopened(Document& doc)
{
    QTemporaryDir dir;
    auto back = std::make_unique<Document>(doc.fontNames());
    EXPECT_TRUE(SaveFile(doc, dir.filePath(QStringLiteral("copie.lxg"))) && LoadFile(*back, dir.filePath(QStringLiteral("copie.lxg"))));
    return back;
}

// What "lexigrille-cli make --level L --theme T --count N --seed S" sets up from the shipped database (read
// once) and the program's template; an error message, else empty.
inline QString ApplyShippedRecipe(Document& doc, Prompter& prompter, int level, int theme, int count, std::uint64_t seed)
{
    static const ThemeDatabase database = [] { ThemeDatabase db; db.Load(QStringLiteral(LEXIGRILLE_DATA_DIR)); return db; }();
    doc.SetThemeDatabase(&database);
    DocumentActions actions(doc, prompter, { QString(), QStringLiteral(LEXIGRILLE_DATA_DIR) });
    WorksheetRecipe recipe;
    recipe.levels = { level };
    recipe.themes = { theme };
    std::tie(recipe.count, recipe.seed) = std::tuple(count, seed);
    return ApplyRecipe(actions, recipe);
}

} // namespace lx::test
