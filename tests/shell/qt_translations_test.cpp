// Qt's own dialogs speak the program's language: the standard buttons and the file chooser
// under Italian and French, and under a loaded language whose name Qt knows.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>

#include "common/test_support.h"
#include "language_samples.h"
#include "platform/qt_translations.h"
#include "app/main_window.h"

namespace {

QString cancelText(QWidget* dialog = nullptr)
{
    QDialogButtonBox own(QDialogButtonBox::Cancel);
    QDialogButtonBox* box = dialog ? dialog->findChild<QDialogButtonBox*>() : &own;
    return box && box->button(QDialogButtonBox::Cancel) ? box->button(QDialogButtonBox::Cancel)->text() : QString();
}

TEST(QtTranslations, DialogsFollowTheLanguageChosenInTheMenu)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->Italiano1Click();
    EXPECT_EQ(cancelText(), QStringLiteral("Annulla"));
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(cancelText(&chooser), QStringLiteral("Annulla"));
    main->Francese1Click();
    EXPECT_EQ(cancelText(), QStringLiteral("Annuler"));
    main->Inglese1Click();
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
    EXPECT_EQ(QtTranslations::current(), QString());

    // A loaded language is known by its English name ("Spanish").
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    main->setLanguageFileChooser([&] { return scratch.file("mine.lng"); });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(cancelText(), QStringLiteral("Cancelar"));
}

TEST(QtTranslations, ALoadedLanguageIsKnownByItsNames)
{
    const struct {
        int slot;
        const char* english;
        const char* own;
        const char* locale;
    } cases[] = {
        {0, "", "", "it"}, {1, "Spanish", "", "en"}, {2, "", "", "fr"},
        {3, "Spanish", "Español", "es_ES"}, {3, " german ", "", "de_DE"}, {3, "Deutsch?", "Deutsch", "de_DE"},
        {3, "Klingon", "tlhIngan Hol", ""}, {3, "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtTranslations::localeNameFor(c.slot, QString::fromUtf8(c.english), QString::fromUtf8(c.own)),
                  QString::fromLatin1(c.locale)) << c.english << "/" << c.own;
    EXPECT_FALSE(QtTranslations::use(QStringLiteral("tlh")));
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
}

}  // namespace
