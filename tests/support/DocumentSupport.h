#pragma once

// Documents set up for a test: words of a list, and data that only a file could
// hold (a puzzle written cell by cell, counts no handler would leave).
#include "document/Document.h"
#include "document/DocumentActions.h"
#include "document/DocumentFile.h"
#include "support/TextSupport.h"

#include <functional>
#include <initializer_list>

namespace lx::test {

// The words of an external list, all checked, in a grid of `size`.
inline void AddWords(Document& doc, std::initializer_list<const char*> words, int size = 10)
{
    QStringList lines;
    for (const char* w : words)
        lines << u(w);
    doc.ParseWordListText(lines.join(QLatin1Char('\n')));
    doc.Change(Setting::GridSize, size);
}

// The document opened again from its own data as edited, as if a file held them.
inline void Reopen(Document& doc, const std::function<void(DocumentData&)>& edit, const QString& path = {})
{
    DocumentReadResult read { doc.data(), {}, true };
    edit(read.data);
    doc.Replace(std::move(read), path);
}

// Opens and saves files as the window does, without a question.
inline bool LoadFile(Document& doc, const QString& path)
{
    DefaultPrompter prompter;
    return DocumentActions(doc, prompter, {}).Load(path).done();
}
inline bool SaveFile(Document& doc, const QString& path)
{
    DefaultPrompter prompter;
    return DocumentActions(doc, prompter, {}).SaveTo(path).done();
}

} // namespace lx::test
