#include "document/DocumentValues.h"

#include <algorithm>
#include <optional>

namespace lx {
namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Any magnitude above this one is out of every 16-bit range; the integer part
// stops growing there, so no text of digits can overflow.
constexpr long long kMagnitudeCap = 1'000'000;

// The number of the text rounded half to even, or nothing when the text is no
// number. Magnitudes beyond kMagnitudeCap read as kMagnitudeCap + 1.
std::optional<long long> ReadRoundedNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long magnitude = 0;
    qsizetype digits = 0;
    for (; i < size && IsDigit(text[i]); ++i, ++digits)
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), kMagnitudeCap + 1);

    // The decimals only matter through their first digit and whether any later one is not zero.
    int firstDecimal = 0;
    bool laterDecimals = false;
    if (i < size && text[i] == u'.') {
        ++i;
        for (qsizetype d = 0; i < size && IsDigit(text[i]); ++i, ++d, ++digits) {
            const int digit = text[i].unicode() - u'0';
            if (d == 0)
                firstDecimal = digit;
            else if (digit != 0)
                laterDecimals = true;
        }
    }
    while (i < size && IsBlank(text[i]))
        ++i;
    if (digits == 0 || i != size)
        return std::nullopt;

    const bool roundUp = firstDecimal > 5 || (firstDecimal == 5 && (laterDecimals || magnitude % 2 == 1));
    if (roundUp && magnitude <= kMagnitudeCap)
        ++magnitude;
    return negative ? -magnitude : magnitude;
}

std::int16_t ToInt16(long long value)
{
    return static_cast<std::int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

} // namespace

std::int16_t ParseIntInRange(const QString& text, int low, int high, int fallback)
{
    const bool nearerBound = fallback == kRangeSentinel;
    const std::optional<long long> number = ReadRoundedNumber(text);
    if (!number)
        return ToInt16(nearerBound ? low : fallback);
    if (*number < low)
        return ToInt16(nearerBound ? low : fallback);
    if (*number > high)
        return ToInt16(nearerBound ? high : fallback);
    return ToInt16(*number);
}

QString DigitsOf(const QString& text)
{
    QString digits;
    for (QChar c : text) {
        if (IsDigit(c))
            digits += c;
    }
    return digits;
}

QString TextOrDefault(const QString& text, const QString& fallback)
{
    if (text.isEmpty())
        return fallback;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    if (begin == end)
        return fallback;
    return text.mid(begin, end - begin);
}

QString EnsureDocumentExtension(const QString& path)
{
    if (path.endsWith(QLatin1String(".lxg"), Qt::CaseInsensitive))
        return path;
    return path + QLatin1String(".lxg");
}

QString DocumentFileName(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1);
}

bool IsTemplateFileName(const QString& path)
{
    return DocumentFileName(path).compare(QString::fromUtf16(kTemplateFileName), Qt::CaseInsensitive) == 0;
}

} // namespace lx
