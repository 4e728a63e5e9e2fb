#include "words/WordOrder.h"

#include "core/FrenchOrder.h"

#include <QLocale>

#include <algorithm>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace lx {

QCollatorSortKey WordSortKey(const QString& word)
{
#ifdef Q_OS_WIN
    // Qt's Windows collator (Qt without ICU) reads LCMapStringW's key length,
    // a count of bytes, as a count of characters, and leaves the second half
    // of every key uninitialised: keys of equal words then differ. The key is
    // made here with the same settings as FrenchCollator() (French, case
    // ignored), its bytes packed two to a character, high byte first, so that
    // the C collator's key, which compares characters in order, compares them
    // as bytes.
    static const QCollator plain { QLocale::c() };
    const auto text = reinterpret_cast<const wchar_t*>(word.utf16());
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringEx(L"fr-FR", flags, text, int(word.size()), nullptr, 0, nullptr, nullptr, 0);
    QByteArray bytes(size, '\0');
    if (size > 0)
        LCMapStringEx(L"fr-FR", flags, text, int(word.size()), reinterpret_cast<wchar_t*>(bytes.data()), size, nullptr, nullptr, 0);
    QString packed((size + 1) / 2, QChar(0));
    for (int i = 0; i < size; ++i) {
        const auto byte = char16_t(static_cast<unsigned char>(bytes[i]));
        packed[i / 2] = QChar(char16_t(packed[i / 2].unicode() | (i % 2 == 0 ? byte << 8 : byte)));
    }
    return plain.sortKey(packed);
#else
    return FrenchCollator().sortKey(word);
#endif
}

void SortWords(QStringList& words)
{
    std::stable_sort(words.begin(), words.end(), FrenchLess);
}

} // namespace lx
