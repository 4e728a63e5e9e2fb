#pragma once

#include "document/Prompter.h"

#include <QList>
#include <QStringList>

namespace lx::test {

// Answers the document's questions from a script and records what was asked.
// Once the script is used up, a question gets Yes when yesToAll is set, else
// its default button; file dialogs take the next scripted path (empty:
// cancelled).
class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        MessageKind kind;
        QString text;
    };
    QList<Answer> answers;
    bool yesToAll = false;
    QStringList paths;
    QList<Asked> asked;
    QList<FileDialogRequest> dialogs;

    Answer Ask(MessageKind kind, const QString& text) override
    {
        asked.append({ kind, text });
        if (!answers.isEmpty())
            return answers.takeFirst();
        const Answer byDefault = DefaultAnswer(kind);
        return yesToAll && (byDefault == Answer::No || byDefault == Answer::Cancel) && kind != MessageKind::SaveError
            ? Answer::Yes
            : byDefault;
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
