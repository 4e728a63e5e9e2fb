#pragma once

#include "document/Prompter.h"

#include <QList>

namespace lx::test {

// Answers the document's questions from a script, then with each box's
// default button, and records what was asked. File dialogs are cancelled.
class ScriptedPrompter : public DefaultPrompter {
public:
    struct Asked {
        MessageKind kind;
        QString text;
    };
    QList<Answer> answers;
    QList<Asked> asked;

    Answer Ask(MessageKind kind, const QString& text) override
    {
        asked.append({ kind, text });
        return answers.isEmpty() ? DefaultAnswer(kind) : answers.takeFirst();
    }
};

} // namespace lx::test
