#include "document/DocumentSettings.h"

namespace lx {

QString DocumentSettings::LevelString() const
{
    QString out;
    for (bool l : levels)
        out += l ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

QString DocumentSettings::DirectionString() const
{
    QString out;
    for (bool d : puzzle.directions)
        out += d ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

SettingsModel::SettingsModel(DocumentSettings& settings, QObject* parent)
    : QObject(parent)
    , s_(settings)
{
}

QVariant SettingsModel::Get(Setting id) const
{
    const PuzzleSettings& p = s_.puzzle;
    switch (id) {
    case Setting::GridFontName: return s_.gridFontName;
    case Setting::GridFontSize: return s_.gridFontSize;
    case Setting::GridBold: return s_.gridBold;
    case Setting::GridItalic: return s_.gridItalic;
    case Setting::ListFontName: return s_.listFontName;
    case Setting::ListFontSize: return s_.listFontSize;
    case Setting::ListBold: return s_.listBold;
    case Setting::ListItalic: return s_.listItalic;
    case Setting::TitleFontName: return s_.titleFontName;
    case Setting::Title: return s_.title;
    case Setting::Instruction: return s_.instruction;
    case Setting::Level0: case Setting::Level1: case Setting::Level2: case Setting::Level3: case Setting::Level4:
        return s_.levels[int(id) - int(Setting::Level0)];
    case Setting::LevelNaming: return s_.levelNaming;
    case Setting::ThemeText: return s_.themeText;
    case Setting::SelectAllWords: return s_.selectAllWords;
    case Setting::MaxLetters: return s_.maxLetters;
    case Setting::GridSize: return p.gridSize;
    case Setting::Uppercase: return s_.uppercase;
    case Setting::SeparateColumns: return s_.separateColumns;
    case Setting::VisibleCells: return s_.visibleCells;
    case Setting::LowerHalf: return s_.lowerHalf;
    case Setting::GameType: return int(p.gameType);
    case Setting::FitToPage: return s_.fitToPage;
    case Setting::Pictures: return s_.pictures;
    case Setting::NameLine: return s_.nameLine;
    case Setting::ShowDirections: return s_.showDirections;
    case Setting::TitleUnderline: return s_.titleUnderline;
    case Setting::RevealedLetters: return p.revealedLetters;
    case Setting::Direction0: case Setting::Direction1: case Setting::Direction2:
    case Setting::Direction3: case Setting::Direction4: case Setting::Direction5:
        return p.directions[int(id) - int(Setting::Direction0)];
    case Setting::RandomFill: return p.randomFill;
    case Setting::HiddenMessage: return p.message;
    case Setting::ShuffleList: return p.shuffleMessage;
    case Setting::ValueMode: return p.valueMode;
    case Setting::RangeFrom: return p.lowerBound;
    case Setting::RangeTo: return p.upperBound;
    case Setting::Count: break;
    }
    return {};
}

bool SettingsModel::Set(Setting id, const QVariant& value)
{
    PuzzleSettings& p = s_.puzzle;
    auto asInt = [&](int low, int high, int& field) {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok)
            return false;
        field = std::clamp(v, low, high);
        return true;
    };
    auto asBool = [&](bool& field) {
        if (!value.canConvert<bool>())
            return false;
        field = value.toBool();
        return true;
    };
    auto asText = [&](QString& field) {
        if (!value.canConvert<QString>())
            return false;
        field = value.toString();
        return true;
    };
    bool ok = false;
    switch (id) {
    case Setting::GridFontName: ok = asText(s_.gridFontName); break;
    case Setting::GridFontSize: ok = asInt(DocumentSettings::kMinFontSize, DocumentSettings::kMaxFontSize, s_.gridFontSize); break;
    case Setting::GridBold: ok = asBool(s_.gridBold); break;
    case Setting::GridItalic: ok = asBool(s_.gridItalic); break;
    case Setting::ListFontName: ok = asText(s_.listFontName); break;
    case Setting::ListFontSize: ok = asInt(DocumentSettings::kMinFontSize, DocumentSettings::kMaxFontSize, s_.listFontSize); break;
    case Setting::ListBold: ok = asBool(s_.listBold); break;
    case Setting::ListItalic: ok = asBool(s_.listItalic); break;
    case Setting::TitleFontName: ok = asText(s_.titleFontName); break;
    case Setting::Title: ok = asText(s_.title); break;
    case Setting::Instruction: ok = asText(s_.instruction); break;
    case Setting::Level0: case Setting::Level1: case Setting::Level2: case Setting::Level3: case Setting::Level4:
        ok = asBool(s_.levels[int(id) - int(Setting::Level0)]);
        break;
    case Setting::LevelNaming: ok = asInt(0, 1, s_.levelNaming); break;
    case Setting::ThemeText: ok = asText(s_.themeText); break;
    case Setting::SelectAllWords: ok = asBool(s_.selectAllWords); break;
    case Setting::MaxLetters: ok = asInt(DocumentSettings::kMinMaxLetters, DocumentSettings::kMaxMaxLetters, s_.maxLetters); break;
    case Setting::GridSize: ok = asInt(DocumentSettings::kMinGridSize, DocumentSettings::kMaxGridSize, p.gridSize); break;
    case Setting::Uppercase: ok = asBool(s_.uppercase); break;
    case Setting::SeparateColumns: ok = asBool(s_.separateColumns); break;
    case Setting::VisibleCells: ok = asBool(s_.visibleCells); break;
    case Setting::LowerHalf: ok = asInt(0, 2, s_.lowerHalf); break;
    case Setting::GameType: {
        int type = int(p.gameType);
        ok = asInt(0, 2, type);
        p.gameType = GameType(type);
        break;
    }
    case Setting::FitToPage: ok = asBool(s_.fitToPage); break;
    case Setting::Pictures: ok = asInt(0, 2, s_.pictures); break;
    case Setting::NameLine: ok = asBool(s_.nameLine); break;
    case Setting::ShowDirections: ok = asBool(s_.showDirections); break;
    case Setting::TitleUnderline: ok = asBool(s_.titleUnderline); break;
    case Setting::RevealedLetters: ok = asInt(-1, 26, p.revealedLetters); break;
    case Setting::Direction0: case Setting::Direction1: case Setting::Direction2:
    case Setting::Direction3: case Setting::Direction4: case Setting::Direction5:
        ok = asBool(p.directions[int(id) - int(Setting::Direction0)]);
        // "De gauche à droite" can never stay cleared.
        p.directions[0] = true;
        break;
    case Setting::RandomFill: ok = asBool(p.randomFill); break;
    case Setting::HiddenMessage: ok = asText(p.message); break;
    case Setting::ShuffleList: ok = asBool(p.shuffleMessage); break;
    case Setting::ValueMode: ok = asInt(0, 2, p.valueMode); break;
    case Setting::RangeFrom: ok = asText(p.lowerBound); break;
    case Setting::RangeTo: ok = asText(p.upperBound); break;
    case Setting::Count: break;
    }
    if (!ok)
        return false;
    Q_EMIT settingChanged(id);
    return true;
}

} // namespace lx
