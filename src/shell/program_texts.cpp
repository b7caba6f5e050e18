#include "shell/program_texts.h"

#include <QStringList>
#include <array>

#include "texts/text_tables.h"

namespace app {

namespace {
// Italian, English, French.
const std::array<std::array<const char*, 3>, 27> kProgramTexts = {{
    {"Impossibile salvare le impostazioni in", "The settings could not be saved in",
     "Impossible d'enregistrer les réglages dans"},

    // Screen readers: names, descriptions and the words of the pictures' descriptions.
    {"Tab passa da un controllo all'altro, le frecce cambiano i valori, F1 apre la guida",
     "Tab moves from control to control, the arrow keys change the values, F1 opens the help",
     "Tab passe d'une commande à l'autre, les flèches changent les valeurs, F1 ouvre l'aide"},
    {"Figura", "Picture", "Figure"},
    {"Risultati", "Results", "Résultats"},
    {"Aumenta", "Increase", "Augmenter"},
    {"Diminuisci", "Decrease", "Diminuer"},
    {"Coefficiente %1", "Coefficient %1", "Coefficient %1"},
    {"Cambia %1", "Change %1", "Modifier %1"},
    {" e ", " and ", " et "},
    {"ogni x", "every x", "tout x"},
    {"nessun x", "no x", "aucun x"},
    {"la retta y = %1", "the line y = %1", "la droite y = %1"},
    {"Circonferenza goniometrica: raggi a %3; grafico di %1 con %2 che lo incontra in %3 in ogni periodo di %4",
     "Unit circle: rays at %3; graph of %1 with %2 meeting it at %3 in each period of %4",
     "Cercle trigonométrique : rayons à %3 ; courbe de %1 avec %2 qui la coupe en %3 dans chaque période de %4"},
    {"Circonferenza goniometrica; grafico di %1 con %2, che non lo incontra",
     "Unit circle; graph of %1 with %2, which does not meet it",
     "Cercle trigonométrique ; courbe de %1 avec %2, qui ne la coupe pas"},
    {"Circonferenza goniometrica; grafico di %1; soluzioni: %2",
     "Unit circle; graph of %1; solutions: %2",
     "Cercle trigonométrique ; courbe de %1 ; solutions : %2"},
    {"Circonferenza goniometrica e grafico di %1; %2 per %3; %4 per %5; in ogni periodo di %6",
     "Unit circle and graph of %1; %2 for %3; %4 for %5; in each period of %6",
     "Cercle trigonométrique et courbe de %1 ; %2 pour %3 ; %4 pour %5 ; dans chaque période de %6"},
    {"%1 con %2", "%1 with %2", "%1 avec %2"},
    {"Circonferenza goniometrica e grafico di %1, tracciato fino a x = %2",
     "Unit circle and graph of %1, traced up to x = %2",
     "Cercle trigonométrique et courbe de %1, tracée jusqu'à x = %2"},
    {"Circonferenza goniometrica; angoli disegnati: %1", "Unit circle; angles drawn: %1",
     "Cercle trigonométrique ; angles tracés : %1"},
    {"Circonferenza goniometrica", "Unit circle", "Cercle trigonométrique"},
    {"Alt e la lettera sottolineata aprono i menu; Ctrl+Tab passa alla finestra seguente, Ctrl+W la chiude, "
     "Ctrl+Q esce, F1 apre la guida",
     "Alt with the underlined letter opens the menus; Ctrl+Tab goes to the next window, Ctrl+W closes it, "
     "Ctrl+Q quits, F1 opens the help",
     "Alt avec la lettre soulignée ouvre les menus ; Ctrl+Tab passe à la fenêtre suivante, Ctrl+W la ferme, "
     "Ctrl+Q quitte, F1 ouvre l'aide"},
    {"Espressione", "Expression", "Expression"},
    {"Risultato", "Result", "Résultat"},
    {"Gradi", "Degrees", "Degrés"},
    {"Radianti", "Radians", "Radians"},
    {"Radice quadrata", "Square root", "Racine carrée"},
    {"Cancella l'ultimo carattere", "Delete the last character", "Effacer le dernier caractère"},
}};
}  // namespace

QString listWords(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + programText(ProgramText::And) + items.last();
}

QString programText(ProgramText text)
{
    const auto& row = kProgramTexts[std::size_t(text)];
    const std::size_t slot = CurrentLanguage <= 2 ? CurrentLanguage : 1;
    return QString::fromUtf8(row[slot]);
}

}  // namespace app
