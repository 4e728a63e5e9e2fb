#include "words/Themes.h"

#include "core/Plural.h"
#include "words/WordForms.h"

#include <QRegularExpression>

#include <algorithm>

namespace lx {

QString ThemeCodes()
{
    return QStringLiteral("édaArCoERlFLIMimuNnOPTt123V");
}

QString ThemeName(int index)
{
    static const char* const names[kThemeCount] = {
        "Activités, métiers", "Adjectifs", "Alimentation, cuisine", "Animaux", "Arbres, arbustes",
        "Corps humain", "Couleurs", "École", "Espace (repérage)", "Fleurs", "Fruits", "Légumes",
        "Lieux", "Maison", "Matières, métaux", "Météo", "Musique", "Nature, environnement",
        "Nombres", "Objets", "Personnes, personnages", "Temps (repérage)", "Transports",
        "Verbes (1er groupe)", "Verbes (2e groupe)", "Verbes (3e groupe)", "Vêtements",
    };
    if (index < 0 || index >= kThemeCount)
        return {};
    return QString::fromUtf8(names[index]);
}

int ThemeIndexOfCode(QChar code)
{
    return int(ThemeCodes().indexOf(code));
}

namespace {

// A theme's name as typed is compared by its letters, without accents or
// case, and its digits ("verbes 1" is the first group's).
QString NameKey(const QString& name)
{
    QString key;
    for (QChar c : name)
        key += c.isDigit() ? QString(c) : LettersOnly(QString(c));
    return key;
}

} // namespace

int ThemeIndexOfName(const QString& name)
{
    const QString wanted = NameKey(name);
    for (int i = 0; i < kThemeCount && !wanted.isEmpty(); ++i) {
        if (NameKey(ThemeName(i)) == wanted)
            return i;
    }
    return -1;
}

QList<int> ThemesStartingWith(const QString& start)
{
    const QString wanted = NameKey(start);
    if (wanted.isEmpty())
        return {};
    QList<int> themes;
    for (int i = 0; i < kThemeCount; ++i) {
        if (NameKey(ThemeName(i)).startsWith(wanted))
            themes << i;
    }
    if (!themes.isEmpty())
        return themes;
    // "metiers" means "Activités, métiers": when no name starts so, one of its other words may.
    static const QRegularExpression between(QStringLiteral("[ ,()]+"));
    const auto starts = [&wanted](const QString& w) { return w[0].isLetter() && NameKey(w).startsWith(wanted); };
    for (int i = 0; i < kThemeCount; ++i) {
        const QStringList words = ThemeName(i).split(between, Qt::SkipEmptyParts);
        if (std::any_of(words.begin() + 1, words.end(), starts))
            themes << i;
    }
    return themes;
}

int ThemeList::SelectedCount() const
{
    int n = 0;
    for (bool s : selected)
        n += s ? 1 : 0;
    return n;
}

QString ThemeList::SelectedCodes() const
{
    const QString codes = ThemeCodes();
    QString out;
    for (int i = 0; i < kThemeCount; ++i) {
        if (selected[i])
            out += codes[i];
    }
    return out;
}

QStringList ThemeList::SelectedNames() const
{
    QStringList out;
    for (int i = 0; i < kThemeCount; ++i) {
        if (selected[i])
            out << ThemeName(i);
    }
    return out;
}

void ThemeList::ClearSelection()
{
    selected.fill(false);
}

QString ThemeLabelText(int selectedCount)
{
    if (selectedCount >= 1)
        return PluralLabel(selectedCount, QString::fromUtf8("thème"), true);
    return QString::fromUtf8("Aucun thème");
}

} // namespace lx
