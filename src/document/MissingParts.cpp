#include "document/MissingParts.h"

#include "core/TextEditing.h"
#include "document/DocumentFile.h"
#include "document/DocumentValues.h"
#include "puzzle/PuzzleState.h"

namespace lx {

QStringList MissingParts(const IniReader& ini)
{
    const QString section = QLatin1String(kDocumentSection);
    const auto has = [&](const QString& key) { return ini.HasKey(section, key); };
    const auto count = [&](const QString& prefix, int n) {
        int present = 0;
        for (int i = 0; i < n; ++i)
            present += has(prefix + QString::number(i)) ? 1 : 0;
        return present;
    };
    // The program writes its keys in this order, the list last; a template
    // made by hand (the program's own) has no word and no grid.
    QStringList parts;
    const bool words = has(QStringLiteral("NombreMots"));
    if (words && (!has(QStringLiteral("Paramètres")) || !has(QStringLiteral("Valeurs"))))
        parts << QStringLiteral("des réglages de la fiche");
    const int entries = ParseIntInRange(ini.Value(section, QStringLiteral("NombreMots")), 0, 5000, 0);
    if (entries > 0 && count(QStringLiteral("Mot"), entries + 1) < entries + 1)
        parts << QStringLiteral("la place de certains mots dans la grille");
    const int rows = count(QStringLiteral("Grille"), PuzzleState::kSide);
    if ((rows > 0 || words) && rows < PuzzleState::kSide)
        parts << (rows == 0 ? QStringLiteral("la grille") : QStringLiteral("une partie de la grille"));
    // As many checks as words the reader takes at most.
    const int listed = int(std::min<qsizetype>(ini.Value(section, QStringLiteral("MotsSélectionnés")).size(), kMaxListedWords));
    if (count(QStringLiteral("Liste"), listed) < listed)
        parts << QStringLiteral("des mots de la liste");
    return parts;
}

QString MissingPartsMessage(const QString& fileName, const QStringList& parts)
{
    if (parts.isEmpty())
        return {};
    return QStringLiteral("« ") + fileName + QStringLiteral(" » semble coupé : il y manque ") + FrenchEnumeration(parts)
        + QStringLiteral(".\nVérifiez la fiche avant de l'imprimer ou de l'enregistrer ; si on vous l'a envoyée, "
                         "demandez-la à nouveau.");
}

} // namespace lx
