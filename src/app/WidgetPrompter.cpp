#include "app/WidgetPrompter.h"

#include "core/ProgramInfo.h"
#include "core/TextEditing.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace lx {

namespace {

// A box that only a button answers: neither Escape nor its window's close
// button does, for a question whose No cannot be taken back.
class AnswerRequired : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return false;
    }
};

} // namespace

Answer WidgetPrompter::Ask(MessageKind kind, const QString& text)
{
    // Over the dialog that is open, if any (the About box's update check).
    QWidget* over = QApplication::activeModalWidget();
    QMessageBox box(over ? over : parent_);
    box.setWindowTitle(ProductName());
    box.setText(WithoutBreaksInside(text));
    using B = QMessageBox::StandardButton;
    QMessageBox::StandardButtons buttons = B::Ok;
    B byDefault = B::Ok;
    switch (kind) {
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Question:
        box.setIcon(QMessageBox::Warning);
        buttons = B::Yes | B::No;
        byDefault = B::No;
        break;
    case MessageKind::Proposal:
        box.setIcon(QMessageBox::Warning);
        buttons = B::Yes | B::No;
        byDefault = B::Yes;
        break;
    case MessageKind::SaveQuestion:
        // Enter keeps the work: with Non it was lost at one key.
        box.setIcon(QMessageBox::Warning);
        buttons = B::Yes | B::No | B::Cancel;
        byDefault = B::Yes;
        break;
    case MessageKind::Offer:
        box.setIcon(QMessageBox::Information);
        buttons = B::Yes | B::No;
        byDefault = B::No;
        break;
    case MessageKind::SaveError:
        box.setIcon(QMessageBox::Critical);
        buttons = B::Retry | B::Cancel;
        byDefault = B::Retry;
        break;
    case MessageKind::MissingFiles:
        box.setIcon(QMessageBox::Critical);
        buttons = B::Ok | B::Cancel;
        byDefault = B::Cancel;
        break;
    case MessageKind::Recovery:
        // Non throws the work away for good: a reflex Escape at start-up
        // must not answer it.
        box.setIcon(QMessageBox::Information);
        buttons = B::Yes | B::No;
        byDefault = B::Yes;
        box.installEventFilter(new AnswerRequired(&box));
        break;
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(byDefault);
    if (buttons & B::Cancel)
        box.setEscapeButton(B::Cancel);
    else if (buttons & B::No)
        box.setEscapeButton(B::No);
    switch (box.exec()) {
    case B::Yes:
        return Answer::Yes;
    case B::No:
        return Answer::No;
    case B::Retry:
        return Answer::Retry;
    case B::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

QString WidgetPrompter::OpenFileName(const FileDialogRequest& r)
{
    return QFileDialog::getOpenFileName(parent_, r.title, r.folder, r.filter);
}

QString WidgetPrompter::SaveFileName(const FileDialogRequest& r)
{
    QFileDialog dialog(parent_, r.title, r.folder, r.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(r.defaultSuffix);
    if (!r.proposedName.isEmpty())
        dialog.selectFile(QDir(r.folder).filePath(r.proposedName));
    // Qt's dialog asks before a file is overwritten.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace lx
