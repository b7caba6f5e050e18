#include "shell/program_texts.h"

#include <array>

#include "texts/text_tables.h"

namespace app {

namespace {
// Italian, English, French.
const std::array<std::array<const char*, 3>, 42> kProgramTexts = {{
    {"Impossibile salvare le impostazioni in", "The settings could not be saved in",
     "Impossible d'enregistrer les réglages dans"},

    // The practice window and its worksheets.
    {"Esercizi", "Practice", "Exercices"},
    {"Elementari", "Elementary", "Élémentaires"},
    {"Di secondo grado", "Quadratic", "Du second degré"},
    {"Lineari", "Linear", "Linéaires"},
    {"Equazioni", "Equations", "Équations"},
    {"Disequazioni", "Inequalities", "Inéquations"},
    {"Misti", "Mixed", "Mélangés"},
    {"Livello %1", "Level %1", "Niveau %1"},
    {"Nuovo esercizio", "New exercise", "Nouvel exercice"},
    {"Verifica", "Check", "Vérifier"},
    {"Mostrami", "Show me", "Montre-moi"},
    {"Crea una scheda…", "Make a worksheet…", "Créer une fiche…"},
    {"Seme %1", "Seed %1", "Graine %1"},
    {"Scrivi le soluzioni in [0°, %1°): gradi separati da virgole (30, 150) o frazioni di π (pi/6, 5pi/6); "
     "«nessuna» se non ce ne sono.",
     "Type the solutions in [0°, %1°): degrees separated by commas (30, 150) or fractions of π (pi/6, 5pi/6); "
     "\"none\" if there are none.",
     "Écris les solutions dans [0°, %1°[ : degrés séparés par des virgules (30, 150) ou fractions de π "
     "(pi/6, 5pi/6) ; « aucune » s'il n'y en a pas."},
    {"Scrivi l'insieme in [0°, %1°) come intervalli: [0, 30] ∪ (150, 360), 30..150 o 30 <= x < 150; "
     "«R» per ogni x, «nessuna» per nessuna x.",
     "Type the set in [0°, %1°) as intervals: [0, 30] ∪ (150, 360), 30..150 or 30 <= x < 150; "
     "\"R\" for every x, \"none\" for no x.",
     "Écris l'ensemble dans [0°, %1°[ en intervalles : [0, 30] ∪ ]150, 360[, 30..150 ou 30 <= x < 150 ; "
     "« R » pour tout x, « aucune » pour aucun x."},
    {"Giusto!", "Right!", "Juste !"},
    {"Mancano: %1", "Missing: %1", "Il manque : %1"},
    {"Non sono soluzioni: %1", "Not solutions: %1", "Ne sont pas des solutions : %1"},
    {"L'equazione non vale per ogni x", "The equation does not hold for every x", "L'équation n'est pas vraie pour tout x"},
    {"Non sono estremi dell'insieme: %1", "Not ends of the set: %1", "Ne sont pas des bornes de l'ensemble : %1"},
    {"Estremi mancanti: %1", "Ends missing: %1", "Bornes manquantes : %1"},
    {"Questi estremi appartengono all'insieme: %1", "These ends belong to the set: %1",
     "Ces bornes appartiennent à l'ensemble : %1"},
    {"Questi estremi non appartengono all'insieme: %1", "These ends do not belong to the set: %1",
     "Ces bornes n'appartiennent pas à l'ensemble : %1"},
    {"Gli estremi sono giusti, ma l'insieme è fatto degli altri intervalli",
     "The ends are right, but the set is made of the other stretches between them",
     "Les bornes sont justes, mais l'ensemble est fait des autres intervalles"},
    {"Scrivi una risposta", "Type an answer", "Écris une réponse"},
    {"Non riesco a leggere «%1»", "Could not read \"%1\"", "Impossible de lire « %1 »"},
    {"«%1» non è un numero intero di gradi", "\"%1\" is not a whole number of degrees",
     "« %1 » n'est pas un nombre entier de degrés"},
    {"«%1»: il primo estremo deve essere minore del secondo", "\"%1\": the first end must be smaller than the second",
     "« %1 » : la première borne doit être plus petite que la seconde"},
    {"Giusti al primo colpo: %1 · dopo i suggerimenti: %2 · esercizi: %3",
     "Right first time: %1 · right after hints: %2 · exercises: %3",
     "Justes du premier coup : %1 · après les indications : %2 · exercices : %3"},
    {"Scheda di esercizi", "Worksheet", "Fiche d'exercices"},
    {"Soluzioni", "Answer key", "Corrigé"},
    {"Risolvi in [0°, 360°), per la tangente in [0°, 180°).", "Solve in [0°, 360°), for the tangent in [0°, 180°).",
     "Résous dans [0°, 360°[, pour la tangente dans [0°, 180°[."},
    {"Nome ______________________   Data ____________", "Name ______________________   Date ____________",
     "Nom ______________________   Date ____________"},
    {"Seme %1 · %2 · pagina %3", "Seed %1 · %2 · page %3", "Graine %1 · %2 · page %3"},
    {"Numero di esercizi", "Number of exercises", "Nombre d'exercices"},
    {"Tipo", "Kind", "Type"},
    {"Funzione", "Function", "Fonction"},
    {"Livello", "Level", "Niveau"},
    {"Salva la scheda in PDF", "Save the worksheet as PDF", "Enregistrer la fiche en PDF"},
    {"Risposta:", "Answer:", "Réponse :"},
    {"«%1» non è un angolo fra −360° e 720°", "\"%1\" is no angle from −360° to 720°",
     "« %1 » n'est pas un angle entre −360° et 720°"},
}};
}  // namespace

QString programText(ProgramText text)
{
    const auto& row = kProgramTexts[std::size_t(text)];
    const std::size_t slot = CurrentLanguage <= 2 ? CurrentLanguage : 1;
    return QString::fromUtf8(row[slot]);
}

}  // namespace app
