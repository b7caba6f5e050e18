#include "shell/program_texts.h"

#include <array>

#include "texts/text_tables.h"

namespace app {

namespace {
// Italian, English, French.
const std::array<std::array<const char*, 3>, 10> kProgramTexts = {{
    {"Impossibile salvare le impostazioni in", "The settings could not be saved in",
     "Impossible d'enregistrer les réglages dans"},
    // Saving, printing and copying a topic window's picture.
    {"&Salva immagine…", "&Save picture…", "&Enregistrer l'image…"},
    {"S&tampa…", "&Print…", "&Imprimer…"},
    {"C&opia", "C&opy", "C&opier"},
    {"Immagine PNG (*.png)", "PNG picture (*.png)", "Image PNG (*.png)"},
    {"Immagine PNG, risoluzione doppia (*.png)", "PNG picture, twice the resolution (*.png)",
     "Image PNG, résolution double (*.png)"},
    {"Disegno SVG (*.svg)", "SVG drawing (*.svg)", "Dessin SVG (*.svg)"},
    {"Pagina PDF (*.pdf)", "PDF page (*.pdf)", "Page PDF (*.pdf)"},
    {"Impossibile salvare l'immagine in", "The picture could not be saved in", "Impossible d'enregistrer l'image dans"},
    {"Impossibile stampare la pagina.", "The page could not be printed.", "Impossible d'imprimer la page."},
}};
}  // namespace

QString programText(ProgramText text)
{
    const auto& row = kProgramTexts[std::size_t(text)];
    const std::size_t slot = CurrentLanguage <= 2 ? CurrentLanguage : 1;
    return QString::fromUtf8(row[slot]);
}

}  // namespace app
