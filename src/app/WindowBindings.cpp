// The window's controls bound to the document: a control hands every change
// the teacher makes to the document, and the document's signals bring every
// control up to date, the system's own changes (reset, opening, generation)
// included. A control is written with its signals blocked, so that showing a
// value never counts as the teacher's change.
#include "app/MainWindow.h"

#include "app/BusyState.h"
#include "app/TextBoxKeys.h"
#include "app/WordListModel.h"
#include "core/TextEditing.h"
#include "document/Document.h"
#include "document/GridAdvice.h"
#include "render/FontCatalog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace lx {

namespace {

Setting Nth(Setting first, int i)
{
    return Setting(int(first) + i);
}

void ShowError(QLineEdit* box, bool error)
{
    QFont font = box->font();
    font.setBold(error);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, error ? QColor(255, 0, 0) : QApplication::palette(box).color(QPalette::Text));
    box->setPalette(palette);
}

// A note's quiet colour: the desktop's text, two fifths of the way to its
// background (dark grey on a light desktop, light grey on a dark one).
QColor Quiet(const QWidget* label)
{
    const QPalette desktop = QApplication::palette(label);
    const QColor text = desktop.color(QPalette::WindowText), back = desktop.color(QPalette::Window);
    const auto mix = [](int a, int b) { return qRound(a + 0.4 * (b - a)); };
    return QColor(mix(text.red(), back.red()), mix(text.green(), back.green()), mix(text.blue(), back.blue()));
}

void SetLabelColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

void MainWindow::BindSettings()
{
    auto check = [&](QCheckBox* box, Setting id) {
        connect(box, &QCheckBox::toggled, this, [this, id](bool on) { doc_.Change(id, on); });
        refresh_[int(id)] = [box, id, this] {
            const QSignalBlocker block(box);
            box->setChecked(doc_.Get(id).toBool());
        };
    };
    auto text = [&](QLineEdit* box, Setting id) {
        connect(box, &QLineEdit::textEdited, this, [this, id](const QString& t) { doc_.Change(id, t); });
        refresh_[int(id)] = [box, id, this] {
            const QString value = doc_.Get(id).toString();
            if (box->text() != value) {
                const QSignalBlocker block(box);
                // A text the teacher did not type shows from its start; one
                // they are typing (a refused character) keeps its place.
                const int cursor = box->hasFocus() ? std::min<int>(box->cursorPosition(), int(value.size())) : 0;
                box->setText(value);
                box->setCursorPosition(cursor);
            }
        };
    };
    auto options = [&](QButtonGroup* group, Setting id) {
        connect(group, &QButtonGroup::idToggled, this, [this, id](int i, bool on) {
            if (on)
                doc_.Change(id, i);
        });
        refresh_[int(id)] = [group, id, this] {
            const QSignalBlocker block(group);
            if (QAbstractButton* button = group->button(doc_.Get(id).toInt()))
                button->setChecked(true);
        };
    };
    auto slider = [&](QAbstractSlider* s, Setting id) {
        connect(s, &QAbstractSlider::valueChanged, this, [this, id](int v) { doc_.Change(id, v); });
        refresh_[int(id)] = [s, id, this] {
            const QSignalBlocker block(s);
            s->setValue(doc_.Get(id).toInt());
        };
    };
    auto spin = [&](QSpinBox* s, Setting id) {
        connect(s, &QSpinBox::valueChanged, this, [this, id](int v) { doc_.Change(id, v); });
        refresh_[int(id)] = [s, id, this] {
            const QSignalBlocker block(s);
            s->setValue(doc_.Get(id).toInt());
        };
    };
    auto combo = [&](QComboBox* box, Setting id) {
        connect(box, &QComboBox::activated, this, [this, box, id](int row) {
            const QString name = box->itemText(row);
            if (name == QLatin1String(kFontListSeparator) || name.isEmpty())
                Refresh(id); // the separator row is no font
            else
                doc_.Change(id, name);
        });
        refresh_[int(id)] = [box, id, this] {
            const QSignalBlocker block(box);
            const QString name = doc_.Get(id).toString();
            box->setCurrentIndex(name.isEmpty() ? -1 : box->findText(name, Qt::MatchFixedString));
        };
    };

    auto choice = [&](QComboBox* box, Setting id) {
        connect(box, &QComboBox::activated, this, [this, id](int row) { doc_.Change(id, row); });
        refresh_[int(id)] = [box, id, this] {
            const QSignalBlocker block(box);
            box->setCurrentIndex(doc_.Get(id).toInt());
        };
    };

    combo(c_.cbxPoliceGrille, Setting::GridFontName);
    spin(c_.vscTailleGrille, Setting::GridFontSize);
    check(c_.chkGrasGrille, Setting::GridBold);
    check(c_.chkItaliqueGrille, Setting::GridItalic);
    combo(c_.cbxPoliceListe, Setting::ListFontName);
    spin(c_.vscTailleListe, Setting::ListFontSize);
    check(c_.chkGrasListe, Setting::ListBold);
    check(c_.chkItaliqueListe, Setting::ListItalic);
    text(c_.txtTitre, Setting::Title);
    text(c_.txtConsigne, Setting::Instruction);
    text(c_.txtTheme, Setting::ThemeText);
    for (int i = 0; i < 5; ++i)
        check(c_.chkNiveauDB[i], Nth(Setting::Level0, i));
    options(c_.optNiveaux, Setting::LevelNaming);
    check(c_.chkLectureTous, Setting::SelectAllWords);
    // "Tous" shows the words' checks, not the last click on it.
    refresh_[int(Setting::SelectAllWords)] = [this] { RefreshWordCounts(); };
    slider(c_.hscNbLettres, Setting::MaxLetters);
    slider(c_.hscTaille, Setting::GridSize);
    check(c_.chkMajuscules, Setting::Uppercase);
    check(c_.chkSeparation, Setting::SeparateColumns);
    check(c_.chkCases, Setting::VisibleCells);
    check(c_.chkAdapter, Setting::FitToPage);
    choice(c_.optImages, Setting::Pictures);
    check(c_.chkPrenom, Setting::NameLine);
    check(c_.chkSouligne, Setting::TitleUnderline);
    check(c_.chkIndiquerSens, Setting::ShowDirections);
    options(c_.optMoitieInf, Setting::LowerHalf);
    options(c_.optTypeJeu, Setting::GameType);
    for (int i = 0; i < 6; ++i)
        check(c_.chkSens[i], Nth(Setting::Direction0, i));
    check(c_.chkAleatoire, Setting::RandomFill);
    text(c_.txtLettresRestantes, Setting::HiddenMessage);
    check(c_.chkMelanger, Setting::ShuffleList);
    options(c_.optValeurs, Setting::ValueMode);
    text(c_.txtBornes[0], Setting::RangeFrom);
    text(c_.txtBornes[1], Setting::RangeTo);
    // The title's font is chosen in its pop-up list.
    refresh_[int(Setting::TitleFontName)] = [this] {
        const QString name = doc_.settings().titleFontName;
        c_.cmdPolice->setToolTip(name);
        QFont font = c_.txtTitre->font();
        font.setFamily(name.isEmpty() ? QFont().family() : name);
        c_.txtTitre->setFont(font);
        c_.txtConsigne->setFont(font);
    };

    connect(&doc_, &Document::settingChanged, this, &MainWindow::Refresh);
    // A character the document file cannot hold: said once, the box as it was.
    connect(&doc_, &Document::textRefused, this,
            [this](Setting, const QString& message) { prompter_.Ask(MessageKind::Warning, message); });
    connect(&doc_, &Document::documentReplaced, this, &MainWindow::RefreshAll);
    connect(&doc_, &Document::generateEnabledChanged, this, [this] { RefreshDerived(); });
    connect(&doc_, &Document::wordCountsChanged, this, &MainWindow::RefreshMissingPictures);
    connect(&doc_, &Document::puzzleChanged, this, &MainWindow::RefreshMissingPictures);
}

void MainWindow::BindTexts()
{
    auto rules = [](QWidget* enterGoesTo) {
        TextBoxRules r;
        r.enterGoesTo = enterGoesTo;
        return r;
    };
    InstallTextBoxRules(c_.txtTitre, rules(c_.txtConsigne));
    InstallTextBoxRules(c_.txtConsigne, rules(nullptr));
    TextBoxRules theme = rules(c_.txtConsigne);
    theme.refused = QStringLiteral("*");
    InstallTextBoxRules(c_.txtTheme, theme);
    TextBoxRules message = rules(c_.txtConsigne);
    message.refused = QStringLiteral(",");
    message.upperCase = true;
    InstallTextBoxRules(c_.txtLettresRestantes, message);
    for (int i = 0; i < 2; ++i) {
        TextBoxRules bound = rules(c_.txtBornes[(i + 1) % 2]);
        bound.deletesWords = false;
        bound.digitsOnly = true;
        bound.selectAllOnFocus = true;
        InstallTextBoxRules(c_.txtBornes[i], bound);
        c_.txtBornes[i]->installEventFilter(this); // leaving a bound box puts the bounds in order
    }
    for (int i = 0; i < 26; ++i) {
        TextBoxRules code = rules(c_.txtLettre[(i + 1) % 26]);
        code.selectAllOnFocus = true;
        InstallTextBoxRules(c_.txtLettre[i], code);
    }
}

void MainWindow::BindWordSources()
{
    wordModel_ = new WordListModel(doc_, this);
    c_.lstLectureMots->setModel(wordModel_);
    connect(c_.lstLectureMots->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { doc_.ClickWord(current.isValid() ? current.row() : -1); });
    connect(c_.lstLectureThemes, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        doc_.CheckTheme(c_.lstLectureThemes->row(item), item->checkState() == Qt::Checked);
    });
    connect(&doc_, &Document::wordListChanged, wordModel_, &WordListModel::Reload);
    connect(&doc_, &Document::wordCountsChanged, this, &MainWindow::RefreshWordCounts);
    connect(&doc_, &Document::themesChanged, this, &MainWindow::RefreshThemes);
    connect(&doc_, &Document::themeLabelChanged, c_.lblLectureThemes, &QLabel::setText);
    connect(&doc_, &Document::puzzleChanged, this, &MainWindow::RefreshPuzzleControls);
    connect(c_.lstLettres, &QListWidget::currentRowChanged, this, [this](int row) { doc_.ChooseRevealLetter(row); });
}

void MainWindow::BindValueBoxes()
{
    for (int i = 0; i < 26; ++i)
        connect(c_.txtLettre[i], &QLineEdit::textEdited, this, [this, i](const QString& t) { doc_.SetLetterCodeText(i, t); });
    connect(&doc_, &Document::valueBoxesChanged, this, &MainWindow::RefreshValueBoxes);
}

void MainWindow::FillFontLists()
{
    fontRows_ = FontListRows(doc_.fontNames());
    for (QComboBox* box : { c_.cbxPoliceGrille, c_.cbxPoliceListe }) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(fontRows_);
    }
    c_.lstPoliceTitre->clear();
    c_.lstPoliceTitre->addItems(fontRows_);
}

void MainWindow::Refresh(Setting id)
{
    if (refresh_[int(id)])
        refresh_[int(id)]();
    RefreshDerived();
}

void MainWindow::RefreshAll()
{
    for (const auto& refresh : refresh_) {
        if (refresh)
            refresh();
    }
    RefreshDerived();
    RefreshWordCounts();
    RefreshThemes();
    RefreshPuzzleControls();
    RefreshValueBoxes();
}

// What follows from the settings: which game's options show, the captions
// and labels that repeat a value, what is enabled.
void MainWindow::RefreshDerived()
{
    const DocumentSettings& s = doc_.settings();
    const int type = int(s.puzzle.gameType);
    for (int i = 0; i < 3; ++i)
        c_.fraParametres[i]->setVisible(i == type);
    const bool wordSearch = type == int(GameType::WordSearch);
    c_.Label1->setVisible(wordSearch);
    c_.lblTaille->setVisible(wordSearch);
    c_.hscTaille->setVisible(wordSearch);
    c_.chkCases->setVisible(wordSearch);
    c_.chkMajuscules->setVisible(true);
    c_.chkSeparation->setVisible(type != int(GameType::CodedWords));
    // Coded words have no list: its pictures and its letters change nothing.
    const bool list = type != int(GameType::CodedWords);
    for (QWidget* w : std::initializer_list<QWidget*> { c_.optImages, c_.cbxPoliceListe, c_.vscTailleListe, c_.chkGrasListe, c_.chkItaliqueListe })
        w->setEnabled(list);
    c_.lblTaille->setText(QStringLiteral("%1×%1").arg(s.puzzle.gridSize));
    c_.lblNbLettres->setText(QString::number(s.maxLetters));
    c_.chkAleatoire->setText(s.puzzle.randomFill ? QStringLiteral("Aléatoires") : QStringLiteral("Définies"));
    c_.lblLettresRestantes->setVisible(!s.puzzle.randomFill);
    for (QLineEdit* bound : c_.txtBornes)
        bound->setEnabled(s.puzzle.valueMode == 1);
    c_.cmdGenerer->setEnabled(doc_.GenerateEnabled() && !busy_->Busy());
    const QString reason = doc_.GenerateDisabledReason();
    c_.lblRaisonGenerer->setText(WithoutBreaksInside(reason));
    c_.lblRaisonGenerer->setVisible(!reason.isEmpty());
    RefreshAdvice();
    RefreshMissingPictures();
}

void MainWindow::RefreshAdvice()
{
    const QString advice = QStringList { doc_.MessageLeftOutText(), doc_.MessageSizeAdvice() }.join(QLatin1Char(' ')).trimmed();
    c_.lblConseilMessage->setText(WithoutBreaksInside(advice));
    c_.lblConseilMessage->setVisible(!advice.isEmpty());
    const SizeHint hint = GridSizeHint(doc_);
    c_.lblConseilTaille->setText(WithoutBreaksInside(hint.text));
    c_.lblConseilTaille->setVisible(!hint.text.isEmpty());
    SetLabelColour(c_.lblConseilTaille, hint.tooSmall ? QColor(192, 0, 0) : Quiet(c_.lblConseilTaille));
    const QString hidden = ContainedWordsWarning(doc_);
    c_.lblMotsCaches->setText(WithoutBreaksInside(hidden));
    c_.lblMotsCaches->setVisible(!hidden.isEmpty());
}

void MainWindow::RefreshMissingPictures()
{
    const QString missing = doc_.MissingPicturesText();
    c_.lblSansImage->setText(WithoutBreaksInside(missing));
    c_.lblSansImage->setVisible(!missing.isEmpty());
}

// The checked words' count, and what the words change of the message advice.
void MainWindow::RefreshWordCounts()
{
    const WordCountLabel& counts = doc_.WordCounts();
    c_.lblLectureMots->setText(counts.text);
    // "Tous" ticked when every word is, unticked otherwise.
    {
        const QSignalBlocker block(c_.chkLectureTous);
        const WordSelectionList& words = doc_.words();
        c_.chkLectureTous->setChecked(words.Count() > 0 && words.CheckedCount() == words.Count());
    }
    SetLabelColour(c_.lblLectureMots, counts.colour == WordCountLabel::Colour::Red ? QColor(255, 0, 0) : Quiet(c_.lblLectureMots));
    RefreshAdvice();
}

void MainWindow::RefreshThemes()
{
    c_.lblLectureThemes->setText(doc_.ThemeLabel());
    const QSignalBlocker block(c_.lstLectureThemes);
    for (int i = 0; i < c_.lstLectureThemes->count(); ++i)
        c_.lstLectureThemes->item(i)->setCheckState(doc_.themes().selected[i] ? Qt::Checked : Qt::Unchecked);
    c_.lstLectureThemes->setEnabled(doc_.themes().enabled);
    c_.txtTheme->setEnabled(doc_.ThemeTextEditable());
    c_.txtTheme->setToolTip(doc_.ThemeTextEditable() ? QString()
                                                     : QStringLiteral("Le thème de l'en-tête est celui des thèmes cochés."));
}

void MainWindow::RefreshPuzzleControls()
{
    const PuzzleState& z = doc_.puzzle();
    const LetterBalanceLabel& balance = z.BalanceLabel;
    c_.lblLettresRestantes->setText(balance.text);
    c_.lblLettresRestantes->setToolTip(balance.explanation);
    SetLabelColour(c_.lblLettresRestantes, balance.colour == BalanceColour::Red ? QColor(255, 0, 0) : QColor(0, 128, 0));
    c_.chkMelanger->setEnabled(!z.MessageText.isEmpty());
    RefreshAdvice();

    const QSignalBlocker block(c_.lstLettres);
    c_.lstLettres->clear();
    int current = -1;
    for (int i = 0; i < z.RevealChoices.size(); ++i) {
        c_.lstLettres->addItem(z.RevealChoices[i].text);
        c_.lstLettres->item(i)->setTextAlignment(Qt::AlignCenter);
        if (current < 0 && z.RevealChoices[i].text.compare(doc_.settings().puzzle.revealChoice, Qt::CaseInsensitive) == 0)
            current = i;
    }
    c_.lstLettres->setCurrentRow(current);
}

void MainWindow::RefreshValueBoxes()
{
    const PuzzleSettings& p = doc_.settings().puzzle;
    for (int i = 0; i < 26; ++i) {
        QLineEdit* box = c_.txtLettre[i];
        if (box->text() != p.letterCodeTexts[i]) {
            const QSignalBlocker block(box);
            box->setText(p.letterCodeTexts[i]);
        }
        // An empty box keeps how it looked.
        if (const auto error = doc_.LetterCodeError(i))
            ShowError(box, *error);
    }
    for (QLineEdit* bound : c_.txtBornes)
        ShowError(bound, doc_.BoundsError());
}

} // namespace lx
