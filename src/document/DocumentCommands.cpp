// The commands that replace or store the open document: new, open, save as,
// save as the template, and the question asked before unsaved changes are
// lost. Dialogs and questions go through the prompter.
#include "document/Document.h"

#include "core/ProgramInfo.h"
#include "document/DocumentValues.h"
#include "puzzle/UnfitWords.h"
#include "words/FileMenu.h"

#include <QDir>
#include <QFileInfo>

namespace lx {

namespace {

QString DocumentFilter()
{
    return QStringLiteral("Documents Lexigrille (*.lxg);;Tous les fichiers (*)");
}

} // namespace

DocumentFolders DocumentFolders::Default()
{
    return { UserFolder(), ProgramFolder() };
}

void Document::LoadWordFilter()
{
    QStringList words;
    for (const QString& folder : { folders.program, folders.user }) {
        if (!folder.isEmpty())
            words += LoadUnfitWords(QDir(folder).filePath(QString::fromUtf8(kUnfitWordsFile)));
    }
    engine.SetUnfitWords(words);
}

QString Document::TemplatePath() const
{
    for (const QString& folder : { folders.user, folders.program }) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(QString::fromUtf16(kTemplateFileName));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool Document::AskToSave()
{
    if (!life.modified)
        return true;
    switch (prompter().Ask(MessageKind::SaveQuestion, QStringLiteral("Voulez-vous enregistrer les modifications ?"))) {
    case Answer::No:
        return true;
    case Answer::Yes:
        // A cancelled or failed save keeps the document open: the command
        // that asked stops, and nothing is lost.
        return SaveAs();
    default:
        return false;
    }
}

bool Document::NewDocument()
{
    if (!AskToSave())
        return false;
    const QString path = TemplatePath();
    if (path.isEmpty() || !LoadDocument(path).loaded)
        LoadDocument(QString());
    return true;
}

bool Document::OpenDocument(const QString& path)
{
    if (!AskToSave())
        return false;
    const LoadResult r = LoadDocument(path);
    if (!r.loaded)
        prompter().Ask(MessageKind::Error, r.errorMessage);
    return r.loaded;
}

bool Document::OpenOtherDocument()
{
    if (!AskToSave())
        return false;
    const QString path = prompter().OpenFileName(
        { QStringLiteral("Ouvrir un document Lexigrille"), DocumentFilter(), folders.user, QString(), QString() });
    if (path.isEmpty())
        return false;
    return OpenDocument(path);
}

bool Document::SaveAs()
{
    for (;;) {
        const QString folder = QFileInfo(life.documentPath).isFile() ? QFileInfo(life.documentPath).absolutePath()
                                                                    : folders.user;
        const QString path = prompter().SaveFileName({ QStringLiteral("Enregistrer le document sous..."), DocumentFilter(),
                                                       folder, ProposedFileName(), QStringLiteral("lxg") });
        if (path.isEmpty())
            return false;
        const SaveResult r = SaveDocument(path);
        if (r.saved)
            return true;
        if (r.declined)
            return false;
        // Retry comes back to the dialog; Cancel gives up.
        if (prompter().Ask(MessageKind::SaveError, r.errorMessage) != Answer::Retry)
            return false;
    }
}

bool Document::SaveAsTemplate()
{
    if (folders.user.isEmpty())
        return false;
    const SaveResult r = SaveDocument(QDir(folders.user).filePath(QString::fromUtf16(kTemplateFileName)));
    if (!r.saved && !r.declined)
        prompter().Ask(MessageKind::Error, r.errorMessage);
    return r.saved;
}

FileMenu Document::AvailableDocuments() const
{
    return BuildFileMenu({ folders.user, folders.program }, QStringLiteral(".lxg"), kDocumentMenuItems,
                         QStringLiteral("document¤ disponible¤"));
}

} // namespace lx
