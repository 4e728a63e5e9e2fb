#pragma once

#include "document/Prompter.h"

class QWidget;

namespace lx {

// The document's questions as message boxes titled "Lexigrille", and its file
// dialogs as Qt's, over the main window.
class WidgetPrompter : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent)
        : parent_(parent)
    {
    }
    Answer Ask(MessageKind kind, const QString& text) override;
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace lx
