// External word lists: the parser's rules, the clipboard, list files good and bad, the lists menu.
#include "core/ProgramInfo.h"
#include "support/DocumentSupport.h"
#include "words/ContainedWords.h"
#include "words/HtmlTitles.h"
#include "words/OfficeText.h"
#include "words/WordListParser.h"

#include <QLocale>

namespace lx::test {
namespace {

const QString kListRules = u("La liste doit impérativement comporter un élément par ligne\n"
                             "(ou plusieurs mots à la suite, séparés par une espace).");

QString TooLongNotice(int wordsKept)
{
    return u("La liste est trop longue : seuls ses ") + QLocale(QLocale::French, QLocale::France).toString(wordsKept)
        + u(" premiers mots ont été importés.");
}

TEST(WordListCut, LinesBulletsCommentsAndEntriesNoGridTakes)
{
    const QStringList threeWords { u("chat"), u("chien"), u("lapin") };
    const QStringList phrase { u("pomme de terre"), u("chou") };
    const struct { const char* text; QStringList entries; } cases[] = {
        // One line of words (blank lines and comments aside) is cut at its spaces...
        { "chat chien lapin", threeWords }, { "chat  chien lapin\r\n", threeWords },
        { "\r\nchat chien lapin\r\n\r\n", threeWords }, { "/ mes animaux\r\n- chat chien lapin\r\n", threeWords },
        { "- / rien que des mots\r\nchat chien lapin", threeWords }, { "/ rien que des mots", {} },
        // ...several lines are not, whatever their line ends.
        { "pomme de terre\r\nchou", phrase }, { "pomme de terre\nchou\n", phrase }, { "pomme de terre\rchou\r", phrase },
        { "- chat\r\n  chien  \r\n/ des animaux\r\n-/ aussi un commentaire\r\n-\r\n -  \r\n\r\nlapin\r\n", threeWords },
        { "--chat\r\nchien\r\n", { u("-chat"), u("chien") } }, // only one bullet is dropped
        { "pomme/poire\r\nchat\r\n", { u("pomme/poire"), u("chat") } }, // a later "/" is part of the word
        // Tabs part entries: a spreadsheet's columns, a word processor's tab stops and bullets.
        { "chat\t1\r\nchien\t2\r\nlapin\t3\r\n", threeWords }, { "\tchat chien lapin\t\r\n", threeWords },
        { "\u2022\tchat\r\n\u2022\tchien\r\n1.\tlapin\r\n", threeWords }, { "chat\t\tchien\tlapin", threeWords },
        // Columns lined up with spaces, or copied from a PDF; two spaces typed for one.
        { "chat        chien\r\nlapin   \r\n", threeWords }, { "pomme  de terre\r\nchou   \r\n", phrase },
        { "...\r\n--\r\n' '\r\n;\r\n1.\r\n2024\r\n", {} }, // an entry without a letter is no word...
        { "4x4\r\n", { u("4x4") } },                                     // ...one with a letter is
        // Commas and semicolons part entries as line ends do, a line holding them is not cut at its spaces; list
        // numbers, bullets and the full stop that ends a sentence are dropped.
        { "chat, chien, lapin", threeWords }, { "chat ; chien ;lapin ;\r\n", threeWords }, { "pomme de terre, chou.", phrase },
        { "chat, chien\r\nlapin...\r\n", threeWords }, { "arc-en-ciel - chou\r\n", { u("arc-en-ciel"), u("chou") } },
        { "chat - chien \u2013 lapin\r\n", threeWords }, { "pomme de terre / chou\r\n", phrase },
        { "chat | chien \u2022 lapin", threeWords }, { "chat = chien\r\nlapin\r\n", threeWords },
        { "chat, chien, lapin, etc.", threeWords }, { "chat\r\nchien\r\nlapin\r\nEtc\r\n", threeWords }, { "chat \u00B7 chien \u25CF lapin\r\n", threeWords },
        // A sentence's enumeration ends with « et »; « et » inside a name, or not last, stays.
        { "chat, chien et lapin.", threeWords }, { "Animaux : chat ; chien et lapin\r\n", threeWords },
        { "sel et poivre, huile, pomme de terre et chou", { u("sel et poivre"), u("huile"), u("pomme de terre et chou") } },
        { "1. chat\r\n2) chien\r\n10 . lapin\r\n", threeWords }, { "\u2022 chat\r\n\u2013 chien\r\n* lapin\r\n", threeWords },
        { "1/ chat\r\n2 - chien\r\n3\u2013lapin\r\n", threeWords }, { "1 chat\r\n2 chien\r\n3 lapin\r\n", threeWords }, { "a) chat\r\nB. chien\r\nc/ lapin\r\n", threeWords },
        { "I. chat\r\nII) chien\r\niv. lapin\r\n", threeWords }, { "a) chat b) chien c) lapin", threeWords },
        { "a-t-il\r\nb.a.-ba\r\n", { u("a-t-il"), u("b.a.-ba") } }, // a letter is a marker only before a space
        // A number and its stop or bracket mark a list alone, or repeated as some editors number every line.
        { "chat\r\nchien\r\n1) lapin\r\n", threeWords }, { "1. chat\r\n1. chien\r\n1. lapin\r\n", threeWords },
        // Another mark is a list's only where two entries start with different ones.
        { "M. Seguin\r\nchèvre\r\nM. Dupont", { u("M. Seguin"), u("chèvre"), u("M. Dupont") } },
        { "voilier, 3-mâts, paquebot", { u("voilier"), u("3-mâts"), u("paquebot") } }, { "chat\r\n3 pommes", { u("chat"), u("3 pommes") } },
        // A note in brackets after a word goes, as do brackets around a word.
        { "chat (n.m.)\r\nchien [\u0283j\u025B\u0303]\r\nlapin(s) (x2).\r\n", threeWords }, { "(chat)\r\n[chien]\r\n( lapin )", threeWords },
        // Any sign before a space starts a bullet (Word's "\uF0B7", a middle dot, arrows, ticks); quotes around a word go.
        { "\u00B7\tchat\r\n\u25AA chien\r\n\u25E6 lapin\r\n", threeWords }, { "\uF0B7\tchat\r\n> chien\r\n\u00BB lapin\r\n", threeWords },
        { "\u2713 chat\r\n\u2192 chien\r\n\U0001F449 lapin\r\n", threeWords }, { "+ chat\r\n\u00AB chien \u00BB.\r\n-/ lapin", { u("chat"), u("chien") } },
        { "\u00AB\u00A0chat\u00A0\u00BB\r\n\u201Cchien\u201D\r\n\"lapin\"\r\n", threeWords }, { "'chat', \u00AB chien \u00BB", { u("chat"), u("chien") } },
        { "/ mes animaux, mes fruits\r\nchat chien lapin", threeWords },
        // No-break spaces, as word processors put them before a stop or after a number, go with them.
        { "1.\u00A0chat\r\n2)\u202Fchien\r\nlapin\u00A0.\r\n", threeWords }, { "chat.\u00A0.\r\nchien\r\nlapin\u00A0\r\n", threeWords },
        // What nobody sees in a text from a web page: spaces of every width are spaces, soft hyphens and zero-width
        // characters nothing, a non-breaking hyphen or a long dash a hyphen (0x1E and 0x1F: Word's plain text).
        { "chat\u00A0chien\u202Flapin", threeWords }, { "cha\u00ADt\r\nchien\u200B\r\n\uFEFFlapin\u2060\r\n", threeWords },
        // A label before a colon is no word, nor is a line of a label alone.
        { "Les animaux :\r\nchat chien lapin\r\n", threeWords }, { "Animaux : chat, chien, lapin", threeWords },
        { "Mots de la semaine :\r\nchat\r\nAutres : chien\r\n: lapin\r\n", threeWords },
        { "/ à lire : avant lundi\r\nchat chien lapin", threeWords }, { "Animaux : chat chien lapin", threeWords },
        { "Animaux : chat chien lapin loup ours", Words("chat chien lapin loup ours") },
        // A word's definition after it, in a table or after a colon, is no word; a long name is, and so is a sentence alone.
        { "chat : animal qui miaule.\r\nchien\tun animal domestique très fidèle\r\n- lapin ; il aime les carottes", threeWords },
        { "pomme de terre\tchou à la crème\r\nje me lave\r\n", { u("pomme de terre"), u("chou à la crème"), u("je me lave") } },
        // In a vocabulary table every definition goes, the short ones too; a spreadsheet's cell in quotes is one cell.
        { "Mot;Définition\r\nchat;animal qui miaule\r\nchien;il aboie fort\r\nlapin;a de grandes oreilles\r\n", threeWords },
        { "chat : il miaule souvent\r\nchien : il aboie fort\r\nlapin : a de grandes oreilles\r\n", threeWords },
        { "chat,\"animal domestique, qui miaule\"\r\nchien\r\n\"lapin\" , \"de garenne, il court\"", threeWords },
        { "chat;\"pomme de terre; chou\"\r\n\"mal fermé;lapin", { u("chat"), u("pomme de terre"), u("chou"), u("\"mal fermé"), u("lapin") } },
        // A first line of four words or more above words is a title; above a long name or another sentence, not.
        { "- Les mots de la semaine.\r\n\r\nchat\r\nchien\r\nlapin\r\n", threeWords },
        { "Les mots de la semaine    \r\nchat\r\nchien\r\nlapin\r\n", threeWords }, // spaces after a title part nothing
        { "chou à la crème\r\nchat\r\nprendre ses jambes à son cou\r\n", { u("chou à la crème"), u("chat"), u("prendre ses jambes à son cou") } },
        // Accents written apart from their letters (a Mac, PDF files); pictures and signs after a word.
        { "e\u0301le\u0300ve\r\nfore\u0302t\r\n", { u("élève"), u("forêt") } },
        // Letters the code page lacks in another form of ones it holds: ligatures copied from a PDF, full-width or bold.
        { "\uFB01lle\r\n\uFB02eur\r\n\uFF21BC\r\n\U0001D41C\U0001D421\U0001D41A\U0001D42D\r\n", { u("fille"), u("fleur"), u("ABC"), u("chat") } },
        { "chat \U0001F431\r\nchien \u2713\r\nlapin\u2764\uFE0F\r\n\U0001F955\r\n", threeWords },
        { "aujourd\u2019hui\r\naujourd'hui\r\n", { u("aujourd'hui"), u("aujourd'hui") } }, // the same word: one apostrophe
        { "l\u2018ours\r\nl\u00B4\u00E2ne\r\nl`oie\r\naujourd\u02BChui\r\n\u2018chat\u2019\r\n`a`\r\nb\u00B4\r\n", // marks typed for it
          { u("l'ours"), u("l'âne"), u("l'oie"), u("aujourd'hui"), u("chat"), u("`a`"), u("b\u00B4") } },
        { "arc\u2011en\u2010ciel\r\n", { u("arc-en-ciel") } }, { "arc\u2014en\u2014ciel\r\n\u2014 chou\r\n", { u("arc-en-ciel"), u("chou") } }, { "arc\x1E" "en\x1E" "ciel\r\ncro\x1F" "codile\r\n", { u("arc-en-ciel"), u("crocodile") } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutWordListText(u(c.text)).entries, c.entries) << QByteArray(c.text).toPercentEncoding().constData();
    // Longer than 30 characters, a control character, a letter the code page lacks or a picture inside a word: set
    // aside and told, the words that may be lost named.
    const WordListEntries e = CutWordListText(u("chat\r\n") + QString(31, u'a') + u("\r\n") + QString(30, u'b')
                                              + u("\r\nch\x01" "at\r\n\u03C0\r\nch\U0001F431at\r\n"));
    EXPECT_EQ(e.entries, (QStringList { u("chat"), QString(30, u'b') }));
    EXPECT_EQ(WordListNotices(e, 2), (QStringList { u("L'entrée « ") + QString(31, u'a') + u(" » a été ignorée : elle a plus de 30 caractères."),
                                                    u("Les entrées « ch\u25A1at », « \u03C0 » et « ch\U0001F431at » ont été ignorées : elles "
                                                      "contiennent des caractères qu'un document Lexigrille ne peut pas garder.") }));
    EXPECT_EQ(WordListNotices(CutWordListText(u("chat : animal qui miaule.\r\nchien\tc’est un ami\r\n")), 2),
              QStringList { u("Les définitions « animal qui miaule » et « c’est un ami » n'ont pas été prises comme mots.") });
    const WordListEntries table = CutWordListText(u("Mot;Définition\r\nchat;animal qui miaule\r\nchien;il aboie fort\r\nvache;rose\r\n"));
    EXPECT_EQ(table.titles, (QStringList { u("Mot"), u("Définition") }));
    EXPECT_EQ(table.definitions, (QStringList { u("animal qui miaule"), u("il aboie fort"), u("rose") }));
}

TEST(WordListCaps, HugeListsAreCutAtALineEndWithANotice)
{
    // A clipboard text of many times the character cap: no piece of a cut line.
    const QString text = u("  abcdefghijklmnopqrstuvwxyz  \n").repeated(8 * kMaxWordListChars / 31 + 1);
    Document pasted(kFonts);
    const WordListImport p = pasted.PasteWordList(text);
    EXPECT_EQ(pasted.words().Words(), QStringList { u("abcdefghijklmnopqrstuvwxyz") });
    EXPECT_EQ(p.notices, QStringList { u("La liste est trop longue : seul son premier mot a été importé.") });
    // A UTF-8 list file of several times the byte cap, the cap inside a two-byte letter: at most kMaxWordListEntries words.
    QByteArray block;
    for (int i = 0; i < 50000; ++i)
        block += u("élève%1\r\nÉLÈVE0\r\n").arg(i).toUtf8();
    QByteArray bytes = "/\r\n";
    while (bytes.size() < 4 * kMaxWordListBytes)
        bytes += block;
    while (uchar(bytes[kMaxWordListBytes - 1]) != 0xC3)
        bytes.prepend('/');
    QTemporaryDir dir;
    const QString path = WriteBytes(dir.filePath(u("enorme.txt")), bytes);
    const DecodedText read = ReadWordListFile(path);
    EXPECT_TRUE(read.truncated);
    EXPECT_LE(read.text.size(), kMaxWordListBytes);
    EXPECT_TRUE(read.text.contains(u("\r\nélève0\r\nÉLÈVE0\r\n"))) << "the cut is made before decoding";
    EXPECT_TRUE(read.text.endsWith(u("\r\n"))) << "the cut falls at a line end";
    EXPECT_FALSE(read.text.contains(QChar(0xFFFD)));
    Document doc(kFonts);
    const WordListImport r = doc.ImportWordListFile(path);
    EXPECT_EQ(doc.words().Count(), kMaxWordListEntries) << "repeats of a kept word are not counted";
    EXPECT_EQ(r.notices, QStringList { TooLongNotice(5000) });
}

TEST(ImportWordListFile, ReplacesTheListAndNamesTheThemeBoxAfterTheFile)
{
    QTemporaryDir dir;
    const QString path = WriteBytes(dir.filePath(u("animaux.v2.txt")),
                                          EncodeWindows1252(u("- zèbre\r\n- Chat\r\nchat\r\nhippopotame\r\nCHAT\r\nâne\r\n")));
    Document doc(kFonts);
    doc.SetMaxLetters(5);
    Reopen(doc, [](DocumentData& d) {
        d.settings.levels = { true, false, true, false, false };
        d.themes.selected[3] = true;
        d.words.AddWordIfAbsent(u("ancien"));
    });
    const WordListImport r = doc.ImportWordListFile(path);
    ASSERT_TRUE(r.imported) << r.errorMessage.toStdString();
    EXPECT_EQ(doc.words().Words(), (QStringList { u("âne"), u("Chat"), u("hippopotame"), u("zèbre") }))
        << "sorted, the same word in another case listed once";
    // No level or theme, every word checked (long words too), the theme the file's name up to its first dot, capitalised.
    const QString text = DocumentText(doc.data());
    for (const char* line : { "Niveaux=00000", "Thèmes=*Animaux", "MotsSélectionnés=1111" })
        EXPECT_TRUE(text.contains(u("\r\n") + u(line) + u("\r\n"))) << line;
    EXPECT_EQ(doc.ThemeLabel(), u("Liste externe")) << "the theme list is disabled";
    EXPECT_EQ(doc.WindowTitle(), FullName() + u(" - animaux.v2.txt*"));
    // A pasted list is no file: it is not named after the last one imported.
    ASSERT_TRUE(doc.PasteWordList(u("lion tigre")).imported);
    EXPECT_EQ(doc.settings().themeText, QString());
}

// Windows-1252, UTF-8 with or without its mark, UTF-16, and the RTF of WordPad (its default) and of Word.
TEST(ImportWordListFile, WindowsModernAndRtfFiles)
{
    QTemporaryDir dir;
    const QString text16 = u("élève\r\ncœur\r\nforêt\r\n");
    // Each file gives these three words and no notice, or the words and titles of its row.
    const struct { QByteArray bytes; const char* words = "cœur élève forêt"; const char* told = ""; } files[] = {
        { QByteArray("\xE9l\xE8ve\r\nc\x9C" "ur\r\nfor\xEAt\r\n") },
        { u("élève\ncœur\nforêt\n").toUtf8() },
        { QByteArray("\xEF\xBB\xBF") + u("élève\r\ncœur\r\nforêt").toUtf8() },
        { QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(text16.utf16()), text16.size() * 2) },
        { QByteArray("\xE9l\xE8ve\r\nc\x9C" "ur\r\nfor\xEAt\x1A") }, // Ctrl+Z at the end
        { u("élève\r\ncœur\r\n").toUtf8() + QByteArray("for\xEAt\r\n") }, // a line pasted from an older file
        // A bulleted list saved by WordPad: its fonts, its generator and its bullets are no words.
        { QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
                     "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                     "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720\\sa200"
                     "\\f0\\fs22\\lang12 \\'e9l\\'e8ve\\par\r\n{\\pntext\\f1\\'B7\\tab}c\\'9cur\\par\r\n{\\pntext\\f1\\'B7\\tab}fo"
                     "\\b r\\b0\\'eat\\par\r\n}\r\n") },
        // Word's: Unicode escapes and their fallbacks, the document's information, a line break.
        { QByteArray("{\\rtf1\\ansi\\ansicpg1252\\uc1{\\*\\rsidtbl \\rsid123}{\\info{\\title Liste}{\\author Mme Dupont}}"
                     "\\pard\\plain \\ltrpar\\s0 \\u233\\'e9l\\u232\\'e8ve\\line c\\u339\\'9cur\\par\\pard for\\u234\\'eat\\par}") },
        // A word deleted with its changes tracked (Word, LibreOffice) is no part of the text.
        { QByteArray("{\\rtf1\\ansi \\'e9l\\'e8ve\\par c\\'9cur\\par{\\deleted\\revauthdel1 navet}for\\'eat\\par}") },
        // A table: a word per cell.
        { QByteArray("{\\rtf1\\ansi\\trowd\\cellx2000\\cellx4000 \\'e9l\\'e8ve\\cell c\\'9cur\\cell\\row\\trowd\\cellx2000 for\\'eat\\cell\\row}") },
        // A title typed in bold or underlined in WordPad or Word, a table's heading row, in bold or repeated on each
        // page: left out and named; a word in bold amid others above a table stays.
        { "{\\rtf1\\ansi\\pard\\b Les animaux\\b0\\par chat\\par\\b c\\b0 hien\\par}", "chat chien", "« Les animaux »" },
        { "{\\rtf1\\ansi{\\ul\\b Animaux \\'e0 plumes\\par}\\plain chat\\par chien\\par}", "chat chien", "« Animaux à plumes »" },
        { "{\\rtf1\\ansi\\trowd\\cellx2000\\cellx4000 \\b Fruits\\cell L\\'e9gumes\\b0\\cell\\row\\trowd chat\\cell chien\\cell\\row}", "chat chien",
          "« Fruits » et « Légumes »" },
        { "{\\rtf1\\ansi\\pard\\b Les animaux\\b0\\par chat\\par chien\\par\\b lapin\\b0\\par\\trowd\\cellx2000\\cellx4000\\pard\\intbl\\b Fruits\\cell "
          "L\\'e9gumes\\cell\\b0\\row\\trowd\\cellx2000\\cellx4000\\pard\\intbl kiwi\\cell radis\\cell\\row\\pard\\par}", "chat chien kiwi lapin radis",
          "« Les animaux », « Fruits » et « Légumes »" },
        { "{\\rtf1\\ansi\\trowd\\trhdr\\cellx2000\\cellx4000\\pard\\intbl Fruits\\cell L\\'e9gumes\\cell\\row\\trowd\\cellx2000\\cellx4000\\pard\\intbl "
          "chat\\cell chien\\cell\\row}", "chat chien", "« Fruits » et « Légumes »" },
    };
    for (const auto& [bytes, words, told] : files) {
        const std::string row = bytes.toPercentEncoding().toStdString();
        Document doc(kFonts);
        const WordListImport r = doc.ImportWordListFile(WriteBytes(dir.filePath(u("liste.txt")), bytes));
        ASSERT_TRUE(r.imported) << row;
        EXPECT_EQ(doc.words().Words(), Words(words)) << row;
        EXPECT_EQ(r.notices.size(), *told ? 1 : 0) << row;
        EXPECT_TRUE(r.notices.join(u("|")).contains(u(told))) << r.notices.join(u("|")).toStdString();
    }
}

// Lists typed in Word, LibreOffice or a spreadsheet (saved by LibreOffice 7.4 from liste.fodt, champs.fodt, titres.fodt,
// riche.fodt, gras.fodt, tableau-gras.fodt, gras3.fodt, parties.fodt, mots-gras.fodt, animaux-gras.fods, animaux.csv and mots700.csv;
// word.docx and word97.doc as Word writes them): a word per paragraph, list item or cell, without titles, notes, comments,
// deleted text or field codes.
TEST(ImportWordListFile, WordProcessorAndSpreadsheetDocuments)
{
    const QStringList fruits = Words("châtaigne coing figue mûre myrtille noix|de|coco poire pomme raisin").replaceInStrings(u("|"), u(" "));
    const char* fruitsTitle = "Les fruits de l’automne";
    // Each row: the same list saved in one or more formats, its words, and the titles told, parted by " / ".
    const struct { const char* files; QStringList words; const char* titles; } cases[] = {
        { "liste.docx liste.odt liste.doc", fruits, fruitsTitle }, // liste.doc: Word 97's, in UTF-16
        { "champs.doc", Words("bœuf cœur œuf page|1 sœur").replaceInStrings(u("|"), u(" ")), "Semaine du 12/8/26" }, // a field's result
        { "titres.odt titres.doc", Words("merle pie"), "Les oiseaux / Semaine 12" }, // a title (made red) and a subtitle
        // A label, a picture and its title, a link, a word in two styles, a table's heading row (« Fruits | Légumes »).
        { "riche.docx riche.odt riche.doc", Words("cerise kiwi poire pomme radis"), "Fruits / Légumes" },
        { "word.docx", Words("arc-en-ciel canard cheval dindon l'âne mouton oie poule vache"), "Les animaux de la ferme" }, // one apostrophe
        // Titles typed in bold or underlined: the first one or two paragraphs or table rows so, above a word that is not
        // (not « lapin », nor a first word partly bold), and a table's first row so. Three words in bold stay.
        { "gras.docx gras.odt gras.doc", Words("chat chien kiwi lapin radis"), "Les animaux de la ferme / Semaine 12 / Fruits / Légumes" },
        { "tableau-gras.doc tableau-gras.docx tableau-gras.odt", Words("kiwi radis rose"), "Fruits / Légumes / Fleurs" },
        { "gras3.odt", Words("merle moineau pie pigeon"), "" },
        { "animaux-gras.ods animaux-gras.xlsx animaux-gras.xls", Words("chat chien"), "Mot / Nombre" },
        // A list in parts, each under its title in bold (« Semaine 2 »); words in bold here and there stay.
        { "parties.docx parties.odt", Words("chat chien lapin ours poire pomme"), "Semaine 1 / Semaine 2 / Semaine 3" },
        { "mots-gras.odt", Words("chat chien lapin lion loup ours tigre"), "" },
        // A spreadsheet's headings not in bold are cells of text too.
        { "animaux.xlsx animaux.ods animaux.xls", Words("chat chien écureuil lapin Mot Nombre"), "" },
    };
    for (const auto& c : cases)
        for (const QByteArray& file : QByteArray(c.files).split(' ')) {
            const QString path = QStringLiteral(LEXIGRILLE_WORD_FILES "/") + QString::fromUtf8(file);
            Document doc(kFonts);
            const WordListImport r = doc.ImportWordListFile(path);
            EXPECT_TRUE(r.imported) << file.constData() << ": " << r.errorMessage.toStdString();
            EXPECT_EQ(doc.words().Words(), c.words) << file.constData();
            // The titles are named, so that a word taken for one is noticed.
            QStringList titles;
            ReadWordListFile(path, &titles);
            EXPECT_EQ(titles.join(u(" / ")), u(c.titles)) << file.constData();
            EXPECT_EQ(r.notices.size(), titles.isEmpty() ? 0 : 1) << file.constData();
        }
    WordListEntries told; // four titles named at most, when there are more than five
    for (const auto& [titles, notice] : { std::pair { fruitsTitle, "Le titre « Les fruits de l’automne » n'a pas été pris comme mot." },
                                         { "Fruits|Légumes|Fleurs", "Les titres « Fruits », « Légumes » et « Fleurs » n'ont pas été pris comme mots." },
                                         { "A|B|C|D|E", "Les titres « A », « B », « C », « D » et « E » n'ont pas été pris comme mots." },
                                         { "A|B|C|D|E|F", "Les titres « A », « B », « C », « D » et 2 autres n'ont pas été pris comme mots." } }) {
        told.titles = u(titles).split(u'|');
        EXPECT_EQ(WordListNotices(told, 5), QStringList { u(notice) }) << titles;
    }
    // A vocabulary table: its rows keep their cells together, so that the definitions and column titles go.
    for (const char* file : { "vocabulaire.docx", "vocabulaire.odt", "vocabulaire.xlsx" }) {
        Document doc(kFonts);
        const WordListImport r = doc.ImportWordListFile(QStringLiteral(LEXIGRILLE_WORD_FILES "/") + u(file));
        EXPECT_EQ(doc.words().Words(), Words("chat chien cochon lapin vache")) << file;
        EXPECT_EQ(r.notices.size(), 2) << file; // the titles, the definitions
    }
    // A text box once (Word keeps a copy for older readers); a soft hyphen nothing, a non-breaking one a hyphen; a
    // table's row one line, its cells parted by tabs, as Word 97's below.
    EXPECT_EQ(OfficeDocumentText(ReadAll(QStringLiteral(LEXIGRILLE_WORD_FILES "/word.docx"))),
              u("vache\ncheval\narc-en-ciel\nl’âne\nmouton\ndindon\n\npoule\n\noie\tcanard\n\n"));
    // Excel 97: 700 texts, their table cut in two records (in the middle of a text), one or two bytes a character.
    Document fromCsv(kFonts), fromXls(kFonts);
    ASSERT_TRUE(fromCsv.ImportWordListFile(QStringLiteral(LEXIGRILLE_WORD_FILES "/mots700.csv")).imported);
    ASSERT_TRUE(fromXls.ImportWordListFile(QStringLiteral(LEXIGRILLE_WORD_FILES "/mots700.xls")).imported);
    EXPECT_EQ(fromCsv.words().Count(), 700);
    EXPECT_EQ(fromXls.words().Words(), fromCsv.words().Words());
    // Word 97: a heading, "navet" deleted, a date field, table cells, a line break; one byte a character.
    EXPECT_EQ(OfficeDocumentText(ReadAll(QStringLiteral(LEXIGRILLE_WORD_FILES "/word97.doc"))),
              u("château fort\npoireau\nlundi\ncerf\tbiche\t\t\nbœuf\nmouton\n"));
}

// Refused clipboard texts and list files: their message, and the document as it was.
// A list copied from a word processor or a web page comes as text and as HTML: the HTML tells its titles (headings, Word's
// title paragraphs, paragraphs in bold as in a document), which the text loses and the notice names.
TEST(WordListPaste, TitlesOfAListCopiedAsHtml)
{
    const struct { const char* text; const char* html; const char* titles; bool told; } cases[] = { // titles parted by " / "
        { "Les animaux\nchat\nchien", "<p class=MsoTitle>Les animaux</p><p class=MsoNormal>chat</p><p class=MsoNormal>chien</p>", "Les animaux", true },
        { "Animaux de la ferme\n\nchat\nchien", "<h2 id=a>Animaux <i>de</i> la ferme</h2>\n<ul><li>chat</li><li>chien</li></ul>",
          "Animaux de la ferme", true },
        { "Semaine 1\nchat\nchien\nSemaine 2\nchat\nchien", "<body><p><b>Semaine 1</b><p>chat<p>chien<p><strong>Semaine\n2</strong><p>chat<p>chien",
          "Semaine 1 / Semaine 2", true },
        { "Semaine 1\nchat, chien\nSemaine 2\nchat, chien\nMot\nchat\nchien", // and a table's column title below
          "<p><b>Semaine 1</b><p>chat, chien<p><b>Semaine 2</b><p>chat, chien<table><tr><td><b>Mot</b><tr><td>chat<tr><td>chien</table>",
          "Semaine 1 / Semaine 2 / Mot", true },
        { "F\u00E9e & cie\nchat\nchien", "<p><span style='font-weight: 700'>F&eacute;e & cie</span></p><p>chat</p><p>chien</p>", "Fée & cie", true },
        // Google Docs wraps all it copies in a <b> of normal weight.
        { "Les animaux\nchat\nchien", "<b style=\"font-weight:normal;\" id=\"docs-internal-guid-1\"><p dir=\"ltr\"><span style=\"font-size:14pt;font-weight:700\">"
          "Les animaux</span></p><p><span style=\"font-weight:400\">chat</span></p><p><span style=\"font-weight:400\">chien</span></p></b>", "Les animaux", true },
        // A table's heading row, its cells parted by tabs in the text; in bold by a class of its style sheet (Excel's).
        { "Fruits\tL\u00E9gumes\tFleurs\r\nchat\tchien\t\r\n", "<table><tr><td><b>Fruits</b><td><b>L&eacute;gumes</b><td><b>Fleurs</b><tr><td>chat<td>chien<td></table>",
          "Fruits / Légumes / Fleurs", true },
        { "Fruits\tL\u00E9gumes\r\nchat\tchien\r\n", "<style><!-- table {x:1}\n.xl6 {color:red}\n.xl65\n\t{mso-style-parent:style0;\n\tfont-weight:700;}\n--></style>"
          "<table><tr><td class=xl65>Fruits<td class=\"xl65\">L&eacute;gumes<tr><td class=xl6>chat<td>chien</table>", "Fruits / Légumes", true },
        { "Fruits\tL\u00E9gumes\r\nchat\tchien", "<table><thead><tr><td><p>Fruits</p><td>L&eacute;gumes</thead><tr><td>chat<td>chien</table>", "Fruits / Légumes", true },
        { "Fruits\tL\u00E9gumes\r\nchat\tchien", "<table><tr><th>Fruits</th><th>L&eacute;gumes</th></tr><tr><td>chat<td>chien</table>", "Fruits / Légumes", true },
        // A title the text does not hold, bold words among others, and what is no text of the page.
        { "chat\nchien", "<h1>Le titre</h1><p>chat<p>chien", "Le titre", false }, { "chat\nchien", "<p>chat</p><p><b>chien</b></p>", "", false },
        { "chat\nchien", "<style>p { font-weight: bold }</style><!-- <b>x</b> --><p>chat<p>chien", "", false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HtmlTitles(u(c.html)).join(u(" / ")), u(c.titles)) << c.html;
        Document doc(kFonts);
        const WordListImport r = doc.PasteWordList(u(c.text), u(c.html));
        EXPECT_EQ(doc.words().Words(), Words("chat chien")) << c.html;
        EXPECT_EQ(doc.settings().themeText, c.told && !u(c.titles).contains(u(" / ")) ? u(c.titles) : QString()) << "its one title names the theme";
        ASSERT_EQ(r.notices.size(), c.told ? 1 : 0) << c.html;
        for (const QString& title : u(c.titles).split(u(" / "), Qt::SkipEmptyParts))
            EXPECT_TRUE(!c.told || r.notices[0].contains(u("« ") + title + u(" »"))) << c.html;
    }
    // A plain text's first line of four words or more, above the words, is its title too.
    Document plain(kFonts);
    QString drawn; // the theme of the page last drawn
    QObject::connect(&plain, &Document::redrawRequested, [&] { drawn = plain.settings().themeText; });
    const WordListImport r = plain.PasteWordList(u("Les mots de la semaine\nchat\nchien\n"));
    EXPECT_EQ(drawn, u("Les mots de la semaine"));
    EXPECT_EQ(r.notices, QStringList { u("Le titre « Les mots de la semaine » n'a pas été pris comme mot.") });
}

TEST(WordListImport, RefusedTextsAndFilesChangeNothing)
{
    QTemporaryDir dir;
    const auto file = [&](const char* name, const QByteArray& bytes) { return WriteBytes(dir.filePath(u(name)), bytes); };
    const QString noValidText = u("Aucun texte valide dans le presse-papiers !\n") + kListRules;
    const QString orPaste = u("choisissez « Coller depuis le presse-papiers » sous « Liste de mots ».");
    enum From { Text, Paste, File };
    const struct { From from; QString input, message; } cases[] = {
        { Text, u(""), noValidText },
        { Paste, QString(), u("Impossible de coller les données du presse-papiers !\n") + kListRules },
        { File, file("image.txt", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), u("Le fichier « image.txt » n'est pas une liste de mots : il ne contient pas de texte.\n") + kListRules },
        { File, file("ctrl.txt", QByteArray(500, '\x01')), NotTextListMessage(u("ctrl.txt")) }, // controls without a NUL byte
        // A word processor's document of an older kind, a damaged one, a spreadsheet's or a PDF: what to do instead.
        { File, file("Mots.wps", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0", 9)),
          u("Le fichier « Mots.wps » est un document de traitement de texte, pas une liste de mots.\nOuvrez-le dans votre "
            "traitement de texte et enregistrez-le au format .docx, .odt ou .txt, ou copiez ses mots puis ") + orPaste },
        { File, file("Mots.DOCX", QByteArray("PK\x03\x04\x14\0\x06\0", 8)),
          u("Impossible de lire les mots du fichier « Mots.DOCX » : il est peut-être protégé par un mot de passe, ou endommagé.\n"
            "Ouvrez-le dans votre traitement de texte et enregistrez-le au format .docx, .odt ou .txt, ou copiez ses mots puis ")
              + orPaste },
        { File, file("vieux.doc", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0", 9)), NotTextListMessage(u("vieux.doc")) },
        { File, file("mots.xlsb", QByteArray("PK\x03\x04\x14\0\x06\0", 8)),
          u("Le fichier « mots.xlsb » est un classeur de tableur, pas une liste de mots.\nOuvrez-le dans votre tableur et "
            "enregistrez-le au format .xlsx, .ods ou .csv, ou copiez ses mots puis ") + orPaste },
        { File, file("mots.pdf", QByteArray("%PDF-1.7\n\0\x01\x02", 12)),
          u("Le fichier « mots.pdf » est un document PDF, pas une liste de mots.\nCopiez ses mots, puis ") + orPaste },
        // A file without words says which file (it used to speak of the clipboard).
        { File, file("vide.txt", QByteArray()), u("Aucun mot dans le fichier « vide.txt » !\n") + kListRules },
        // A file or a text whose every entry was set aside says why, each entry named once.
        { File, file("long.txt", (QByteArray(200, 'a') + "\r\n").repeated(100)),
          u("Aucun mot du fichier « long.txt » n'a pu être importé.\nL'entrée « ") + QString(39, u'a')
              + u("… » a été ignorée : elle a plus de 30 caractères.") },
        { Text, u("chπat\r\nlλoup\r\nchπat"), u("Aucun mot du presse-papiers n'a pu être importé.\nLes entrées « chπat » et "
                                                         "« lλoup » ont été ignorées : elles contiennent des caractères qu'un "
                                                         "document Lexigrille ne peut pas garder.") },
        { File, dir.filePath(u("parti.txt")), u("Impossible de lire le fichier « parti.txt » !") },
        { File, dir.path(), UnreadableListMessage(QFileInfo(dir.path()).fileName()) },
    };
    Document doc(kFonts);
    Reopen(doc, [](DocumentData& d) {
        d.settings.levels[1] = true;
        d.themes.selected[5] = true;
        d.words.SetChecked(d.words.AddWordIfAbsent(u("genou")).index, true);
    });
    const QString before = DocumentText(doc.data());
    for (const auto& c : cases) {
        const WordListImport r = c.from == Text ? doc.ParseWordListText(c.input)
                                 : c.from == Paste ? doc.PasteWordList(c.input) : doc.ImportWordListFile(c.input);
        EXPECT_FALSE(r.imported) << c.input.toStdString();
        EXPECT_EQ(r.errorMessage, c.message) << c.input.toStdString();
        EXPECT_EQ(DocumentText(doc.data()), before);
        EXPECT_EQ(doc.ThemeLabel(), u("1 thème"));
        EXPECT_TRUE(doc.themes().enabled);
        EXPECT_EQ(doc.DocumentName(), QString());
        EXPECT_FALSE(doc.Modified());
    }
}

TEST(WordListMenu, AtMostFiftyListsLevelFilesReadMeAndPicturesLeftOutWhateverTheCase)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name) { WriteBytes(dir.filePath(name), "chat\r\n"); };
    EXPECT_EQ(BuildWordListMenu({ dir.filePath(u("absent")) }).title, u("0 liste disponible"));
    for (const char* name : { "DB 08-11 (CE1).txt", "db 01-07 (cp).txt", "LISEZ_MOI.TXT", "Images.txt", "fruits.txt", "Animaux.TXT",
                              "animaux.v2.txt", "DBZ.txt", "modèle.lxg", "notes.text", "Été.txt", "Hiver.rtf", "Légumes.csv", "fruits.rtf",
                              "Noël.docx", "Mots.doc", "Printemps.ODT", "fruits.xlsx" })
        write(u(name));
    QDir(dir.path()).mkdir(u("dossier.txt"));
    FileMenu menu = BuildWordListMenu({ dir.path() });
    QStringList captions;
    for (const FileMenuItem& item : menu.items)
        captions << item.caption;
    // In French order, "Été" among the E; WordPad's, a word processor's and a spreadsheet's lists too, a name once.
    EXPECT_EQ(captions, (QStringList { u("Animaux"), u("animaux.v2"), u("DBZ"), u("Été"), u("fruits"), u("Hiver"), u("Légumes"),
                                       u("Mots"), u("Noël"), u("Printemps") }))
        << "\"DB\" without the space is a list";
    EXPECT_EQ(menu.title, u("10 listes disponibles"));
    EXPECT_EQ(QFileInfo(menu.items[0].path).fileName(), u("Animaux.TXT"));
    for (int i = 59; i >= 0; --i)
        write(QStringLiteral("liste %1.txt").arg(i, 2, 10, QLatin1Char('0')));
    menu = BuildWordListMenu({ dir.path() });
    ASSERT_EQ(menu.items.size(), kWordListMenuItems);
    EXPECT_EQ(menu.title, u("50 listes disponibles"));
    EXPECT_EQ(menu.items[7].caption, u("liste 00"));
    EXPECT_EQ(menu.items.last().caption, u("liste 42"));
}

// The ready lists of the program folder: every line a word, and no word a pupil would also find inside another.
TEST(WordListMenu, TheShippedListsAreWholeWordsNoneInsideAnother)
{
    const FileMenu menu = BuildWordListMenu({ QStringLiteral(LEXIGRILLE_DATA_DIR) });
    EXPECT_GE(menu.items.size(), 9);
    for (const FileMenuItem& item : menu.items) {
        const WordListEntries list = CutWordListText(ReadWordListFile(item.path).text);
        EXPECT_TRUE(list.tooLong.size() + list.noLetter == 0 && list.unprintable.isEmpty() && !list.truncated) << item.caption.toStdString();
        EXPECT_EQ(ContainedWords(list.entries), QList<ContainedPair>()) << item.caption.toStdString();
    }
}

} // namespace
} // namespace lx::test
