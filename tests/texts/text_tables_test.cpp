#include <gtest/gtest.h>

#include <set>

#include "common/test_support.h"
#include "texts/text_tables.h"

using namespace app;

namespace {

struct TableRow {
    const TextTable* table;
    int row;
    const char* italian;
    const char* english;
    const char* french;
};

class TextTableRows : public ::testing::TestWithParam<TableRow> {};

TEST_P(TextTableRows, HoldTheirTextsInEachLanguage)
{
    resetTextTables();
    const TableRow& r = GetParam();
    EXPECT_EQ(r.table->text(r.row, 0), QString::fromUtf8(r.italian));
    EXPECT_EQ(r.table->text(r.row, 1), QString::fromUtf8(r.english));
    EXPECT_EQ(r.table->text(r.row, 2), QString::fromUtf8(r.french));
    EXPECT_TRUE(r.table->text(r.row, 3).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextTableRows,
    ::testing::Values(
        TableRow{&CommonTexts, 0, "pausa|", "pause|", "pause|"},
        TableRow{&CommonTexts, 1, "velocità d'esecuzione|", "execution speed|", "vitesse d'exécution|"},
        TableRow{&CommonTexts, 3, "nuovo|", "new|", "nouveau|"},
        TableRow{&CommonTexts, 4, "guida|", "help|", "aide|"},
        TableRow{&CommonTexts, 5, "Gradi", "Degrees", "Degrés"},
        TableRow{&CommonTexts, 11, "passo a passo|", "step by step|", "pas à pas|"},
        TableRow{&CommonTexts, 19, "1° quadrante", "1st quadrant", "1° quadrant"},
        TableRow{&CommonTexts, 23, "sen", "sin", "sin"},
        TableRow{&CommonTexts, 25, "Ø", "Ø", "Ø"},
        TableRow{&CommonTexts, 26, " fuori intervallo", " out of range", " hors de l'intervalle"},
        TableRow{&CommonTexts, 29, "conferma", "OK", "OK"},
        TableRow{&CommonTexts, 32, "Il programma non può aprire il file", "The program connot open file",
                 "Le programme ne peut pas ouvrir le fichier"},
        TableRow{&TitleTexts, 0, "Angolario", "Anglebook", "Angulaire"},
        TableRow{&TitleTexts, 4, "Riduzione archi", "Corresponding acute angle", "Réduction des arcs"},
        TableRow{&TitleTexts, 12, " Immissione dati", " Data enter", " Entrer les données"},
        TableRow{&TitleTexts, 14, "Visitate il sito :", "Visit the site:", "Visitez le site:"},
        TableRow{&TitleTexts, 17, "Angolario", "Anglebook", "Angulaire"},
        TableRow{&MenuTexts, 4, " &Francese", " &French", " &Française"},
        TableRow{&MenuTexts, 12, "   ?   ", "   ?   ", "   ?   "},
        TableRow{&MenuTexts, 22, "Disequazioni di &secondo grado", "&Quadratic inequalities",
                 "&Inéquations du &second degré"},
        TableRow{&MenuTexts, 26, "&K&&W Home page", "&K&&W Home page", "&K&&W Accueil"},
        TableRow{&MenuTexts, 27, "Equazioni", "&Equations", "&Equations"},
        TableRow{&MenuTexts, 30, "Lingua &predefinita", "Default language", "Langue de &defaut"},
        TableRow{&MenuTexts, 31, "", "", ""}));

TEST(TextTables, HaveTheirSizes)
{
    EXPECT_EQ(CommonTexts.rows(), 33);
    EXPECT_EQ(CommonTexts.maxLength(), 80);
    EXPECT_EQ(TitleTexts.rows(), 18);
    EXPECT_EQ(TitleTexts.maxLength(), 60);
    EXPECT_EQ(MenuTexts.rows(), 32);
    EXPECT_EQ(MenuTexts.maxLength(), 46);
    EXPECT_EQ(AboutTexts.rows(), 83);
    EXPECT_EQ(AboutTexts.maxLength(), 65);
}

TEST(TextTables, HintRowsEndWithTheSeparatorAndOthersDoNot)
{
    resetTextTables();
    const std::set<int> hints = {0, 1, 2, 3, 4, 7, 10, 11, 12};
    for (int row = 0; row < CommonTexts.rows(); ++row)
        for (int slot = 0; slot < 3; ++slot) {
            const QString text = CommonTexts.text(row, slot);
            EXPECT_EQ(text.endsWith(QLatin1Char('|')), hints.count(row) == 1) << row << " " << slot;
        }
}

TEST(TextTables, BuiltInTextsFitTheirTablesAndWindows1252)
{
    resetTextTables();
    for (const TextTable* table : {&CommonTexts, &TitleTexts, &MenuTexts, &AboutTexts})
        for (int row = 0; row < table->rows(); ++row)
            for (int slot = 0; slot < 3; ++slot)
                for (QChar c : table->text(row, slot))
                    EXPECT_TRUE(c.unicode() < 0x180 || QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ").contains(c))
                        << row << " " << slot;
}

TEST(TextTables, StoringCutsToTheMaximumAndOutOfRangeIsHarmless)
{
    TextTable table(2, 5);
    table.set(0, 3, QStringLiteral("abcdefgh"));
    EXPECT_EQ(table.text(0, 3), QStringLiteral("abcde"));
    table.set(5, 0, QStringLiteral("x"));
    table.set(0, 4, QStringLiteral("x"));
    EXPECT_TRUE(table.text(-1, 0).isNull());
    EXPECT_TRUE(table.text(0, 7).isNull());
}

TEST(TextTables, TextFollowsTheLanguageInUse)
{
    ScratchDirectory scratch;
    for (unsigned char language : {0, 1, 2}) {
        CurrentLanguage = language;
        EXPECT_EQ(commonText(Common::Angle), CommonTexts.text(21, language));
        EXPECT_EQ(titleText(Title::Calculator), TitleTexts.text(13, language));
    }
}

TEST(TextTables, AboutTextHasItsClosingRows)
{
    resetTextTables();
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_TRUE(AboutTexts.text(81, slot).isEmpty());
        EXPECT_EQ(AboutTexts.text(82, slot).trimmed(), QStringLiteral("***"));
    }
}

}  // namespace
