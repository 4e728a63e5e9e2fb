// The game panel: the game type and the options of each game, the grid and
// page options, the fonts and the button that creates the grid.
#include "app/Controls.h"
#include "app/PanelBuilding.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace lx {

using namespace panel;

namespace {

// Frame 0: the word search's directions and free cells.
QWidget* WordSearchOptions(Controls& c, QWidget* parent)
{
    auto* frame = Named(new QWidget(parent), U("fraParametres_0"));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Caption(frame, "Mots à l'endroit"), 0, 0);
    grid->addWidget(Caption(frame, "Mots à l'envers"), 0, 1);
    const char* captions[6] = { "De gauche à droite", "De droite à gauche", "De haut en bas",
                                "De bas en haut", "Diagonales", "Diagonales" };
    for (int i = 0; i < 6; ++i) {
        c.chkSens[i] = Check(frame, Indexed("chkSens", i), captions[i]);
        grid->addWidget(c.chkSens[i], 1 + i / 2, i % 2);
    }
    c.chkSens[4]->setAccessibleName(U("Diagonales à l'endroit"));
    c.chkSens[5]->setAccessibleName(U("Diagonales à l'envers"));
    c.chkIndiquerSens = Check(frame, U("chkIndiquerSens"), "Indiquer le sens des mots",
                              "La consigne dit dans quels sens les mots sont écrits");
    grid->addWidget(c.chkIndiquerSens, 4, 0, 1, 2);
    c.chkAleatoire = Check(frame, U("chkAleatoire"), "Aléatoires");
    c.txtLettresRestantes = Edit(frame, U("txtLettresRestantes"));
    c.txtLettresRestantes->setPlaceholderText(U("Message secret"));
    c.lblLettresRestantes = Named(new QLabel(frame), U("lblLettresRestantes"));
    c.lblLettresRestantes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.lblLettresRestantes->setMinimumWidth(c.lblLettresRestantes->fontMetrics().horizontalAdvance(U("-9999/999")));
    c.chkMelanger = Check(frame, U("chkMelanger"), "Mélanger");
    auto* fill = new QHBoxLayout;
    fill->addWidget(Caption(frame, "Lettres restantes :"));
    fill->addWidget(c.chkAleatoire);
    fill->addStretch();
    fill->addWidget(c.lblLettresRestantes);
    grid->addLayout(fill, 5, 0, 1, 2);
    auto* message = new QHBoxLayout;
    message->addWidget(c.txtLettresRestantes, 1);
    message->addWidget(c.chkMelanger);
    grid->addLayout(message, 6, 0, 1, 2);
    c.lblConseilMessage = Named(new QLabel(frame), U("lblConseilMessage"));
    c.lblConseilMessage->setWordWrap(true);
    c.lblConseilMessage->setVisible(false);
    grid->addWidget(c.lblConseilMessage, 7, 0, 1, 2);
    return frame;
}

// Frame 1: the fill-in grid's revealed letter.
QWidget* FillInOptions(Controls& c, QWidget* parent)
{
    auto* frame = Named(new QWidget(parent), U("fraParametres_1"));
    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(0, 0, 0, 0);
    c.lstLettres = Named(new QListWidget(frame), U("lstLettres"));
    c.lstLettres->setFlow(QListView::LeftToRight);
    c.lstLettres->setWrapping(true);
    c.lstLettres->setResizeMode(QListView::Adjust);
    // One cell per choice, wide enough for "(?)": two rows take every letter.
    const QFontMetrics metrics(c.lstLettres->font());
    const QSize cell(metrics.horizontalAdvance(U("(?)")) + 12, metrics.height() + 8);
    c.lstLettres->setGridSize(cell);
    c.lstLettres->setMaximumHeight(2 * cell.height() + 2 * c.lstLettres->frameWidth() + 4);
    box->addWidget(Caption(frame, "Lettre révélée :", c.lstLettres));
    box->addWidget(c.lstLettres);
    box->addStretch();
    return frame;
}

// Frame 2: the coded words' values and the code of each letter.
QWidget* CodedWordsOptions(Controls& c, QWidget* parent)
{
    auto* frame = Named(new QWidget(parent), U("fraParametres_2"));
    auto* box = new QVBoxLayout(frame);
    box->setContentsMargins(0, 0, 0, 0);
    auto* modes = new QHBoxLayout;
    modes->addWidget(Caption(frame, "Valeurs :"));
    c.optValeurs = Options(frame, "optValeurs", { "De 1 à 26", "De", "Symboles" }, nullptr);
    modes->addWidget(c.optValeurs->button(0));
    modes->addWidget(c.optValeurs->button(1));
    for (int i = 0; i < 2; ++i) {
        c.txtBornes[i] = Edit(frame, Indexed("txtBornes", i));
        c.txtBornes[i]->setMaximumWidth(c.txtBornes[i]->fontMetrics().horizontalAdvance(U("000000")) + 12);
        c.txtBornes[i]->setAccessibleName(i == 0 ? U("Première valeur") : U("Dernière valeur"));
        modes->addWidget(c.txtBornes[i]);
        if (i == 0)
            modes->addWidget(Caption(frame, "à"));
    }
    modes->addWidget(c.optValeurs->button(2));
    modes->addStretch();
    box->addLayout(modes);
    // The 26 letters and their codes, nine per row.
    auto* letters = new QGridLayout;
    letters->setHorizontalSpacing(2);
    for (int i = 0; i < 26; ++i) {
        c.lblLettre[i] = Named(new QLabel(QString(QChar(u'A' + i)), frame), Indexed("lblLettre", i));
        c.lblLettre[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        c.txtLettre[i] = Edit(frame, Indexed("txtLettre", i));
        c.txtLettre[i]->setAccessibleName(U("Code de la lettre ") + QChar(u'A' + i));
        c.txtLettre[i]->setMaximumWidth(c.txtLettre[i]->fontMetrics().horizontalAdvance(U("0000")) + 10);
        c.lblLettre[i]->setBuddy(c.txtLettre[i]);
        letters->addWidget(c.lblLettre[i], i / 9, 2 * (i % 9));
        letters->addWidget(c.txtLettre[i], i / 9, 2 * (i % 9) + 1);
    }
    box->addLayout(letters);
    return frame;
}

QWidget* PageOptions(Controls& c, QWidget* parent)
{
    auto* group = Group(parent, "Grille et page");
    auto* grid = new QGridLayout(group);
    c.hscTaille = Named(new QSlider(Qt::Horizontal, group), U("hscTaille"));
    c.hscTaille->setRange(DocumentSettings::kMinGridSize, DocumentSettings::kMaxGridSize);
    c.hscTaille->setPageStep(1);
    c.hscTaille->setAccessibleName(U("Taille de la grille"));
    c.Label1 = Named(Caption(group, "Ta&ille de la grille :", c.hscTaille), U("Label1"));
    c.lblTaille = Named(new QLabel(U("5×5"), group), U("lblTaille"));
    c.lblTaille->setMinimumWidth(c.lblTaille->fontMetrics().horizontalAdvance(U("18×18")));
    grid->addWidget(c.Label1, 0, 0);
    grid->addWidget(c.hscTaille, 0, 1, 1, 2);
    grid->addWidget(c.lblTaille, 0, 3);
    // What the chosen words need, under the slider.
    c.lblConseilTaille = Named(new QLabel(group), U("lblConseilTaille"));
    c.lblConseilTaille->setWordWrap(true);
    c.lblConseilTaille->hide();
    grid->addWidget(c.lblConseilTaille, 1, 0, 1, 4);
    c.chkMajuscules = Check(group, U("chkMajuscules"), "Majuscules");
    c.chkCases = Check(group, U("chkCases"), "Cases apparentes");
    c.chkSeparation = Check(group, U("chkSeparation"), "Séparer les colonnes");
    grid->addWidget(c.chkMajuscules, 2, 0);
    grid->addWidget(c.chkCases, 2, 1);
    grid->addWidget(c.chkSeparation, 2, 2, 1, 2);
    c.chkAdapter = Check(group, U("chkAdapter"), "Adapter à la page",
                         "La grille et la liste grandissent pour occuper leur moitié de page (ou la page entière)");
    // Pictures for the pupils who cannot read yet, on the same row.
    c.optImages = Named(new QComboBox(group), U("optImages"),
                        "Une image devant chaque mot de la liste, ou à sa place, pour les élèves qui ne lisent pas encore");
    c.optImages->addItems({ U("Sans"), U("À côté des mots"), U("À la place des mots") });
    c.optImages->setAccessibleName(U("Images"));
    auto* fit = new QHBoxLayout;
    fit->addWidget(c.chkAdapter);
    fit->addStretch();
    fit->addWidget(Caption(group, "Image&s :", c.optImages));
    fit->addWidget(c.optImages);
    grid->addLayout(fit, 3, 0, 1, 4);
    auto* lower = new QHBoxLayout;
    c.lblMoitieInf = Named(Caption(group, "Moitié inférieure :"), U("lblMoitieInf"));
    lower->addWidget(c.lblMoitieInf);
    c.optMoitieInf = Options(group, "optMoitieInf", { "Vide", "Solution", "Copie" }, lower);
    lower->addStretch();
    grid->addLayout(lower, 4, 0, 1, 4);

    // The fonts of the grid and of the word list.
    auto fontRow = [&](int row, const char* caption, QComboBox*& combo, const char* comboName, QSpinBox*& size,
                       const char* spinName, const char* boxName, QCheckBox*& bold, const char* boldName,
                       const char* boldCaption, QCheckBox*& italic, const char* italicName, const char* italicCaption) {
        combo = Named(new QComboBox(group), U(comboName));
        combo->setMaxVisibleItems(20);
        size = FontSize(group, spinName, boxName);
        grid->addWidget(Caption(group, caption, combo), row, 0);
        grid->addWidget(combo, row, 1, 1, 2);
        grid->addWidget(size, row, 3);
        bold = Check(group, U(boldName), boldCaption);
        italic = Check(group, U(italicName), italicCaption);
        grid->addWidget(bold, row + 1, 1);
        grid->addWidget(italic, row + 1, 2, 1, 2);
    };
    fontRow(5, "Police de la &grille :", c.cbxPoliceGrille, "cbxPoliceGrille", c.vscTailleGrille, "vscTailleGrille",
            "txtTailleGrille", c.chkGrasGrille, "chkGrasGrille", "Grille en gras", c.chkItaliqueGrille,
            "chkItaliqueGrille", "Grille en italique");
    fontRow(7, "Police de la &liste :", c.cbxPoliceListe, "cbxPoliceListe", c.vscTailleListe, "vscTailleListe",
            "txtTailleListe", c.chkGrasListe, "chkGrasListe", "Liste en gras", c.chkItaliqueListe,
            "chkItaliqueListe", "Liste en italique");
    // The words the list writes for want of a picture: shown only then.
    c.lblSansImage = Named(new QLabel(group), U("lblSansImage"));
    c.lblSansImage->setWordWrap(true);
    c.lblSansImage->hide();
    grid->addWidget(c.lblSansImage, grid->rowCount(), 0, 1, 4); // below the last row
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

} // namespace

QWidget* BuildGamePanel(Controls& c, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* game = Group(panel, "Type de jeu :");
    auto* box = new QVBoxLayout(game);
    auto* types = new QHBoxLayout;
    c.optTypeJeu = Options(game, "optTypeJeu", { "Lexigrille", "Mots casés", "Mots codés" }, types);
    types->addStretch();
    box->addLayout(types);
    c.fraParametres = { WordSearchOptions(c, game), FillInOptions(c, game), CodedWordsOptions(c, game) };
    for (QWidget* frame : c.fraParametres)
        box->addWidget(frame);
    column->addWidget(game);
    column->addWidget(PageOptions(c, panel));
    column->addStretch(1); // the height left goes above the button, not into the boxes

    // "Créer la grille", in a frame that blinks after a generation ran out of time.
    auto* holder = new QWidget(panel);
    auto* stack = new QGridLayout(holder);
    stack->setContentsMargins(0, 0, 0, 0);
    c.shpFlash = Named(new QFrame(holder), U("shpFlash"));
    c.shpFlash->setFrameShape(QFrame::Box);
    c.shpFlash->setLineWidth(3);
    c.shpFlash->setStyleSheet(U("QFrame#shpFlash { border: 3px solid #d00000; }"));
    c.shpFlash->hide();
    c.cmdGenerer = Named(new QPushButton(U("Créer la grille"), holder), U("cmdGenerer"), "Générer la grille (F5 / Ctrl+G)");
    c.cmdGenerer->setMinimumHeight(40);
    QFont bold = c.cmdGenerer->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    c.cmdGenerer->setFont(bold);
    auto* inset = new QWidget(holder);
    auto* insetLayout = new QHBoxLayout(inset);
    insetLayout->setContentsMargins(5, 5, 5, 5);
    insetLayout->addWidget(c.cmdGenerer);
    stack->addWidget(c.shpFlash, 0, 0);
    stack->addWidget(inset, 0, 0);
    column->addWidget(holder);
    c.lblRaisonGenerer = Named(new QLabel(panel), U("lblRaisonGenerer"));
    c.lblRaisonGenerer->setWordWrap(true);
    c.lblRaisonGenerer->setStyleSheet(U("color: #c00000;"));
    c.lblRaisonGenerer->hide();
    column->addWidget(c.lblRaisonGenerer);
    return panel;
}

} // namespace lx
