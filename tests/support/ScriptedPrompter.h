#pragma once

#include "document/Prompter.h"

#include <QList>
#include <QStringList>

namespace lx::test {

// Answers the document's questions from a script, then with each box's
// default button, and records what was asked. File dialogs take the next
// scripted path (none: cancelled).
class ScriptedPrompter : public Prompter {
public:
    struct Asked { MessageKind kind; QString text; };
    QList<Answer> answers;
    QList<Asked> asked;
    QStringList paths;
    QList<FileDialogRequest> dialogs;

    Answer Ask(MessageKind kind, const QString& text) override
    {
        asked.append({ kind, text });
        return answers.isEmpty() ? DefaultAnswer(kind) : answers.takeFirst();
    }
    QString OpenFileName(const FileDialogRequest& request) override { return NextPath(request); }
    QString SaveFileName(const FileDialogRequest& request) override { return NextPath(request); }

private:
    QString NextPath(const FileDialogRequest& request)
    {
        dialogs.append(request);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
};

} // namespace lx::test
