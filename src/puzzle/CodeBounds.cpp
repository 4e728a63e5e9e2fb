#include "puzzle/CodeBounds.h"

#include <algorithm>

namespace lx {

std::optional<int> ParseShortNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        i = 1;
    }
    if (i >= t.size())
        return std::nullopt;
    long long value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > 32768)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return int(value);
}

CodeRange ReadCodeRange(const QString& lowText, const QString& highText)
{
    CodeRange range;
    const auto lo = ParseShortNumber(lowText);
    const auto hi = ParseShortNumber(highText);
    if (!lo || !hi)
        return range;
    range.low = std::max(1, *lo);
    range.high = *hi;
    if (range.high - range.low < 25)
        range.high = range.low + 25;
    return range;
}

BoundsVerdict CheckCodeBounds(const QString& lowText, const QString& highText)
{
    if (lowText.isEmpty() || highText.isEmpty())
        return { false, std::nullopt };
    const auto lo = ParseShortNumber(lowText);
    const auto hi = ParseShortNumber(highText);
    // Codes start at 1: "0 to 25" holds 25 of them, not 26.
    if (!lo || !hi || *hi - std::max(1, *lo) < 25)
        return { false, true };
    return { true, false };
}

QString CodeBoundsProblem(const QString& lowText, const QString& highText, const std::function<QString(int, int)>& range)
{
    if (CheckCodeBounds(lowText, highText).enableGenerate)
        return {};
    if (lowText.trimmed().isEmpty() || highText.trimmed().isEmpty())
        return QStringLiteral("Indiquez les deux bornes des valeurs des mots codés.");
    const auto lo = ParseShortNumber(lowText);
    const auto hi = ParseShortNumber(highText);
    if (!lo || !hi)
        return QStringLiteral("Les bornes des valeurs doivent être des nombres entiers de 1 à 32767.");
    // Fewer than 26 values.
    const int from = std::clamp(*lo, 1, 32767 - 25);
    return QStringLiteral("Les valeurs de %1 à %2 ne suffisent pas : %3il en faut au moins 26 (%4 par exemple).")
        .arg(*lo)
        .arg(*hi)
        .arg(*lo < 1 ? QStringLiteral("les codes commencent à 1 et ") : QString())
        .arg(range(from, from + 25));
}

void LeaveCodeBounds(QString& lowText, QString& highText)
{
    const QString rememberedHigh = highText;
    const auto lo = ParseShortNumber(lowText);
    const auto hi = ParseShortNumber(highText);
    if (!lo || !hi)
        return;
    int low = *lo;
    if (low <= 0) {
        lowText = QStringLiteral("1");
        low = 1;
    }
    if (*hi <= 0)
        highText = QStringLiteral("1");
    if (low > *hi) {
        highText = lowText;
        lowText = rememberedHigh;
    }
}

std::optional<bool> CheckLetterCode(int index, const std::array<QString, 26>& boxes, int valueMode,
                                    const QString& lowText, const QString& highText)
{
    const QString& text = boxes[index];
    if (text.isEmpty())
        return std::nullopt;
    for (int i = 0; i < 26; ++i) {
        if (i != index && boxes[i] == text)
            return true;
    }
    const auto code = ParseShortNumber(text);
    if (!code)
        return true;
    if (valueMode == 1) {
        const auto lo = ParseShortNumber(lowText);
        const auto hi = ParseShortNumber(highText);
        if (!lo || !hi)
            return true;
        return *code < *lo || *code > *hi;
    }
    return *code < 1 || *code > 26;
}

} // namespace lx
