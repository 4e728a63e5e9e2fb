#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/BusyState.h"
#include "app/PreviewWidget.h"
#include "app/UpdateCheck.h"
#include "render/SheetPlan.h"
#include "app/WidgetPrompter.h"
#include "core/TextEditing.h"
#include "document/Document.h"
#include "document/GridAdvice.h"
#include "render/FontCatalog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace lx {

// Windows 10's title bar at 100 %, its frame's invisible borders.
static const QMargins kWindowFrame(8, 32, 8, 8);

bool FitsOnScreen(const QRect& inner, const QRect& room)
{
    return room.contains(inner.marginsAdded(kWindowFrame));
}

MainWindow::MainWindow(Document& doc, DocumentFolders folders, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent)
    , doc_(doc)
    , ownPrompter_(prompter ? nullptr : std::make_unique<WidgetPrompter>(this))
    , prompter_(prompter ? *prompter : *ownPrompter_)
    , actions_(doc, prompter_, std::move(folders))
{
    setObjectName(QStringLiteral("frmMain"));
    busy_ = new BusyState(this);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->addWidget(BuildCommandBar(c_, central));
    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);

    // The controls scroll when the screen is small; the preview takes the rest.
    auto* scroll = new QScrollArea(central);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from control to control; the area follows the focus
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* controls = new QWidget(scroll);
    auto* columns = new QHBoxLayout(controls);
    columns->setContentsMargins(0, 0, 6, 0);
    QWidget* sources = BuildSourcesPanel(c_, controls);
    QWidget* game = BuildGamePanel(c_, controls);
    sources->setMaximumWidth(300);
    game->setMaximumWidth(430);
    columns->addWidget(sources);
    columns->addWidget(game);
    scroll->setWidget(controls);
    scroll->setMinimumWidth(controls->sizeHint().width() + 12);
    body->addWidget(scroll, 0);
    preview_ = new PreviewWidget(doc_.data(), central);
    auto* page = new QVBoxLayout;
    page->addWidget(preview_, 1);
    // What does not fit on the page even in small letters.
    lblAvertissement_ = new QLabel(central);
    lblAvertissement_->setObjectName(QStringLiteral("lblAvertissement"));
    lblAvertissement_->setWordWrap(true);
    lblAvertissement_->setStyleSheet(QStringLiteral("color: #c00000;"));
    lblAvertissement_->hide();
    page->addWidget(lblAvertissement_);
    // Where the lower half goes when the worksheet takes the whole page.
    lblDeuxiemePage_ = new QLabel(central);
    lblDeuxiemePage_->setObjectName(QStringLiteral("lblDeuxiemePage"));
    lblDeuxiemePage_->setWordWrap(true);
    lblDeuxiemePage_->hide();
    page->addWidget(lblDeuxiemePage_);
    body->addLayout(page, 1);
    setCentralWidget(central);
    // Enter presses the button that has the focus, as Space does (outside a
    // dialog, Qt's buttons take Space alone).
    for (QPushButton* button : central->findChildren<QPushButton*>())
        button->setAutoDefault(true);

    c_.pctDummy = new QWidget(central);
    c_.pctDummy->setObjectName(QStringLiteral("pctDummy"));
    c_.pctDummy->setFocusPolicy(Qt::ClickFocus); // given the focus by the window, never by Tab
    c_.pctDummy->setFixedSize(0, 0);

    tmrFlash_ = new QTimer(this);
    tmrFlash_->setObjectName(QStringLiteral("tmrFlash"));
    tmrFlash_->setInterval(500);
    connect(tmrFlash_, &QTimer::timeout, this, [this] { c_.shpFlash->setVisible(!c_.shpFlash->isVisible()); });

    updates_ = new UpdateChecker(actions_, this);
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    // Its report never interrupts a generation or a print.
    updates_->whenIdle = [this](std::function<void()> report) { busy_->WhenIdle(std::move(report)); };
    // Leaving for the download page: the teacher has already answered about
    // unsaved work, so the window closes without asking again.
    connect(updates_, &UpdateChecker::quitRequested, this, [this] {
        actions_.DiscardWorkCopy();
        QCoreApplication::exit(0);
    });

    // Every half minute, a copy of the work not yet saved: a crash or a power
    // cut loses no more (the next launch offers it back). Not in the middle
    // of a generation, whose puzzle is half made.
    tmrCopieTravail_ = new QTimer(this);
    tmrCopieTravail_->setObjectName(QStringLiteral("tmrCopieTravail"));
    tmrCopieTravail_->setInterval(kWorkCopySeconds * 1000);
    connect(tmrCopieTravail_, &QTimer::timeout, this, [this] {
        if (!busy_->Busy())
            actions_.KeepWorkCopy();
    });
    tmrCopieTravail_->start();
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { SessionEnding(); });
#endif
    // Saved, or replaced by a document with nothing unsaved: no copy is left.
    connect(&doc_, &Document::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            actions_.KeepWorkCopy();
    });

    FillFontLists();
    BindSettings();
    BindTexts();
    BindWordSources();
    BindValueBoxes();
    BuildShortcuts();
    BuildMenus();

    connect(c_.cmdGenerer, &QPushButton::clicked, this, &MainWindow::cmdGenerer_Click);
    connect(c_.cmdNouveau, &QPushButton::clicked, this, [this] { Run([this] { return actions_.New(); }); });
    connect(c_.cmdAbout, &QPushButton::clicked, this, [this] {
        cmdAbout_Click();
        FocusHolder();
    });
    connect(c_.cmdPolice, &QToolButton::pressed, this, &MainWindow::ShowTitleFontList);
    // One click chooses a font and closes the list, as a font box does (it
    // stayed open, and the letters typed next went to it); the separator
    // row is no font.
    connect(c_.lstPoliceTitre, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (ChooseTitleFont(c_.lstPoliceTitre->row(item)))
            HideTitleFontList();
    });
    connect(c_.lstPoliceTitre, &QListWidget::itemActivated, this, [this] { HideTitleFontList(); });
    c_.lstPoliceTitre->installEventFilter(this);

    connect(&doc_, &Document::titleChanged, this, &QWidget::setWindowTitle);
    connect(&doc_, &Document::redrawRequested, this, &MainWindow::RedrawPreview);
    connect(preview_, &PreviewWidget::pageLaidOut, this, &MainWindow::OnPageLaidOut);
    connect(preview_, &PreviewWidget::enlargeRequested, this, &MainWindow::ShowLargePreview);
    preview_->setToolTip(QStringLiteral("Double-cliquez (ou Ctrl+F2) pour voir la fiche en grand"));
    // A new worksheet, another game: the blinking frame of a time-out ends.
    connect(&doc_, &Document::documentReplaced, this, [this] { SetFlashing(false); });
    connect(&doc_, &Document::settingChanged, this, [this](Setting id) {
        if (id == Setting::GameType)
            SetFlashing(false);
    });
    connect(busy_, &BusyState::busyChanged, this, [this] { RefreshDerived(); });
    // While a generation runs, the window still answers: the generators hand
    // the event loop its turn every few milliseconds. The time limit is the
    // generation clock's alone; a grid-too-small question comes before it starts.
    doc_.SetGenerationHooks({ [] { QCoreApplication::processEvents(QEventLoop::AllEvents); },
                              [this](const QString& question) {
                                  return prompter_.Ask(MessageKind::Proposal, question) == Answer::Yes;
                              } });

    setWindowTitle(doc_.WindowTitle());
    RefreshAll();
    // Where the teacher left the window and their files. The first time, or on
    // a screen smaller than the one it was left on, as large as the preview
    // needs within the screen, title bar and frame above the taskbar too; on a
    // screen smaller than that, maximised.
    const QSettings remembered;
    const bool restored = restoreGeometry(remembered.value(QStringLiteral("fenetre/geometrie")).toByteArray());
    // A classroom's second screen (a projector) is where the teacher left it.
    const QScreen* screen = restored ? QGuiApplication::screenAt(geometry().center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen && (!restored || (!isMaximized() && !FitsOnScreen(geometry(), screen->availableGeometry())))) {
        const QSize wanted = QSize(1600, 1000).grownBy(kWindowFrame);
        QRect outer(QPoint(), wanted.boundedTo(screen->availableSize()));
        outer.moveCenter(screen->availableGeometry().center());
        setGeometry(outer.marginsRemoved(kWindowFrame));
        if (outer.size() != wanted)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    actions_.SetLastFolder(remembered.value(QStringLiteral("dossiers/dernier")).toString());
    actions_.SetLastFolder(remembered.value(QStringLiteral("dossiers/listes")).toString(), DocumentActions::Files::WordLists);
}

MainWindow::~MainWindow()
{
    doc_.SetGenerationHooks({});
}

void MainWindow::Show(const CommandResult& result)
{
    ShowResult(prompter_, result);
}

void MainWindow::Run(const std::function<CommandResult()>& command)
{
    if (busy_->Busy())
        return;
    Show(command());
    FocusHolder();
}

void MainWindow::Launch(const QStringList& arguments)
{
    // OpenFirst calls back once the document is open, whatever it asks next;
    // what the answer opens then redraws as any change does.
    loading_ = true;
    Show(actions_.OpenFirst(arguments, [this] {
        loading_ = false;
        RedrawPreview();
    }));
}

void MainWindow::RedrawPreview()
{
    if (loading_)
        return;
    preview_->Redraw();
}

void MainWindow::OnPageLaidOut(const PageLayout& layout)
{
    // An unfinished grid looks like a whole one: said first.
    const QString warning = QStringList { doc_.GridWarningText(), layout.OverflowText }.join(QLatin1Char(' ')).trimmed();
    lblAvertissement_->setText(WithoutBreaksInside(warning));
    lblAvertissement_->setVisible(!warning.isEmpty());
    const QString notice = LowerHalfNotice(doc_.settings().lowerHalf, layout.LowerHalfAvailable);
    lblDeuxiemePage_->setText(WithoutBreaksInside(notice));
    lblDeuxiemePage_->setVisible(!notice.isEmpty());
}

void MainWindow::FocusHolder()
{
    c_.pctDummy->setFocus(Qt::OtherFocusReason);
}

void MainWindow::BuildShortcuts()
{
    auto key = [this](const QKeySequence& sequence, auto slot) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_F1), [this] { cmdAbout_Click(); });
    key(QKeySequence(Qt::Key_F5), [this] { cmdGenerer_Click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_G), [this] { cmdGenerer_Click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { Run([this] { return actions_.New(); }); });
    key(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Run([this] { return actions_.OpenOther(); }); });
    key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { Run([this] { return actions_.SaveAs(); }); });
    key(QKeySequence(Qt::CTRL | Qt::Key_I), [this] { Run([this] { return actions_.ImportOtherList(); }); });
    // In a text box, Ctrl+V pastes into the box; elsewhere it imports the words.
    key(QKeySequence(Qt::CTRL | Qt::Key_V), [this] { PasteList(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { cmdImprimer_Click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { ExportPdf(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_F2), [this] { ShowLargePreview(); }); // as a word processor's print preview
}

void MainWindow::cmdAbout_Click()
{
    AboutBox about(*updates_, this);
    about.exec();
}

void MainWindow::OpenFromOtherLaunch(const QStringList& arguments)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    const QString path = DocumentToOpen(arguments);
    if (path.isEmpty())
        return;
    // Not in the middle of a question, a dialog, a generation or a print:
    // the document waits its turn.
    busy_->WhenIdle([this, path] { Run([this, path] { return actions_.Open(path); }); }, true);
}

void MainWindow::OpenDroppedFile(const QString& path)
{
    const bool document = QFileInfo(path).suffix().compare(QStringLiteral("lxg"), Qt::CaseInsensitive) == 0;
    busy_->WhenIdle(
        [this, path, document] {
            Run([this, path, document] { return document ? actions_.Open(path) : actions_.ImportList(path); });
        },
        true);
}

void MainWindow::SessionEnding()
{
    // A grid half made is no work to keep: the last copy stands.
    if (!busy_->Busy())
        actions_.KeepWorkCopy();
}

// ---------------------------------------------------------------------------
// "Créer la grille"

void MainWindow::cmdGenerer_Click()
{
    if (busy_->Busy() || !c_.cmdGenerer->isEnabled())
        return;
    if (const std::optional<GenerationResult> refused = doc_.TooFewWords()) {
        FocusHolder();
        Show(GenerationReport(*refused)); // at once: where the words come from
        return;
    }
    SetFlashing(false);
    GenerationResult r;
    {
        // The window takes no input until the generation ends; the event loop still turns.
        BusyState::Guard busy(*busy_);
        c_.cmdGenerer->setText(QStringLiteral("Calculs en cours…"));
        c_.lstLectureMots->setCurrentIndex({});
        doc_.ClearHighlight();
        r = GenerateAsking(doc_, prompter_);
        c_.cmdGenerer->setText(QStringLiteral("Créer la grille"));
    }
    Show(GenerationReport(r));
    switch (r.outcome) {
    case GenerationOutcome::TimedOut:
        SetFlashing(true);
        FocusHolder();
        break;
    case GenerationOutcome::NoThemeSelected:
        c_.lstLectureMots->setFocus();
        break;
    case GenerationOutcome::ThemeWithoutWords:
        c_.lstLectureThemes->setFocus();
        break;
    default:
        FocusHolder();
        break;
    }
    Q_EMIT generationFinished();
}

void MainWindow::SetFlashing(bool on)
{
    c_.shpFlash->setVisible(on);
    if (on)
        tmrFlash_->start();
    else
        tmrFlash_->stop();
}

// ---------------------------------------------------------------------------
// The title's font, chosen in a list that pops up under its button

void MainWindow::ShowTitleFontList()
{
    QListWidget* list = c_.lstPoliceTitre;
    const int row = fontRows_.indexOf(doc_.settings().titleFontName);
    list->setCurrentRow(row);
    list->resize(std::max(240, c_.cmdPolice->width()), 320);
    list->move(c_.cmdPolice->mapToGlobal(QPoint(0, c_.cmdPolice->height())));
    list->show();
    list->raise();
    list->setFocus();
}

void MainWindow::HideTitleFontList()
{
    c_.lstPoliceTitre->hide();
}

bool MainWindow::ChooseTitleFont(int row)
{
    const QString name = fontRows_.value(row);
    if (name.isEmpty() || name == QLatin1String(kFontListSeparator))
        return false;
    doc_.Change(Setting::TitleFontName, name);
    return true;
}

// ---------------------------------------------------------------------------
// Window events

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.lstPoliceTitre && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (key != Qt::Key_Escape)
                ChooseTitleFont(c_.lstPoliceTitre->currentRow());
            HideTitleFontList();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && (watched == c_.txtBornes[0] || watched == c_.txtBornes[1]))
        doc_.LeaveBounds();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Nothing asks about unsaved work while the window is busy.
    if (busy_->Busy()) {
        event->ignore();
        return;
    }
    SetFlashing(false);
    if (!actions_.AskToSave()) {
        event->ignore();
        return;
    }
    actions_.DiscardWorkCopy();
    QSettings remembered;
    remembered.setValue(QStringLiteral("fenetre/geometrie"), saveGeometry());
    remembered.setValue(QStringLiteral("dossiers/dernier"), actions_.LastFolder());
    remembered.setValue(QStringLiteral("dossiers/listes"), actions_.LastFolder(DocumentActions::Files::WordLists));
    event->accept();
}

} // namespace lx
