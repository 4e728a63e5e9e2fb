#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

namespace lx {

class UpdateChecker;


// "À propos": the product's name and version, what it does, links to the
// maker's web page and e-mail address, and the update check on demand.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(UpdateChecker& updates, QWidget* parent = nullptr);

    // The links open here (the desktop's browser or mail program unless a
    // test sets its own).
    std::function<void(const QUrl&)> openUrl;
    // The mail link: the maker's address, the subject "[Lexigrille 0.1] ".
    QUrl MailUrl() const;

private:
    void OpenWebPage();

    UpdateChecker& updates_;
};

} // namespace lx
