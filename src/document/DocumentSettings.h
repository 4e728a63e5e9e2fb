#pragma once

#include "puzzle/Engine.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <array>

namespace lx {

// Every parameter of a worksheet that the teacher sets, with its range and its
// default (the value of a new document). The puzzle options that the
// generators read live in `puzzle`.
struct DocumentSettings {
    static constexpr int kMinFontSize = 7;
    static constexpr int kMaxFontSize = 20;
    // The word search's grid: its side, from 5 to 18 cells (the engine's range).
    static constexpr int kMinGridSize = PuzzleEngine::kMinWordSearchSize;
    static constexpr int kMaxGridSize = PuzzleEngine::kMaxWordSearchSize;
    static constexpr int kMinMaxLetters = 3;
    static constexpr int kMaxMaxLetters = 15;

    // Fonts and texts.
    QString gridFontName = QStringLiteral("Arial");
    int gridFontSize = 12;
    bool gridBold = false;
    bool gridItalic = false;
    QString listFontName = QStringLiteral("Arial Narrow");
    int listFontSize = 12;
    bool listBold = false;
    bool listItalic = false;
    QString titleFontName = QStringLiteral("Tahoma");
    QString title;
    QString instruction;

    // Word sources (the theme selection itself is the ThemeList of the document).
    std::array<bool, 5> levels {};   // CP, CE1, CE2, CM1, CM2
    int levelNaming = 0;             // 0 "Classes", 1 "Niveaux"
    QString themeText;               // name of an external list
    int selectedThemeCount = 0;      // -1 while an external list fills the selection
    bool selectAllWords = false;
    int maxLetters = kMaxMaxLetters; // 3 to 15

    // Grid and page.
    bool uppercase = true;
    bool separateColumns = true;
    bool visibleCells = false;
    int lowerHalf = 1;               // 0 "Vide", 1 "Solution", 2 "Copie"
    bool fitToPage = false;          // "Adapter à la page": the grid and list grow to fill their half
    int pictures = 0;                // "Images": 0 "Sans", 1 "À côté des mots", 2 "À la place des mots"

    // The sheet.
    bool nameLine = false;           // "Prénom et date": a line for the pupil's name on each pupil's half
    bool showDirections = true;      // "Indiquer le sens des mots": the direction sentence after the instruction
    bool titleUnderline = true;      // "Titre souligné": the title underlined (else in bold only)

    // Page layout origin of the grid, in page units.
    int GridOriginX = 7;
    int GridOriginY = 28;

    // Game type, grid size, directions, filler, revealed letter and coded values.
    PuzzleSettings puzzle;

    // A new document: the smallest grid, words read left to right only, the
    // revealed letter left to chance ("(?)", the list's one item), as a file
    // without a choice reopens.
    DocumentSettings()
    {
        puzzle.gridSize = kMinGridSize;
        puzzle.directions = { true, false, false, false, false, false };
    }

    QString LevelString() const;       // five digits
    QString DirectionString() const;   // six digits
};

// The settings that a window binds to, one identifier each.
enum class Setting {
    GridFontName, GridFontSize, GridBold, GridItalic,
    ListFontName, ListFontSize, ListBold, ListItalic,
    TitleFontName, Title, Instruction,
    Level0, Level1, Level2, Level3, Level4, LevelNaming, ThemeText, SelectAllWords, MaxLetters,
    GridSize, Uppercase, SeparateColumns, VisibleCells, LowerHalf, GameType,
    FitToPage, Pictures, NameLine, ShowDirections, TitleUnderline, RevealedLetters,
    Direction0, Direction1, Direction2, Direction3, Direction4, Direction5,
    RandomFill, HiddenMessage, ShuffleList,
    ValueMode, RangeFrom, RangeTo,
    Count
};

// The settings of the open document as a model: views read and write values
// through it and are told of every change, the system's own included.
//
// While the system itself changes settings (reset, loading, generation, list
// rebuilds), events are suppressed: the change handlers do nothing and the
// preview is not redrawn. Suppression nests: it is held by SuppressEvents
// guards only, and lasts as long as one of them lives.
class SettingsModel : public QObject {
    Q_OBJECT
public:
    explicit SettingsModel(DocumentSettings& settings, QObject* parent = nullptr);

    DocumentSettings& values() { return s_; }
    const DocumentSettings& values() const { return s_; }

    QVariant Get(Setting id) const;
    // Stores the value, clamped to the setting's range, and tells the views.
    // Returns false when the value is not accepted (wrong type).
    bool Set(Setting id, const QVariant& value);

    bool Suppressed() const { return suppressDepth_ > 0; }

Q_SIGNALS:
    // Every change, the system's own included, so that views stay in step.
    void settingChanged(lx::Setting id);

private:
    friend class SuppressEvents;
    DocumentSettings& s_;
    int suppressDepth_ = 0;
};

// Suppresses events for the lifetime of the guard.
class SuppressEvents {
public:
    explicit SuppressEvents(SettingsModel& model)
        : model_(model)
    {
        ++model_.suppressDepth_;
    }
    ~SuppressEvents() { --model_.suppressDepth_; }
    SuppressEvents(const SuppressEvents&) = delete;
    SuppressEvents& operator=(const SuppressEvents&) = delete;

private:
    SettingsModel& model_;
};

} // namespace lx
