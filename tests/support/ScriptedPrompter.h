#pragma once

#include "document/Prompter.h"

#include <QList>
#include <QStringList>

#include <functional>

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
    std::function<void()> whileAsking; // the time a teacher takes to answer

    Answer Ask(MessageKind kind, const QString& text) override
    {
        asked.append({ kind, text });
        if (whileAsking)
            whileAsking();
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
