// The panels of the main window: the command bar, the worksheet's texts and
// word sources, the game and page options. Only layout, captions, ranges and
// tool tips live here; the window binds the controls to the document.
#include "app/Controls.h"
#include "app/PanelBuilding.h"

#include "document/Versions.h"
#include "words/ThemeDatabase.h"
#include "words/Themes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace lx {

using namespace panel;

namespace {

// A list that asks for a few rows only. The word-wrapped notes make the
// controls take their preferred height; with lists of 192 pixels each, that
// passed what a 1366 x 768 screen leaves under its taskbar, and « Créer la
// grille » was out of sight. The lists still take whatever height is left.
template <class List>
class ShortList : public List {
public:
    using List::List;
    QSize sizeHint() const override { return { List::sizeHint().width(), 5 * List::fontMetrics().height() }; }
};

} // namespace

QWidget* BuildCommandBar(Controls& c, QWidget* parent)
{
    auto* bar = new QWidget(parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const char* name, const char* caption, const char* tip, QStyle::StandardPixmap icon) {
        auto* b = Named(new QPushButton(bar->style()->standardIcon(icon), U(caption), bar), U(name), tip);
        b->setAccessibleName(U(tip));
        row->addWidget(b);
        return b;
    };
    c.cmdNouveau = button("cmdNouveau", "Nouvelle", "Nouvelle fiche (Ctrl+N)", QStyle::SP_FileIcon);
    c.cmdOuvrir = button("cmdOuvrir", "Ouvrir", "Ouvrir... (Ctrl+O)", QStyle::SP_DialogOpenButton);
    c.cmdEnregistrer = button("cmdEnregistrer", "Enregistrer", "Enregistrer la fiche (Ctrl+S)", QStyle::SP_DialogSaveButton);
    c.cmdImporterListe = button("cmdImporterListe", "Liste de mots", "Importer une liste de mots (Ctrl+I)",
                                QStyle::SP_FileDialogDetailedView);
    c.cmdImprimer = button("cmdImprimer", "Imprimer", "Imprimer la fiche (Ctrl+P)", QStyle::SP_ComputerIcon);
    c.cmdExporterPdf = button("cmdExporterPdf", "PDF", "Exporter en PDF... (Ctrl+E)", QStyle::SP_DriveFDIcon);
    c.vscVersions = Named(new QSpinBox(bar), U("vscVersions"),
                          "Versions différentes : autant de grilles des mêmes mots, la première celle de l'aperçu, "
                          "pour que deux voisins n'aient pas la même ; avec « Solution », les solutions s'impriment à part, à la suite");
    c.vscVersions->setRange(1, kMaxVersions);
    c.vscVersions->setAccessibleName(U("Versions différentes"));
    row->addWidget(Caption(bar, "&Versions différentes :", c.vscVersions));
    row->addWidget(c.vscVersions);
    row->addStretch();
    c.cmdAbout = button("cmdAbout", "À propos", "À propos... (F1)", QStyle::SP_MessageBoxInformation);
    return bar;
}

QWidget* BuildSourcesPanel(Controls& c, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    // The worksheet's texts, with the title's font.
    auto* texts = Group(panel, "Fiche");
    auto* grid = new QGridLayout(texts);
    c.txtTitre = Edit(texts, U("txtTitre"));
    c.cmdPolice = Named(new QToolButton(texts), U("cmdPolice_0"));
    c.cmdPolice->setText(U("Police…"));
    c.cmdPolice->setAccessibleName(U("Police du titre"));
    c.txtConsigne = Edit(texts, U("txtConsigne"));
    c.txtTheme = Edit(texts, U("txtTheme"));
    grid->addWidget(Caption(texts, "&Titre :", c.txtTitre), 0, 0);
    grid->addWidget(c.txtTitre, 0, 1);
    grid->addWidget(c.cmdPolice, 0, 2);
    grid->addWidget(Caption(texts, "&Consigne :", c.txtConsigne), 1, 0);
    grid->addWidget(c.txtConsigne, 1, 1, 1, 2);
    grid->addWidget(Caption(texts, "T&hème :", c.txtTheme), 2, 0);
    grid->addWidget(c.txtTheme, 2, 1, 1, 2);
    c.chkPrenom = Check(texts, U("chkPrenom"), "Prénom et date",
                        "Une ligne « Prénom : … Date : … » en haut de chaque fiche d'élève");
    c.chkSouligne = Check(texts, U("chkSouligne"), "Titre souligné", "Le titre souligné, ou seulement en gras");
    auto* sheet = new QHBoxLayout;
    sheet->addWidget(c.chkPrenom);
    sheet->addWidget(c.chkSouligne);
    sheet->addStretch();
    grid->addLayout(sheet, 3, 0, 1, 3);
    c.lstPoliceTitre = Named(new QListWidget(panel), U("lstPoliceTitre"));
    c.lstPoliceTitre->setWindowFlags(Qt::Popup);
    c.lstPoliceTitre->setAccessibleName(U("Police du titre"));
    column->addWidget(texts);

    // The word sources: classes, themes, the candidate words.
    auto* words = Named(Group(panel, "Mots"), U("fraListe"));
    auto* box = new QVBoxLayout(words);
    auto* levels = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        c.chkNiveauDB[i] = Check(words, Indexed("chkNiveauDB", i), "");
        c.chkNiveauDB[i]->setText(LevelCaption(i));
        levels->addWidget(c.chkNiveauDB[i]);
    }
    levels->addStretch();
    box->addLayout(levels);
    auto* naming = new QHBoxLayout;
    naming->addWidget(Caption(words, "En-tête :"));
    c.optNiveaux = Options(words, "optNiveaux", { "Classes", "Niveaux" }, naming,
                           { "CP, CE1, CE2…", "Niveau 1, 2, 3…" });
    naming->addStretch();
    box->addLayout(naming);
    c.lstLectureThemes = Named(new ShortList<QListWidget>(words), U("lstLectureThemes"));
    c.lstLectureThemes->setAccessibleName(U("Thèmes"));
    for (int i = 0; i < kThemeCount; ++i) {
        auto* item = new QListWidgetItem(ThemeName(i), c.lstLectureThemes);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    c.lblLectureThemes = Named(new QLabel(U("Aucun thème"), words), U("lblLectureThemes"));
    box->addWidget(Caption(words, "Th&èmes :", c.lstLectureThemes));
    box->addWidget(c.lstLectureThemes, 2);
    box->addWidget(c.lblLectureThemes);
    c.lstLectureMots = Named(new ShortList<QListView>(words), U("lstLectureMots"));
    c.lstLectureMots->setAccessibleName(U("Mots"));
    c.lstLectureMots->setUniformItemSizes(true);
    box->addWidget(Caption(words, "&Mots :", c.lstLectureMots));
    box->addWidget(c.lstLectureMots, 3);
    auto* counts = new QHBoxLayout;
    c.chkLectureTous = Check(words, U("chkLectureTous"), "Tous", "Sélectionner tous les mots");
    c.lblLectureMots = Named(new QLabel(U("0/0"), words), U("lblLectureMots"));
    counts->addWidget(c.chkLectureTous);
    counts->addStretch();
    counts->addWidget(c.lblLectureMots);
    box->addLayout(counts);
    // A chosen word that pupils would also find inside another one.
    c.lblMotsCaches = Named(new QLabel(words), U("lblMotsCaches"));
    c.lblMotsCaches->setWordWrap(true);
    c.lblMotsCaches->setStyleSheet(U("color: #a04000;"));
    c.lblMotsCaches->hide();
    box->addWidget(c.lblMotsCaches);
    auto* letters = new QHBoxLayout;
    c.hscNbLettres = Named(new QSlider(Qt::Horizontal, words), U("hscNbLettres"));
    c.hscNbLettres->setRange(DocumentSettings::kMinMaxLetters, DocumentSettings::kMaxMaxLetters);
    c.hscNbLettres->setValue(15);
    c.hscNbLettres->setAccessibleName(U("Nombre de lettres au plus"));
    c.lblNbLettres = Named(new QLabel(U("15"), words), U("lblNbLettres"));
    c.lblNbLettres->setMinimumWidth(c.lblNbLettres->fontMetrics().horizontalAdvance(U("00")));
    letters->addWidget(c.hscNbLettres, 1);
    letters->addWidget(c.lblNbLettres);
    letters->addWidget(Caption(words, "lettres max."));
    box->addLayout(letters);
    column->addWidget(words, 1);
    return panel;
}

} // namespace lx
