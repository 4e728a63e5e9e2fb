// The document file beyond what the cli's expected files show (typed values and long lists kept, the
// template, the absent-value rules, the mended faults), then the commands that open and store it: the
// save question, the template of the teacher's folder, the menus, the list imports and the versions.
#include "core/FileMenu.h"
#include "document/Versions.h"
#include "support/DocumentSupport.h"

#include <QStandardPaths>

namespace lx::test {
namespace {

const QStringList kAllFonts { u("Arial"), u("Arial Narrow"), u("Courier New"), u("Tahoma"), u("Times New Roman") };

// The example word search: chat, loup and chien, the first two selected and placed on a 5 x 5 grid, theme "Animaux".
const QString kExample = QStringLiteral(LEXIGRILLE_DOCUMENT_CORPUS "/word_search.lxg");

// A document whose teacher's and program's folders are temporary ones, its questions answered by a script.
class DocumentFile : public ::testing::Test {
protected:
    QTemporaryDir user, program;
    ScriptedPrompter prompter;
    Document doc { kAllFonts };
    DocumentActions actions { doc, prompter, {} };

    void SetUp() override
    {
        actions.SetFolders({ user.path(), program.path() });
        WriteBytes(program.filePath(u("autre.lxg")), "[LXGDocument]\r\nTitre=Autre\r\n");
    }
    QString Path(const QString& name) const { return user.filePath(name); }
    CommandResult LoadBytes(const QString& name, const QByteArray& bytes) { return actions.Load(WriteBytes(Path(name), bytes)); }
    CommandResult Load(const QStringList& lines) { return LoadBytes(u("essai.lxg"), EncodeWindows1252(lines.join(u("\r\n")) + u("\r\n"))); }
    QString Value(const QString& key) const
    {
        for (const QString& line : DocumentText(doc.data()).split(u("\r\n"))) {
            if (line.startsWith(key + u("=")))
                return line.mid(key.size() + 1);
        }
        return u("<absent>");
    }
    // A worksheet with changes not saved yet.
    void Edit()
    {
        doc.Change(Setting::Title, u("Mes animaux"));
        ASSERT_TRUE(doc.Modified());
    }
};
using DocumentCommands = DocumentFile;

TEST_F(DocumentFile, TypedValuesSurviveSavingAndReopening)
{
    // Typed quotes and blanks survive, and so do commas of the message and the name of an external list.
    Load({ u("[LXGDocument]") }); // a document as read (a new one's empty entry has direction -1, which no file holds)
    doc.Change(Setting::Title, u("\"Les animaux\""));
    doc.Change(Setting::Instruction, u("'Lis.'"));
    doc.Change(Setting::HiddenMessage, u("Bravo, les amis, à demain !"));
    doc.Change(Setting::Direction1, true);
    doc.Change(Setting::Direction4, true);
    Reopen(doc, [](DocumentData& d) {
        d.settings.selectedThemeCount = -1;
        d.settings.themeText = u("Animaux");
        for (const char* w : { "\"chat\"", "loup\t", "chien", "lion", "ours" })
            d.words.SetChecked(d.words.AddWordIfAbsent(u(w)).index, true);
    }, Path(u("essai.lxg")));
    const auto back = SavedAndReopened(doc);
    EXPECT_EQ(Value(u("Titre")), u("\"\"Les animaux\"\""));
    EXPECT_EQ(DocumentText(back->data()), DocumentText(doc.data()));
    EXPECT_EQ(back->ThemeLabel(), u("Liste externe"));
    doc.Change(Setting::Title, QString()); // an empty title is written, and read back empty
    EXPECT_EQ(SavedAndReopened(doc)->settings().title, QString());
    actions.New();
    doc.Change(Setting::ThemeText, u("CE1/CE2")); // a theme typed before any word
    EXPECT_EQ(SavedAndReopened(doc)->settings().themeText, u("CE1/CE2"));
    // No value read is cut: a 400-character title, 300 words and their flags, a long message.
    QStringList lines { u("[LXGDocument]"), u("Titre=") + QString(400, u't') };
    QString flags;
    for (int i = 0; i < 300; ++i) {
        flags += i % 3 ? u("1") : u("0");
        lines << u("Liste%1=mot%2").arg(i).arg(i, 3, 10, QLatin1Char('0'));
    }
    Load(lines << u("MotsSélectionnés=") + flags << u("Valeurs=100000,") + QString(300, u'm'));
    EXPECT_EQ(doc.settings().title.size(), 400);
    EXPECT_EQ(doc.words().BuildSelectionSignature(), flags);
    EXPECT_EQ(doc.settings().puzzle.message.size(), 300);
    // Every sign a list's word brings into a grid comes back in its cell.
    for (const GameType type : { GameType::WordSearch, GameType::FillIn, GameType::CodedWords }) {
        DocumentOf signs({ u("qui ?"), u("oui !"), u("bravo !"), u("3 pommes"), u("a+b"), u("rose@") }, 12);
        signs.Change(Setting::GameType, int(type));
        ASSERT_TRUE(signs.Generate().succeeded()) << int(type);
        EXPECT_EQ(DocumentText(SavedAndReopened(signs)->data()), DocumentText(signs.data())) << int(type);
    }
}

TEST_F(DocumentFile, TheTemplateLeavesTheWorksheetAlone)
{
    LoadBytes(u("Les animaux.lxg"), ReadAll(kExample));
    EXPECT_EQ(doc.WindowTitle(), u("Lexigrille 0.1 - Les animaux.lxg"));
    doc.Change(Setting::HiddenMessage, u("SECRET"));
    doc.SetModified(true, true);
    prompter.answers = { Answer::No, Answer::Yes };
    const QString path = Path(u("modèle"));
    EXPECT_EQ(actions.SaveTo(path).status, CommandResult::Status::Cancelled);
    EXPECT_FALSE(QFile::exists(path + u(".lxg")));
    const QString question = u("Voulez-vous vraiment définir ce document comme modèle par défaut ?");
    EXPECT_EQ(prompter.asked.value(0).text, question);
    const QString worksheet = DocumentText(doc.data());
    ASSERT_TRUE(actions.SaveTo(path).done());
    EXPECT_EQ(DocumentText(doc.data()), worksheet) << "the open worksheet keeps its words and puzzle";
    EXPECT_EQ(doc.WindowTitle(), u("Lexigrille 0.1 - Les animaux.lxg*")) << "and its name and mark";
    actions.SaveTo(path);
    EXPECT_EQ(prompter.asked.last().text, u("Attention : le modèle existant sera remplacé !\n") + question);
    // The template holds the settings (opened untitled: the commands' test) without the worksheet's content.
    Document tpl(kAllFonts);
    ASSERT_TRUE(DocumentActions(tpl, prompter, {}).Load(path + u(".lxg")).done());
    EXPECT_EQ(tpl.words().Count(), 0);
    EXPECT_EQ(tpl.settings().LevelString() + tpl.themes().SelectedCodes() + tpl.settings().puzzle.message + tpl.settings().themeText, u("00000"));
    EXPECT_TRUE(tpl.puzzle().LetterGrid.at(0, 0).isEmpty());
}

TEST_F(DocumentFile, MissingBlankAndOutOfRangeParametersTakeTheNewDocumentsValues)
{
    const char* const cases[][3] = {
        { "9,0,0,1,2", "9,0,0,1,2,0,0,0,1,0,0,15,10,99", "" }, // only five fields
        { "9,0,0,1,2,0,0,0,1,0,0,15,   ,  ", "9,0,0,1,2,0,0,0,1,0,0,15,10,99", "" }, // blank bounds
        // Fewer than five: none is read.
        { "9,0,0,1", "5,1,1,0,1,0,0,0,1,0,0,15,10,99", "les réglages de la grille et de la page" },
        // Grid size, lower half, game type: the nearer bound; the theme count recounted; flags, max letters: the
        // fallback. Each named but the theme count, which is not the teacher's.
        { "99,1,1,0,-4,7,1,30,5,5,5,1,1,2", "18,1,1,0,0,2,1,0,1,0,1,15,1,2",
          "la taille de la grille, la moitié inférieure, le type de jeu, les lettres restantes « Aléatoires », « Mélanger », "
          "« Classes » ou « Niveaux », le nombre de lettres maximal des mots" },
        { "12,x,1,,1.5,0,0,0,1,0,0,15,10,99", "12,0,1,0,2,0,0,0,1,0,0,15,10,99", "« Majuscules », « Cases apparentes »" },
    };
    for (const auto& c : cases) {
        const CommandResult r = Load({ u("[LXGDocument]"), u("Paramètres=") + u(c[0]) });
        EXPECT_EQ(Value(u("Paramètres")), u(c[1])) << c[0];
        // A setting that could not be read opens all the same, and the teacher is told which.
        const bool unread = *c[2] != 0;
        EXPECT_TRUE(r.done());
        EXPECT_EQ(r.kind, unread ? MessageKind::Warning : MessageKind::Information);
        EXPECT_EQ(r.message, unread ? u("Certains réglages de « essai.lxg » étaient illisibles et ont repris leur valeur par "
                                        "défaut : ") + u(c[2]) + u(".\nVérifiez-les avant d'imprimer la fiche.")
                                    : QString()) << c[0];
    }
    // The other keys' numbers likewise.
    const CommandResult others = Load({ u("[LXGDocument]"), u("PoliceListe=Arial,30,0,0"), u("Niveaux=10-00"), u("Images=3"),
                                        u("Adapter=oui"), u("LettresDonnées=27") });
    EXPECT_TRUE(others.message.contains(u(" : la police de la liste, les classes cochées, « Adapter à la page », les images, le nombre "
                                          "de lettres données.\n"))) << others.message.toStdString();
    // Words listed beyond their checks (the key cut short or lost) stay, checked, and the teacher is told.
    const CommandResult cut = Load({ u("[LXGDocument]"), u("MotsSélectionnés=10"), u("Liste0=chat"), u("Liste1=chien"), u("Liste2=lapin") });
    EXPECT_EQ(std::pair(doc.words().Words(), Value(u("MotsSélectionnés"))), std::pair(QStringList { u("chat"), u("chien"), u("lapin") }, u("101")));
    EXPECT_TRUE(cut.message.contains(u(" : les coches des mots de la liste (ils sont tous cochés).\n"))) << cut.message.toStdString();
    // Coded words: a code below 1 shows as an empty box; a digit of a grid is kept.
    QStringList codes;
    for (int k = 0; k < 26; ++k)
        codes << QString::number(k == 3 ? 0 : 30 - k);
    Load({ u("[LXGDocument]"), u("Paramètres=5,1,1,0,1,2,2,0,1,0,0,15,10,99"), u("Valeurs=") + codes.join(u(",")), u("Grille0=Bad4é-"),
           u("Grille2=-ARC-EN’CIEL-'B") });
    EXPECT_EQ(doc.settings().puzzle.letterCodeTexts[3], QString());
    EXPECT_EQ(doc.puzzle().CodeGrid.at(1, 0), 30);
    EXPECT_EQ(Value(u("Grille0")), u("Bad4").leftJustified(31, u'_')) << "é and - cannot come from a puzzle";
    EXPECT_EQ(Value(u("Grille2")), u("_ARC-EN’CIEL__B").leftJustified(31, u'_')) << "a word's hyphen and apostrophe, between its letters";
    EXPECT_EQ(Value(u("Valeurs")), codes.join(u(",")));
    // The coded words' pictures as the generation arranged them reopen so (a key printed later matches the pupils'
    // sheets); anything but an arrangement of the pictures is told and gives the pictures in their first order.
    QString pictures = PuzzleEngine::SymbolCharacters();
    std::reverse(pictures.begin(), pictures.end());
    for (const QString& stored : { pictures, u("!!!") }) {
        const CommandResult r = Load({ u("[LXGDocument]"), u("Paramètres=5,1,1,0,1,2,2,0,1,0,0,15,10,99"), u("Symboles=") + stored });
        const bool arranged = stored == pictures;
        EXPECT_EQ(doc.puzzle().SymbolAlphabet, arranged ? pictures : PuzzleEngine::SymbolCharacters());
        EXPECT_EQ(Value(u("Symboles")), arranged ? pictures : u("<absent>"));
        EXPECT_EQ(r.message.contains(u("les dessins des mots codés")), !arranged);
    }
    // The grid's own codes, where a box holds a code typed wrong: 26 numbers, else told and the boxes' codes.
    const QString zeros = QStringList(24, u("0")).join(u',');
    for (const auto& [stored, read] : { std::pair { u("2,1,") + zeros, true }, { u("2,1"), false }, { u("2,x,") + zeros, false } }) {
        const CommandResult r = Load({ u("[LXGDocument]"), u("Paramètres=5,1,1,0,1,2,0,0,1,0,0,15,10,99"), u("Valeurs=1,1,") + zeros,
                                       u("CodesGrille=") + stored, u("Grille0=AB"), u("Grille2=BABA") });
        EXPECT_EQ(doc.puzzle().CodeGrid.at(1, 2), read ? 2 : 1) << stored.toStdString(); // A: the grid's code, else its box's
        EXPECT_EQ(r.message.contains(u("les codes de la grille des mots codés")), !read) << stored.toStdString();
        EXPECT_EQ(doc.settings().puzzle.letterCodeTexts[1], u("1")) << "the box as typed";
    }
}

TEST_F(DocumentFile, MissingAndForeignFilesAreRefusedAndLeaveTheDocumentAlone)
{
    doc.Change(Setting::Title, u("En cours"));
    const CommandResult missing = actions.Load(Path(u("absent.lxg")));
    EXPECT_EQ(missing.status, CommandResult::Status::Failed);
    EXPECT_EQ(missing.message, u("Le fichier « ") + Path(u("absent.lxg")) + u(" » est introuvable."));
    EXPECT_EQ(doc.settings().title, u("En cours")) << "the open document is left as it was";
    // A text without the document's section (bytes of any value are read as text: IniReader), a file too big to be
    // a document, an empty file: no document, the open one untouched.
    const QByteArray files[] = { "Titre=Sans section\r\n", ReadAll(kExample) + QByteArray(kLargestDocument, ' '), QByteArray() };
    for (const QByteArray& bytes : files) {
        const CommandResult r = LoadBytes(u("fiche.lxg"), bytes);
        EXPECT_EQ(r.status, CommandResult::Status::Failed);
        EXPECT_EQ(r.message, u("« fiche.lxg » n'est pas un document Lexigrille."));
        EXPECT_EQ(doc.settings().title, u("En cours"));
        EXPECT_EQ(ReadAll(Path(u("fiche.lxg"))), bytes);
    }

    // A document cut short keeps what it holds, and says what it lacks (it opened as if whole).
    const struct { const char* cutAt; const char* lacks; } cuts[] = {
        { "Grille2=", "une partie de la grille et des mots de la liste" }, { "Liste1=", "des mots de la liste" },
        { "Mot1=", "des réglages de la fiche, la place de certains mots dans la grille, la grille et des mots de la liste" },
        { "\r\n\r\n", "" }, // whole (the program's own template, made by hand without words or grid: ATemplateThatCannotServeIsNamed)
    };
    for (const auto& c : cuts) {
        QByteArray cut = ReadAll(kExample);
        cut.truncate(cut.lastIndexOf(c.cutAt));
        const CommandResult r = LoadBytes(u("coupe.lxg"), cut);
        EXPECT_EQ(doc.settings().title, u("Les animaux"));
        const QString told = *c.lacks ? u("« coupe.lxg » semble coupé : il y manque ") + u(c.lacks) + u(".\nVérifiez la fiche avant de "
                                        "l'imprimer ou de l'enregistrer ; si on vous l'a envoyée, demandez-la à nouveau.") : QString();
        EXPECT_EQ(r.message, told) << c.cutAt;
        if (c.cutAt == cuts[0].cutAt) { // the rows before the cut
            EXPECT_TRUE(doc.puzzle().LetterGrid.at(0, 1) == u("a") && doc.puzzle().LetterGrid.at(0, 2).isEmpty());
        }
    }
    // UTF-8 with a byte order mark opens its words (without one: the cli's utf8_lf document).
    LoadBytes(u("utf8.lxg"), "\xEF\xBB\xBF" + u("[LXGDocument]\nTitre=Les élèves\nMotsSélectionnés=1\nListe0=éléphant\n").toUtf8());
    EXPECT_EQ(doc.settings().title, u("Les élèves"));
    EXPECT_EQ(doc.words().Words(), QStringList { u("éléphant") });
    // What the code page lacks: a narrow no-break space and an emoji's selector as the boxes take them, the rest
    // read as "?" as the next save writes it, and named.
    const CommandResult r = LoadBytes(u("utf8.lxg"), u("[LXGDocument]\nTitre=Les ✏\uFE0F ő\u202F!\n").toUtf8());
    EXPECT_EQ(doc.settings().title, u("Les ? ?\u00A0!"));
    EXPECT_EQ(std::pair(r.kind, r.message), std::pair(MessageKind::Warning, u("« utf8.lxg » contient « ✏ » (U+270F) et « ő » (U+0151), "
        "qu'un document Lexigrille ne peut pas garder : ils sont remplacés par « ? ».\nCorrigez les textes où paraît « ? » avant d'imprimer la fiche.")));
}

TEST_F(DocumentFile, WordEntriesFollowTheCandidatesRead)
{
    // More entries than candidates (duplicates, missing words): the saved copy reads back the same.
    for (const QStringList& lines : { QStringList { u("MotsSélectionnés=111"), u("Liste0=chat"), u("Liste1=loup"), u("Liste2=chat"),
                                                    u("NombreMots=2"), u("Mot0=0,0,0,CHAT"), u("Mot1=0,1,0,LOUP"), u("Mot2=0,2,0,CHAT") },
                                      QStringList { u("MotsSélectionnés=11"), u("NombreMots=4") } }) {
        Load(QStringList { u("[LXGDocument]") } + lines);
        EXPECT_EQ(DocumentText(SavedAndReopened(doc)->data()), DocumentText(doc.data()));
    }
    // A one-word puzzle stores no entry.
    Load({ u("[LXGDocument]"), u("MotsSélectionnés=1"), u("NombreMots=0"), u("Liste0=chat"), u("Mot0=1,1,1,CHAT") });
    EXPECT_EQ(doc.puzzle().WordCount, 1);
    EXPECT_EQ(doc.puzzle().WordEntries, QList<WordEntry> { WordEntry {} });
    EXPECT_EQ(Value(u("NombreMots")), u("0"));
    EXPECT_EQ(Value(u("Mot0")), u("<absent>"));
}

// The save question with each answer (closing is the question alone), and New and Open going on after it or
// not; a cancelled or failed save (reported; the old file kept: SafeFile) stops the command and keeps the work.
TEST_F(DocumentCommands, TheSaveQuestionBeforeNewOpenAndClosing)
{
    enum Command { New, Open, Close };
    enum Dialog { Cancelled, Named, Unwritable }; // what the save-as dialog gives after Yes
    const struct { Command command; Answer answer; Dialog dialog; bool goesOn; } cases[] = {
        { New, Answer::No, Cancelled, true }, { New, Answer::Cancel, Cancelled, false }, { Open, Answer::No, Cancelled, true },
        { Open, Answer::Cancel, Cancelled, false }, { Close, Answer::Cancel, Cancelled, false }, { Close, Answer::Yes, Cancelled, false },
        { Close, Answer::Yes, Unwritable, false }, { Close, Answer::Yes, Named, true },
    };
    ASSERT_TRUE(QDir(user.path()).mkdir(u("dossier.lxg")));
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n);
        doc.Reset();
        Edit();
        const QString path = user.filePath(QStringLiteral("sauvegarde%1.lxg").arg(n++));
        prompter.answers = { c.answer, Answer::Retry }; // Retry: after a failed save
        prompter.paths = { c.dialog == Named ? path : c.dialog == Unwritable ? user.filePath(u("dossier.lxg")) : QString() };
        prompter.asked.clear();
        const bool wentOn = c.command == New ? actions.New().done()
            : c.command == Open             ? actions.Open(program.filePath(u("autre.lxg"))).done()
                                            : actions.AskToSave();
        EXPECT_EQ(wentOn, c.goesOn);
        EXPECT_EQ(QFile::exists(path), c.dialog == Named);
        ASSERT_EQ(prompter.asked.size(), c.dialog == Unwritable ? 2 : 1) << "the save question, then the save error";
        EXPECT_EQ(prompter.asked[0].text, u("Voulez-vous enregistrer les modifications ?"));
        EXPECT_EQ(prompter.asked[0].kind, MessageKind::SaveQuestion);
        EXPECT_EQ(prompter.asked.last().kind, c.dialog == Unwritable ? MessageKind::SaveError : MessageKind::SaveQuestion);
        if (c.dialog == Unwritable) { // a folder stands where the file would go
            EXPECT_TRUE(prompter.asked.last().text.startsWith(u("Impossible d'enregistrer\n") + Path(u("dossier.lxg")) + u(" !\nErreur")));
            EXPECT_TRUE(prompter.asked.last().text.endsWith(u(" : Le nom désigne un dossier et non un fichier\nChoisissez un autre "
                                                              "emplacement, par exemple le dossier « Lexigrille » de vos Documents.")));
            // Retry gives the dialog again, in the teacher's folder, with the name chosen (not the sheet's own file).
            EXPECT_EQ(std::pair(prompter.dialogs.last().folder, prompter.dialogs.last().proposedName), std::pair(user.path(), u("dossier.lxg")));
        }
        if (c.dialog == Named) { // the name proposed: the save dialog's test
            EXPECT_EQ(prompter.dialogs.last().defaultSuffix, u("lxg"));
        }
        if (!c.goesOn) {
            EXPECT_EQ(doc.settings().title, u("Mes animaux")) << "the work stays open";
            EXPECT_TRUE(doc.Modified());
        } else if (c.command == Open) {
            EXPECT_EQ(doc.settings().title, u("Autre"));
        } else if (c.command == Close) { // saved as: the document takes the file's name
            EXPECT_FALSE(doc.Modified());
            EXPECT_EQ(doc.WindowTitle(), u("Lexigrille 0.1 - ") + QFileInfo(path).fileName());
        }
    }
    // Nothing to save: no question at all.
    doc.Reset();
    prompter.asked.clear();
    EXPECT_TRUE(actions.New().done());
    EXPECT_TRUE(prompter.asked.isEmpty());
    // The open dialog asks once: Annuler at the save question stops before the dialog.
    Edit();
    prompter.answers = { Answer::No };
    prompter.paths = { program.filePath(u("autre.lxg")) };
    prompter.asked.clear();
    EXPECT_TRUE(actions.OpenOther().done());
    EXPECT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(doc.settings().title, u("Autre")) << "the document chosen opens";
}

// A document saved before proposes its own name in its folder: saving it again replaces it (after the dialog's
// question) rather than leaving the changes in a second file named after the theme. One opened from the program
// folder, or made from its template, is the teacher's: it goes to the teacher's folder under a name of its own,
// never into the program folder (read-only once installed).
TEST_F(DocumentCommands, TheSaveDialogProposesTheDocumentsOwnFileElseTheTeachersFolder)
{
    WriteBytes(program.filePath(u("modèle.lxg")), "[LXGDocument]\r\nTitre=Modèle\r\n");
    const struct { std::function<CommandResult()> open; const char* title; const char* proposed; } cases[] = {
        { [&] { Edit(); return actions.SaveTo(user.filePath(u("Les animaux de Léa.lxg"))); }, "Mes animaux", "Les animaux de Léa.lxg" },
        { [&] { return actions.Open(program.filePath(u("autre.lxg"))); }, "Autre", "Lexigrille" },
        { [&] { return actions.New(); }, "Modèle", "Lexigrille" },
        // A list imported over a saved document names the sheet, as its title bar says: it is no longer that file.
        { [&] { Edit(); actions.SaveTo(user.filePath(u("Léa.lxg")));
                return actions.ImportList(WriteBytes(program.filePath(u("Fruits.txt")), "pomme\r\npoire\r\nkiwi\r\n")); },
          "Mes animaux", "Lexigrille - Fruits" },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.open().done());
        ASSERT_EQ(doc.settings().title, u(c.title));
        EXPECT_EQ(actions.SaveAs().status, CommandResult::Status::Cancelled);
        EXPECT_EQ(prompter.dialogs.last().proposedName, u(c.proposed));
        EXPECT_EQ(QDir(prompter.dialogs.last().folder).canonicalPath(), QDir(user.path()).canonicalPath()) << c.title;
    }
    // Without a folder of her own (it could not be made), her Documents, not the folder the program started in.
    DocumentActions homeless(doc, prompter, { QString(), program.path() });
    EXPECT_EQ(homeless.SaveAs().status, CommandResult::Status::Cancelled);
    EXPECT_EQ(prompter.dialogs.last().folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_FALSE(prompter.dialogs.last().folder.isEmpty());
}

// A name with a dot of its own (« Séance 3.2 ») is given the suffix all the same, and the file that names is replaced
// only when the teacher says so: the dialog asked about the name typed, not that one.
TEST_F(DocumentCommands, ANameWithADotIsGivenItsSuffix)
{
    Edit();
    prompter.paths = { Path(u("Séance 3.2")) };
    ASSERT_TRUE(actions.SaveAs().done());
    EXPECT_TRUE(prompter.asked.isEmpty());
    const QByteArray saved = ReadAll(Path(u("Séance 3.2.lxg")));
    ASSERT_FALSE(saved.isEmpty());
    doc.Change(Setting::Title, u("Autre"));
    for (const Answer answer : { Answer::No, Answer::Yes }) {
        prompter.paths = { Path(u("Séance 3.2")) };
        prompter.answers = { answer };
        EXPECT_EQ(actions.SaveAs().done(), answer == Answer::Yes);
        EXPECT_EQ(prompter.asked.last().text, u("« Séance 3.2.lxg » existe déjà.\nVoulez-vous le remplacer ?"));
        EXPECT_EQ(ReadAll(Path(u("Séance 3.2.lxg"))) == saved, answer == Answer::No);
    }
}

// A list imported from its own folder leaves the documents' dialogs where they were: the sheet saved after the
// import goes among the documents, and the next import opens among the lists.
TEST_F(DocumentCommands, ListsAndDocumentsKeepTheirOwnFolders)
{
    QTemporaryDir lists;
    prompter.paths = { WriteBytes(lists.filePath(u("animaux.txt")), "chat\r\nchien\r\nlapin\r\n"), QString(), QString() };
    ASSERT_TRUE(actions.ImportOtherList().done());
    EXPECT_EQ(actions.SaveAs().status, CommandResult::Status::Cancelled);
    EXPECT_EQ(actions.ImportOtherList().status, CommandResult::Status::Cancelled);
    ASSERT_EQ(prompter.dialogs.size(), 3);
    EXPECT_EQ(QDir(prompter.dialogs[1].folder).canonicalPath(), QDir(user.path()).canonicalPath());
    EXPECT_EQ(QDir(prompter.dialogs[2].folder).canonicalPath(), QDir(lists.path()).canonicalPath());
}

TEST_F(DocumentCommands, ATemplateGoesToTheTeachersFolderAndStartsTheNextNewDocument)
{
    Edit();
    doc.Change(Setting::GridBold, true);
    prompter.answers = { Answer::Yes };
    ASSERT_TRUE(actions.SaveAsTemplate().done());
    EXPECT_FALSE(QFile::exists(program.filePath(u("modèle.lxg")))) << "the template goes to the teacher's folder, not the program's";

    prompter.answers = { Answer::No };
    ASSERT_TRUE(actions.New().done());
    EXPECT_EQ(doc.settings().title, u("Mes animaux"));
    EXPECT_TRUE(doc.settings().gridBold);
    EXPECT_EQ(doc.WindowTitle(), u("Lexigrille 0.1 - Sans titre")) << "the template opens untitled";
    // A teacher's folder that cannot be made: said, not silently dropped.
    const QString blocked = user.filePath(u("fichier"));
    WriteBytes(blocked, "pas un dossier");
    qputenv("LEXIGRILLE_USER_DIR", (blocked + u("/Lexigrille")).toLocal8Bit());
    actions.SetFolders({ QString(), program.path() });
    const CommandResult refused = actions.SaveAsTemplate();
    qunsetenv("LEXIGRILLE_USER_DIR");
    EXPECT_EQ(refused.status, CommandResult::Status::Failed);
    EXPECT_TRUE(refused.message.startsWith(u("Impossible de créer votre dossier « ") + QDir::toNativeSeparators(blocked))) << refused.message.toStdString();
}

// A teacher's template that cannot serve is named, and the program's serves instead (it gave a bare document without a
// word); what a template could not set is told, as for any document.
TEST_F(DocumentCommands, ATemplateThatCannotServeIsNamed)
{
    WriteBytes(program.filePath(u("modèle.lxg")), "[LXGDocument]\r\nTitre=Modèle du programme\r\n");
    const struct { QByteArray teachers; const char* title; const char* told; } cases[] = {
        { "\x89PNG\r\n\x1A\n", "Modèle du programme", "Votre modèle des nouvelles fiches n'a pas pu servir : « modèle.lxg » n'est pas un document" },
        { "[LXGDocument]\r\nTitre=Le mien\r\nPoliceGrille=Arial,99,x\r\n", "Le mien", "la police de la grille" },
        { "[LXGDocument]\r\nTitre=Le mien\r\n", "Le mien", "" },
    };
    for (const auto& c : cases) {
        WriteBytes(user.filePath(u("modèle.lxg")), c.teachers);
        const CommandResult r = actions.New();
        EXPECT_TRUE(r.done());
        EXPECT_EQ(doc.settings().title, u(c.title));
        EXPECT_TRUE(r.message.contains(u(c.told)) && r.message.isEmpty() == !*c.told) << r.message.toStdString();
    }
    // Without one of the teacher's, a damaged program's template is named as the program's.
    QFile::remove(user.filePath(u("modèle.lxg")));
    WriteBytes(program.filePath(u("modèle.lxg")), "\x89PNG\r\n");
    const CommandResult bare = actions.New();
    EXPECT_TRUE(bare.message.startsWith(u("Le modèle des nouvelles fiches du programme n'a pas pu servir"))) << bare.message.toStdString();
    EXPECT_EQ(doc.settings().title, QString());
}

TEST_F(DocumentCommands, MenusListTheTeachersFilesFirstEachNameOnce)
{
    for (int i = 0; i < 60; ++i)
        WriteBytes(user.filePath(QStringLiteral("fiche %1.lxg").arg(i, 2, 10, QLatin1Char('0'))), "[LXGDocument]\r\n");
    FileMenu menu = actions.AvailableDocuments();
    EXPECT_EQ(menu.items.size(), 50);
    EXPECT_EQ(menu.title, u("50 documents disponibles"));
    EXPECT_EQ(menu.items[0].caption, u("fiche 00"));

    QTemporaryDir fewer;
    actions.SetFolders({ fewer.path(), program.path() });
    WriteBytes(fewer.filePath(u("Autre.lxg")), "[LXGDocument]\r\n");
    menu = actions.AvailableDocuments();
    ASSERT_EQ(menu.items.size(), 1) << "the program's autre.lxg is the teacher's Autre.lxg";
    EXPECT_EQ(menu.items[0].path, fewer.filePath(u("Autre.lxg")));

    WriteBytes(fewer.filePath(u("Fruits.txt")), "pomme\r\npoire\r\n");
    WriteBytes(program.filePath(u("fruits.txt")), "kiwi\r\n");
    WriteBytes(program.filePath(u("Légumes.txt")), "chou\r\n");
    const FileMenu lists = actions.AvailableWordLists(); // the files that are no list: test_word_lists
    ASSERT_EQ(lists.items.size(), 2);
    EXPECT_EQ(lists.items[0].path, fewer.filePath(u("Fruits.txt")));
    EXPECT_EQ(lists.items[1].caption, u("Légumes"));
}

// The list commands (their rules: test_word_lists): an import asks first about the work not saved; a failed paste is an error.
TEST_F(DocumentCommands, ListsFromAFileAndFromTheClipboard)
{
    WriteBytes(Path(u("fruits.txt")), "pomme\r\npoire\r\ncerise\r\n");
    Edit();
    prompter.answers = { Answer::No };
    ASSERT_TRUE(actions.ImportList(Path(u("fruits.txt"))).done());
    EXPECT_EQ(prompter.asked.value(0).kind, MessageKind::SaveQuestion);
    EXPECT_EQ(doc.words().Words(), (QStringList { u("cerise"), u("poire"), u("pomme") }));
    EXPECT_TRUE(actions.PasteList(u("chat chien loup")).done());
    EXPECT_EQ(actions.PasteList(QString()).kind, MessageKind::Error);
    EXPECT_EQ(doc.words().Count(), 3);
}

TEST_F(DocumentCommands, VersionsArePairwiseDifferentAndRepeatable)
{
    doc.PasteWordList(u("chat\nchien\nloup\nlion\nours\nvache\n"));
    doc.Change(Setting::GridSize, 8);
    ASSERT_TRUE(doc.Generate().succeeded());
    const QString before = DocumentText(doc.data());
    const Versions a = MakeVersions(doc, 6, 100);
    ASSERT_EQ(a.pages.size(), 6);
    for (int i = 0; i < a.pages.size(); ++i)
        for (int j = i + 1; j < a.pages.size(); ++j)
            EXPECT_FALSE(a.pages[i].puzzle.LetterGrid == a.pages[j].puzzle.LetterGrid) << i << " " << j;
    EXPECT_EQ(DocumentText(doc.data()), before) << "the document keeps its own puzzle";
    const Versions b = MakeVersions(doc, 2, 101);
    EXPECT_TRUE(b.pages[0].puzzle.LetterGrid == a.pages[1].puzzle.LetterGrid) << "version k uses the seed + k - 1";
    // The window's first version is the grid the teacher looked at, when it prints as it is.
    const Versions shown = MakeVersions(doc, 2, 100, {}, {}, {}, true);
    EXPECT_TRUE(shown.pages[0].puzzle.LetterGrid == doc.puzzle().LetterGrid);
    EXPECT_TRUE(shown.pages[1].puzzle.LetterGrid == a.pages[1].puzzle.LetterGrid) << "the others as without it";
    DocumentOf message(Words("chat chien loup lion ours vache"), 8); // a message leaving cells empty is asked about,
    message.Change(Setting::RandomFill, false);                         // but its grid is whole: printed as shown
    message.Change(Setting::HiddenMessage, u("bravo"));
    ASSERT_TRUE(message.Generate().succeeded());
    ASSERT_FALSE(message.PrintQuestion().isEmpty());
    EXPECT_TRUE(MakeVersions(message, 2, 100, {}, {}, {}, true).pages[0].puzzle.LetterGrid == message.puzzle().LetterGrid);
    message.SetUnfitWords({ u("zz") }); // a grid that shows an unfit word is asked about, and made anew
    message.Change(Setting::HiddenMessage, QString(40, u'z'));
    EXPECT_FALSE(message.Generate().message.isEmpty());
    EXPECT_TRUE(message.PrintQuestion().startsWith(u("La grille laisse lire « ZZ »"))) << message.PrintQuestion().toStdString();
    EXPECT_FALSE(MakeVersions(message, 2, 100, {}, {}, {}, true).pages[0].puzzle.LetterGrid == message.puzzle().LetterGrid);
    doc.Change(Setting::GridSize, 9); // resized since it was made: made anew
    EXPECT_TRUE(MakeVersions(doc, 1, 7, {}, {}, {}, true).pages[0].puzzle.LetterGrid == MakeVersions(doc, 1, 7).pages[0].puzzle.LetterGrid);
    doc.Change(Setting::GridSize, 8);
    EXPECT_EQ(VersionLabel(3, 25), u("Version 3/25"));

    int made = 0;
    EXPECT_TRUE(MakeVersions(doc, 5, 1, {}, [&](int) { return ++made < 2; }).pages.isEmpty()) << "given up";
    // A version whose generation runs out of time is tried again with other seeds (a class set of long fill-in words
    // failed whole when one of them did); one that runs out of time at every try fails the run.
    for (const int failures : { 2, kVersionAttempts }) {
        QList<std::uint64_t> seeds;
        const Versions v = MakeVersions(doc, 3, 20, {}, {}, [&](Document& copy) {
            seeds << copy.LastSeed();
            GenerationResult r = copy.Generate();
            seeds.last() = copy.LastSeed();
            if (seeds.last() % kVersionRetrySeedStep == 21 && seeds.size() <= failures + 1)
                r.outcome = GenerationOutcome::TimedOut; // version 2
            return r;
        });
        EXPECT_EQ(v.pages.size(), failures < kVersionAttempts ? 3 : 0);
        EXPECT_EQ(v.error, failures < kVersionAttempts ? QString() : u("La version 2 n'a pas pu être créée : le temps de calcul est "
                                                                        "dépassé à chacun des 5 essais. Choisissez une grille de 9×9, ou retirez des mots."));
        const QList<std::uint64_t> tried { 20, 21, 1021, 2021, 3021, 4021 };
        EXPECT_EQ(seeds.mid(0, failures + 2), tried.mid(0, failures + 2));
    }
    // A version whose grid lets an unfit word be read (a hidden message's letters) is made again; the last try is kept.
    QList<std::uint64_t> tried;
    const Versions unfit = MakeVersions(doc, 2, 20, {}, {}, [&](Document& copy) {
        GenerationResult r = copy.Generate();
        tried << copy.LastSeed();
        r.message = tried.size() == 2 ? u("Attention : la grille laisse lire « ZZ »") : QString();
        return r;
    });
    EXPECT_EQ(tried, (QList<std::uint64_t> { 20, 21, 1021 }));
    EXPECT_EQ(unfit.pages.size(), 2);
    // A fill-in that runs out of time at every try: the words the frame cannot hold are named as such.
    for (const auto& [words, advice] : { std::pair { 8, "Retirez des mots." },
                                         { 20, "Ces 20 mots ne se croisent pas assez pour tenir dans le cadre : retirez des mots." } }) {
        DocumentOf fillIn(MadeUpWords(words, 11));
        fillIn.Change(Setting::GameType, int(GameType::FillIn));
        const Versions v = MakeVersions(fillIn, 2, 1, {}, {}, [](Document&) { return GenerationResult { GenerationOutcome::TimedOut, {} }; });
        EXPECT_EQ(v.error, u("La version 1 n'a pas pu être créée : le temps de calcul est dépassé à chacun des 5 essais. ") + u(advice));
    }
}

} // namespace
} // namespace lx::test
