#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace lx {

// The pictures' table: its file in the program folder, and the teacher's own
// file of the same name in their folder, whose lines add to the program's.
inline constexpr char kPicturesFile[] = "images.txt";

// The pictures of words for the pupils who cannot read yet: each word of the
// table has the code point of a pictogram of the symbol font (Symbola).
//
// A table file is a text (UTF-8, or Windows-1252 as an old editor saves it)
// of lines "word   U+1F431": the word as the word lists write it (it may hold
// spaces), one or more spaces, then "U+" and 4 to 6 hexadecimal digits. Empty
// lines and lines starting with "#" are comments; a line of another form is
// left out. A word given twice takes its last picture, so the teacher's file,
// read after the program's, may also change a picture.
class PictureTable {
public:
    // Adds the lines of a table text; returns how many lines gave a picture.
    int AddText(const QString& text);
    // Adds the lines of a table file; a missing or unreadable file adds nothing.
    int AddFile(const QString& path);

    // The pictogram of a word (one code point as text), empty when it has
    // none. Words are matched without regard to case, and a typographic
    // apostrophe matches a straight one ("l’ours" is "l'ours").
    QString Picture(const QString& word) const;
    bool Has(const QString& word) const { return !Picture(word).isEmpty(); }
    // Every code point of the table, each once, in increasing order.
    QList<char32_t> CodePoints() const;
    int Count() const { return int(codes_.size()); }

    // The program folder's table, then the teacher's one added to it.
    static PictureTable Load(const QString& programFolder, const QString& userFolder);
    // The table the worksheets are drawn with: loaded at its first use from
    // the program folder and the teacher's folder (ProgramFolder() and
    // UserFolderPath()), unless one was installed before.
    static const PictureTable& Installed();
    static void Install(PictureTable table);

private:
    static QString Key(const QString& word);
    QHash<QString, char32_t> codes_;
};

} // namespace lx
