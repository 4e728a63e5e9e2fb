#pragma once

#include <QString>
#include <QStringList>

namespace lx {

struct DocumentData;
class PictureTable;

// The words the worksheet's list shows: the checked words of a word search;
// the words of a fill-in grid once it is made (its checked words before);
// none for coded words, which have no list.
QStringList ListedWords(const DocumentData& data);

// Whether the list shows pictures: "Images" is not "Sans" and the game has a
// list (coded words ignore the setting).
bool ShowsPictures(const DocumentData& data);

// The listed words that the table has no picture for, in list order, each
// once; none when the list shows no pictures.
QStringList WordsWithoutPicture(const DocumentData& data, const PictureTable& table);

// What the window tells of them: "3 mots sans image : chat, loup, ours", the
// first kMissingPicturesNamed words named and "…" for the others; empty
// when every listed word has its picture or the list shows none.
inline constexpr int kMissingPicturesNamed = 10;
QString MissingPicturesText(const DocumentData& data, const PictureTable& table);

} // namespace lx
