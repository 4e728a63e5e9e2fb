#pragma once

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;
class QWidget;

namespace lx {

// The controls of the main window. Each widget's objectName is its control's
// name ("txtTitre", "chkSens_0"...), so that tests and screen readers find it.
struct Controls {
    // The worksheet's texts.
    QLineEdit* txtTitre = nullptr;
    QLineEdit* txtConsigne = nullptr;
    QLineEdit* txtTheme = nullptr;
    QToolButton* cmdPolice = nullptr;      // "cmdPolice_0": pops the title-font list up
    QListWidget* lstPoliceTitre = nullptr; // the title-font list, a pop-up
    QCheckBox* chkPrenom = nullptr;        // "Prénom et date"
    QCheckBox* chkSouligne = nullptr;      // "Titre souligné"

    // The word sources.
    std::array<QCheckBox*, 5> chkNiveauDB {};
    QButtonGroup* optNiveaux = nullptr;
    QListWidget* lstLectureThemes = nullptr;
    QLabel* lblLectureThemes = nullptr;
    QListView* lstLectureMots = nullptr;
    QCheckBox* chkLectureTous = nullptr;
    QLabel* lblLectureMots = nullptr;
    QSlider* hscNbLettres = nullptr;
    QLabel* lblNbLettres = nullptr;

    // The game type and the options of each game.
    QButtonGroup* optTypeJeu = nullptr;
    std::array<QWidget*, 3> fraParametres {};
    std::array<QCheckBox*, 6> chkSens {};
    QCheckBox* chkIndiquerSens = nullptr;
    QCheckBox* chkAleatoire = nullptr;
    QLineEdit* txtLettresRestantes = nullptr;
    QLabel* lblLettresRestantes = nullptr;
    QLabel* lblConseilMessage = nullptr;
    QLabel* lblConseilTaille = nullptr; // what the chosen words need of the grid
    QLabel* lblMotsCaches = nullptr;    // a chosen word read inside another
    QCheckBox* chkMelanger = nullptr;
    QListWidget* lstLettres = nullptr;
    QButtonGroup* optValeurs = nullptr;
    std::array<QLineEdit*, 2> txtBornes {};
    std::array<QLabel*, 26> lblLettre {};
    std::array<QLineEdit*, 26> txtLettre {};

    // The grid and the page.
    QLabel* Label1 = nullptr; // "Taille de la grille :"
    QSlider* hscTaille = nullptr;
    QLabel* lblTaille = nullptr;
    QCheckBox* chkMajuscules = nullptr;
    QCheckBox* chkCases = nullptr;
    QCheckBox* chkSeparation = nullptr;
    QCheckBox* chkAdapter = nullptr; // "Adapter à la page"
    QLabel* lblMoitieInf = nullptr;
    QButtonGroup* optMoitieInf = nullptr;
    QComboBox* cbxPoliceGrille = nullptr;
    QSpinBox* vscTailleGrille = nullptr; // its text box is "txtTailleGrille"
    QCheckBox* chkGrasGrille = nullptr;
    QCheckBox* chkItaliqueGrille = nullptr;
    QComboBox* cbxPoliceListe = nullptr;
    QSpinBox* vscTailleListe = nullptr; // its text box is "txtTailleListe"
    QCheckBox* chkGrasListe = nullptr;
    QCheckBox* chkItaliqueListe = nullptr;

    // The commands.
    QPushButton* cmdGenerer = nullptr;
    QLabel* lblRaisonGenerer = nullptr; // why "Créer la grille" is disabled
    QFrame* shpFlash = nullptr; // the frame that blinks around cmdGenerer after a time-out
    QPushButton* cmdNouveau = nullptr;
    QPushButton* cmdOuvrir = nullptr;
    QPushButton* cmdEnregistrer = nullptr;
    QPushButton* cmdImprimer = nullptr;
    QPushButton* cmdExporterPdf = nullptr;
    QSpinBox* vscVersions = nullptr; // versions printed or exported: one a page, each its own grid
    QPushButton* cmdImporterListe = nullptr;
    QPushButton* cmdAbout = nullptr;

    QWidget* pctDummy = nullptr; // takes the focus after a command
};

// Builds the panels into the given widgets, in visual order (which is also
// the keyboard order).
QWidget* BuildCommandBar(Controls& c, QWidget* parent);
QWidget* BuildSourcesPanel(Controls& c, QWidget* parent);
QWidget* BuildGamePanel(Controls& c, QWidget* parent);

} // namespace lx
