// The commands of the lists menu: a word list file of the teacher's folder or
// of the program's, another file chosen in a dialog, or the clipboard. What an
// import refuses or leaves out is told through the prompter.
#include "document/Document.h"

#include "words/WordListParser.h"

namespace lx {

FileMenu Document::AvailableWordLists() const
{
    return BuildWordListMenu(QStringList { folders.user, folders.program });
}

void Document::ReportImport(const WordListImport& r)
{
    if (!r.errorMessage.isEmpty())
        prompter().Ask(MessageKind::Error, r.errorMessage);
    else if (!r.notices.isEmpty())
        prompter().Ask(MessageKind::Information, r.notices.join(QLatin1Char('\n')));
}

bool Document::ImportList(const QString& path)
{
    if (!AskToSave())
        return false;
    const WordListImport r = ImportWordListFile(path);
    ReportImport(r);
    return r.imported;
}

bool Document::ImportOtherList()
{
    if (!AskToSave())
        return false;
    const QString path = prompter().OpenFileName({ QStringLiteral("Importer une liste de mots"),
                                                   QStringLiteral("Documents texte (*.txt);;Tous les fichiers (*)"),
                                                   folders.user, QString(), QString() });
    if (path.isEmpty())
        return false;
    const WordListImport r = ImportWordListFile(path);
    ReportImport(r);
    return r.imported;
}

bool Document::PasteList(const QString& clipboardText)
{
    const WordListImport r = PasteWordList(clipboardText);
    ReportImport(r);
    return r.imported;
}

} // namespace lx
