// Feeds arbitrary bytes to the language-file reader: a file is accepted only when it has
// exactly 171 lines with the check mark on line 82; an accepted file fills slot 3 of the text
// tables without any text beyond its table's maximum, and touches no built-in language.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "shell/language_file.h"
#include "texts/text_tables.h"
#include "fault.h"

namespace {

void checkTable(const app::TextTable& table)
{
    for (int row = 0; row < table.rows(); ++row)
        for (int slot = 0; slot < app::LanguageSlots; ++slot)
            if (table.text(row, slot).size() > table.maxLength())
                fault("a text beyond its table's maximum");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString italianTitle = (app::resetTextTables(), app::TitleTexts.text(0, 0));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QStringList> lines = app::parseLanguageFile(bytes);
    if (!lines)
        return 0;
    if (lines->size() != app::LanguageFileLines || !app::isLanguageFile(*lines))
        fault("an accepted file that is not a language file");
    app::fillTablesFromLanguageLines(*lines);
    for (const app::TextTable* table : {&app::CommonTexts, &app::TitleTexts, &app::MenuTexts})
        checkTable(*table);
    if (app::TitleTexts.text(0, 0) != italianTitle)
        fault("a language file changed a built-in language");
    // Line 154 (title row 1) is stored without its 3-character prefix, then loses one more.
    if (app::TitleTexts.text(1, 3) != (*lines)[154].mid(3).left(app::TitleTexts.maxLength()).mid(1))
        fault("a title text not taken from its line");
    return 0;
}
