// The window's commands: the documents, save and lists menus, printing, the
// PDF export, and files dropped on the window. The commands themselves are
// the document's; the window pops the menus up and prints.
#include "app/MainWindow.h"

#include "app/BusyState.h"
#include "app/PreviewWidget.h"
#include "core/FileMenu.h"
#include "core/ProgramInfo.h"
#include "core/TextEditing.h"
#include "document/Document.h"
#include "document/Versions.h"
#include "render/DocumentRenderer.h"
#include "render/PageExport.h"
#include "render/SheetPlan.h"
#include "words/WordListParser.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lx {

namespace {

QAction* Item(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// Why nothing came out of a print that could not start.
QString PrintFailure(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QFileInfo file(printer.outputFileName());
        return QStringLiteral("Le fichier %1 n'a pas pu être écrit dans le dossier %2 : imprimez à nouveau et choisissez "
                              "un autre dossier, celui de vos documents par exemple.")
            .arg(Quoted(file.fileName()), QDir::toNativeSeparators(file.absolutePath()));
    }
    return QStringLiteral("L'impression sur %1 n'a pas pu commencer : vérifiez que l'imprimante est allumée et reliée à "
                          "l'ordinateur, puis imprimez à nouveau.")
        .arg(Quoted(printer.printerName()));
}

// A menu's title: its default (bold) item, which does nothing.
void SetTitle(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* title = Item(menu, name, caption);
    menu->setDefaultAction(title);
    menu->addSeparator();
}

// A files menu from its cleared start: the title (object name `prefix` +
// "Titre") and one item a file (`itemPrefix` + its index), each calling `open`
// with its path; then a separator for the items that follow.
void FillFileMenu(QMenu* menu, const QString& prefix, const QString& itemPrefix, const FileMenu& files,
                  const std::function<void(const QString&)>& open)
{
    menu->clear();
    SetTitle(menu, prefix + QStringLiteral("Titre"), files.title);
    for (int i = 0; i < files.items.size(); ++i) {
        const QString path = files.items[i].path;
        // A "&" of a file name is shown, not taken for a shortcut mark.
        QString caption = files.items[i].caption;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QObject::connect(Item(menu, itemPrefix + QString::number(i), caption), &QAction::triggered, menu,
                         [open, path] { open(path); });
    }
    menu->addSeparator();
}

// A local document or word list among dropped data, else empty.
QString DroppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().constFirst().isLocalFile())
        return {};
    const QString path = mime->urls().constFirst().toLocalFile();
    const bool document = QFileInfo(path).suffix().compare(QStringLiteral("lxg"), Qt::CaseInsensitive) == 0;
    return document || IsWordListFileName(path) ? path : QString();
}

} // namespace

void MainWindow::BuildMenus()
{
    mnuOuvrir_ = new QMenu(this);
    mnuOuvrir_->setObjectName(QStringLiteral("mnuOuvrir"));
    mnuEnregistrer_ = new QMenu(this);
    mnuEnregistrer_->setObjectName(QStringLiteral("mnuEnregistrer"));
    connect(Item(mnuEnregistrer_, QStringLiteral("mnuEnregistrerDocument"), QStringLiteral("Enregistrer comme &document")),
            &QAction::triggered, this, [this] { Run([this] { return actions_.SaveAs(); }); });
    connect(Item(mnuEnregistrer_, QStringLiteral("mnuEnregistrerModele"), QStringLiteral("Enregistrer comme &modèle par défaut")),
            &QAction::triggered, this, [this] { Run([this] { return actions_.SaveAsTemplate(); }); });
    mnuImporter_ = new QMenu(this);
    mnuImporter_->setObjectName(QStringLiteral("mnuImporter"));

    connect(c_.cmdOuvrir, &QPushButton::clicked, this, [this] {
        FillOpenMenu();
        mnuOuvrir_->popup(c_.cmdOuvrir->mapToGlobal(QPoint(0, c_.cmdOuvrir->height())));
    });
    connect(c_.cmdEnregistrer, &QPushButton::clicked, this,
            [this] { mnuEnregistrer_->popup(c_.cmdEnregistrer->mapToGlobal(QPoint(0, c_.cmdEnregistrer->height()))); });
    connect(c_.cmdImporterListe, &QPushButton::clicked, this, [this] {
        FillListsMenu();
        mnuImporter_->popup(c_.cmdImporterListe->mapToGlobal(QPoint(0, c_.cmdImporterListe->height())));
    });
    connect(c_.cmdImprimer, &QPushButton::clicked, this, &MainWindow::cmdImprimer_Click);
    connect(c_.cmdExporterPdf, &QPushButton::clicked, this, &MainWindow::ExportPdf);
    setAcceptDrops(true);
}

void MainWindow::FillOpenMenu()
{
    FillFileMenu(mnuOuvrir_, QStringLiteral("mnuOuvrir"), QStringLiteral("mnuOuvrirItem_"), actions_.AvailableDocuments(),
                 [this](const QString& path) { Run([this, path] { return actions_.Open(path); }); });
    connect(Item(mnuOuvrir_, QStringLiteral("mnuOuvrirAutre"), QStringLiteral("Ouvrir un &autre fichier...")),
            &QAction::triggered, this, [this] { Run([this] { return actions_.OpenOther(); }); });
}

void MainWindow::FillListsMenu()
{
    FillFileMenu(mnuImporter_, QStringLiteral("mnuImporter"), QStringLiteral("mnuImporterFichierItem_"),
                 actions_.AvailableWordLists(),
                 [this](const QString& path) { Run([this, path] { return actions_.ImportList(path); }); });
    connect(Item(mnuImporter_, QStringLiteral("mnuImporterAutre"), QStringLiteral("Importer une &autre liste...")),
            &QAction::triggered, this, [this] { Run([this] { return actions_.ImportOtherList(); }); });
    connect(Item(mnuImporter_, QStringLiteral("mnuImporterColler"), QStringLiteral("&Coller depuis le presse-papiers")),
            &QAction::triggered, this, &MainWindow::PasteList);
}

void MainWindow::PasteList()
{
    Run([this] {
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        return actions_.PasteList(QGuiApplication::clipboard()->text(), copied && copied->hasHtml() ? copied->html() : QString());
    });
}

// The page in a window as tall as the screen: on a small screen the preview
// beside the controls is too small to read. A double click, or Escape, closes it.
void MainWindow::ShowLargePreview()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmApercu"));
    dialog.setWindowTitle(QStringLiteral("Aperçu de la fiche"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* large = new PreviewWidget(doc_.data(), &dialog);
    large->setObjectName(QStringLiteral("pctApercu"));
    large->setToolTip(QStringLiteral("Double-cliquez ou appuyez sur Échap pour fermer"));
    layout->addWidget(large);
    connect(large, &PreviewWidget::enlargeRequested, &dialog, &QDialog::accept);
    // The sheet's proportions, in the height the screen gives.
    const QRect room = screen()->availableGeometry();
    const int height = room.height() * 9 / 10;
    dialog.resize(std::min(room.width() * 9 / 10, height * 210 / 297), height);
    dialog.exec();
}

// ---------------------------------------------------------------------------
// Printing and PDF

void MainWindow::cmdImprimer_Click()
{
    if (busy_->Busy())
        return;
    if (const QString question = doc_.PrintQuestion(c_.vscVersions->value()); !question.isEmpty()) {
        if (prompter_.Ask(MessageKind::Question, question) != Answer::Yes) {
            FocusHolder();
            return;
        }
    }
    QPrinter printer(QPrinter::HighResolution);
    // The print job's name, and the file a print to PDF proposes.
    const QString title = FileNameSafe(doc_.settings().title);
    printer.setDocName(title.isEmpty() ? ProductName() : title);
    const bool chosen = printDialog ? printDialog(printer) : [&] {
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (chosen) {
        // Paper never shows the highlight of a clicked word; after printing
        // none is left in the preview either.
        c_.lstLectureMots->setCurrentIndex({});
        doc_.ClearHighlight();
        // The page is drawn in the sheet's own coordinates, as the PDF is:
        // what falls in the printer's margins is the printer's to clip.
        printer.setFullPage(true);
        if (const QList<DocumentData> pages = PagesToPrint(); !pages.isEmpty() && DrawPages(printer, pages).isEmpty())
            prompter_.Ask(MessageKind::Error, PrintFailure(printer));
        RedrawPreview();
    }
    FocusHolder();
}

QList<DocumentData> MainWindow::PagesToPrint()
{
    const int count = c_.vscVersions->value();
    if (count <= 1)
        return { doc_.data() };
    // Each version after the grid shown is a new generation of the same
    // words: the window is busy meanwhile, and the teacher may give up.
    BusyState::Guard busy(*busy_);
    QProgressDialog progress(QStringLiteral("Création des versions…"), QStringLiteral("Annuler"), 0, count, this);
    progress.setWindowTitle(ProductName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const Versions versions = MakeVersions(
        doc_, count, VersionsSeed(doc_.data()),
        [] { QCoreApplication::processEvents(); },
        [&progress](int made) {
            progress.setValue(made);
            return !progress.wasCanceled();
        },
        {}, true);
    if (!versions.error.isEmpty())
        prompter_.Ask(MessageKind::Error, versions.error);
    return versions.pages;
}

void MainWindow::ExportPdf()
{
    if (busy_->Busy())
        return;
    // A PDF is printed later: the same question first.
    if (const QString question = doc_.PrintQuestion(c_.vscVersions->value());
        !question.isEmpty() && prompter_.Ask(MessageKind::Question, question) != Answer::Yes) {
        FocusHolder();
        return;
    }
    const QString name = doc_.DocumentName().isEmpty() ? doc_.ProposedFileName()
                                                       : QFileInfo(doc_.DocumentName()).completeBaseName();
    const QString path = AskSavePath(prompter_, { QStringLiteral("Exporter en PDF"), QStringLiteral("Documents PDF (*.pdf)"),
                                                  actions_.DialogFolder(), name + QStringLiteral(".pdf"), QStringLiteral("pdf") });
    if (!path.isEmpty()) {
        actions_.Remember(path);
        if (const QList<DocumentData> pages = PagesToPrint(); !pages.isEmpty()) {
            QString error;
            PrintPlan plan;
            if (!WritePagesPdf(pages, path, &error, nullptr, &plan))
                prompter_.Ask(MessageKind::Error, error);
            else if (prompter_.Ask(MessageKind::Offer, PdfWrittenOffer(path, int(plan.sheets.size()))) == Answer::Yes
                     && !openUrl(QUrl::fromLocalFile(path))) {
                const QFileInfo file(path);
                prompter_.Ask(MessageKind::Error, QStringLiteral("Aucun programme n'a pu ouvrir ") + Quoted(file.fileName())
                                  + QStringLiteral(" : installez un lecteur de PDF, ou ouvrez le fichier depuis le dossier ")
                                  + Quoted(QDir::toNativeSeparators(file.absolutePath())) + QStringLiteral("."));
            }
        }
    }
    FocusHolder();
}

// ---------------------------------------------------------------------------
// Files dropped on the window: a document opens, a word list is imported.

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenDroppedFile(path);
}

} // namespace lx
