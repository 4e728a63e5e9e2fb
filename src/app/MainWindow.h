#pragma once

#include "app/Controls.h"
#include "document/DocumentActions.h"
#include "document/DocumentSettings.h"

#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPrinter;
class QTimer;

namespace lx {

class BusyState;
class Document;
struct DocumentData;
class Prompter;
class PreviewWidget;
class UpdateChecker;
class WordListModel;
struct PageLayout;

// Whether a window of this inner geometry shows whole in a screen's free room
// (without its taskbar), with the title bar and frame a desktop adds.
bool FitsOnScreen(const QRect& inner, const QRect& room);

// The main window: every control of the worksheet, bound to the open
// document, and the live preview of the page. The window holds no state of
// its own beyond what it shows: each handler hands the change to the
// document, and the document's signals bring the controls and the preview up
// to date.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window shows the document; questions and dialogs go through the
    // prompter: message boxes and file dialogs over the window unless a test
    // gives its own. Documents are looked for in the folders.
    MainWindow(Document& doc, DocumentFolders folders, Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    PreviewWidget* preview() const { return preview_; }
    // The document's commands, asking through the window's prompter.
    DocumentActions& actions() { return actions_; }
    // Busy while a grid is made or versions are printed.
    BusyState& busy() const { return *busy_; }
    // Shows what a command reports, in a message box of its kind.
    void Show(const CommandResult& result);

    // "Créer la grille" (the button, F5 and Ctrl+G).
    void cmdGenerer_Click();
    // The launch: opens its first document (DocumentActions::OpenFirst) and
    // reports it; the preview draws from the moment that document is open.
    void Launch(const QStringList& arguments);

    // The About box (the button and F1), shown modally.
    void cmdAbout_Click();
    // The update check, run silently at start-up and from the About box.
    UpdateChecker& updates() { return *updates_; }
    // Lexigrille was launched again: this window comes to the front and opens
    // the document named on that command line, if any (after the question
    // about unsaved changes). While a dialog is open or the window is busy,
    // the document waits its turn.
    void OpenFromOtherLaunch(const QStringList& arguments);
    // A file dropped on the window: a document opens, a word list is
    // imported (after the work in progress, if any).
    void OpenDroppedFile(const QString& path);
    // The desktop session ends (the teacher logs out or shuts the computer
    // down) with the window open: the copy of unsaved work is kept at once,
    // for the next launch to offer it back.
    void SessionEnding();

    // The print command; printDialog chooses the printer (a test sets its own,
    // which says whether to print: false is a cancelled dialog).
    void cmdImprimer_Click();
    std::function<bool(QPrinter&)> printDialog;
    // "Exporter en PDF": the PDF written, the window says where and offers to
    // open it with openUrl (the desktop's viewer unless a test gives its own;
    // false when no program could open it).
    void ExportPdf();
    std::function<bool(const QUrl&)> openUrl;
    // The page as large as the screen allows, in a window of its own
    // (a double click on the preview, or Ctrl+F2).
    void ShowLargePreview();
    // The menus of the documents and of the lists, filled as they pop up.
    void FillOpenMenu();
    void FillListsMenu();

Q_SIGNALS:
    // A generation ended (whatever its outcome).
    void generationFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building and binding (WindowBindings.cpp).
    void BindSettings();
    void BindWordSources();
    void BindValueBoxes();
    void BindTexts();
    void Refresh(Setting id);
    void RefreshAll();
    void RefreshDerived();
    void RefreshWordCounts();
    void RefreshThemes();
    void RefreshPuzzleControls();
    void RefreshAdvice();
    void RefreshMissingPictures();
    void RefreshValueBoxes();
    void FillFontLists();

    // Menus, printing and dropped files (WindowCommands.cpp).
    void BuildMenus();
    void PasteList();
    // The pages a print or an export makes: the document, or its versions.
    QList<DocumentData> PagesToPrint();

    // Commands (MainWindow.cpp).
    void BuildShortcuts();
    // A command of the document: nothing while the window is busy; its
    // result shown, the focus back to the focus holder.
    void Run(const std::function<CommandResult()>& command);
    void RedrawPreview();
    void OnPageLaidOut(const PageLayout& layout);
    void SetFlashing(bool on);
    void ShowTitleFontList();
    void HideTitleFontList();
    bool ChooseTitleFont(int row); // false for the separator row
    void FocusHolder();

    Document& doc_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter& prompter_;
    DocumentActions actions_;
    BusyState* busy_ = nullptr;
    Controls c_;
    PreviewWidget* preview_ = nullptr;
    QLabel* lblAvertissement_ = nullptr;
    QLabel* lblDeuxiemePage_ = nullptr;
    WordListModel* wordModel_ = nullptr;
    QTimer* tmrFlash_ = nullptr;
    QTimer* tmrCopieTravail_ = nullptr; // the copy of unsaved work
    UpdateChecker* updates_ = nullptr;
    QMenu* mnuOuvrir_ = nullptr;
    QMenu* mnuEnregistrer_ = nullptr;
    QMenu* mnuImporter_ = nullptr;
    QStringList fontRows_;
    bool loading_ = true;
    std::array<std::function<void()>, int(Setting::Count)> refresh_ {};
};

} // namespace lx
