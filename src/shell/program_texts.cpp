#include "shell/program_texts.h"

#include <array>

#include "texts/text_tables.h"

namespace app {

namespace {
// Italian, English, French.
const std::array<std::array<const char*, 3>, 1> kProgramTexts = {{
    {"Impossibile salvare le impostazioni in", "The settings could not be saved in",
     "Impossible d'enregistrer les réglages dans"},
}};
}  // namespace

QString programText(ProgramText text)
{
    const auto& row = kProgramTexts[std::size_t(text)];
    const std::size_t slot = CurrentLanguage <= 2 ? CurrentLanguage : 1;
    return QString::fromUtf8(row[slot]);
}

}  // namespace app
