#include "shell/program_texts.h"

#include <QDir>
#include <QStringList>
#include <array>

#include "platform/safe_file.h"
#include "texts/text_tables.h"

namespace app {

namespace {
// Italian, English, French.
const char* const kProgramTexts[][3] = {
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
    {"Scrivi l'insieme in [0°, %1°) come intervalli: [0, 30] ∪ (150, 360), 30..150 o 30 <= x < 150, "
     "un punto isolato come {0}; «R» per ogni x, «nessuna» per nessuna x.",
     "Type the set in [0°, %1°) as intervals: [0, 30] ∪ (150, 360), 30..150 or 30 <= x < 150, "
     "a point alone as {0}; \"R\" for every x, \"none\" for no x.",
     "Écris l'ensemble dans [0°, %1°[ en intervalles : [0, 30] ∪ ]150, 360[, 30..150 ou 30 <= x < 150, "
     "un point isolé comme {0} ; « R » pour tout x, « aucune » pour aucun x."},
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
    {"Impossibile salvare la scheda in", "The worksheet could not be saved in",
     "Impossible d'enregistrer la fiche dans"},
    {"La risposta è troppo lunga: al massimo %1 caratteri", "The answer is too long: at most %1 characters",
     "La réponse est trop longue : %1 caractères au plus"},
    {"La disequazione vale per ogni x: R", "The inequality holds for every x: R", "L'inéquation est vraie pour tout x : R"},
    {"La disequazione non vale per nessuna x: Ø", "The inequality holds for no x: Ø",
     "L'inéquation n'est vraie pour aucun x : Ø"},
    {"Queste scelte hanno solo %1 esercizi diversi: la scheda ne ripete alcuni.",
     "These choices have only %1 different exercises: the sheet repeats some of them.",
     "Ces choix n'ont que %1 exercices différents : la fiche en répète certains."},
    {"Progressi", "Progress", "Progrès"},

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
    {"Aspetto:", "Look:", "Aspect :"},
    {"per la carta", "for paper", "pour le papier"},
    {"come sullo schermo", "as on screen", "comme à l'écran"},
    // Why a file was not written.
    {"È un collegamento simbolico: non si scrive nulla attraverso un collegamento.",
     "It is a symbolic link: nothing is written through a link.",
     "C'est un lien symbolique : rien n'est écrit à travers un lien."},
    {"È una FIFO (pipe con nome): non si scrive nulla in una FIFO.",
     "It is a FIFO (named pipe): nothing is written into a FIFO.",
     "C'est une FIFO (tube nommé) : rien n'est écrit dans une FIFO."},
    {"È un dispositivo: non si scrive nulla in un dispositivo.", "It is a device: nothing is written into a device.",
     "C'est un périphérique : rien n'est écrit dans un périphérique."},
    {"È una cartella.", "It is a folder.", "C'est un dossier."},
    {"Non è un file normale: non si scrive nulla al suo posto.",
     "It is not a regular file: nothing is written in its place.",
     "Ce n'est pas un fichier ordinaire : rien n'est écrit à sa place."},
    {"Non è stato possibile preparare il contenuto del file.", "The file's content could not be made.",
     "Le contenu du fichier n'a pas pu être préparé."},
    {"Versione %1", "Version %1", "Version %1"},
    {"Risolvi…", "Solve…", "Résoudre…"},
    {"Scrivi un'equazione o una disequazione in x come sulla carta, ad esempio 2sin²x − 3sinx + 1 = 0 "
     "oppure √3 sin x − cos x > 1:",
     "Type an equation or inequality in x as written on paper, for example 2sin²x − 3sinx + 1 = 0 "
     "or √3 sin x − cos x > 1:",
     "Saisissez une équation ou une inéquation en x comme sur le papier, par exemple 2sin²x − 3sinx + 1 = 0 "
     "ou √3 sin x − cos x > 1 :"},
    {"Risolvi", "Solve", "Résoudre"},
    {"Cambiati tutti i segni: −(…) ≥ 0, lo stesso che … ≤ 0", "Every sign changed: −(…) ≥ 0, the same as … ≤ 0",
     "Tous les signes changés : −(…) ≥ 0, la même chose que … ≤ 0"},
    {"Triangoli", "Triangles", "Triangles"},
};
static_assert(std::size(kProgramTexts) == std::size_t(ProgramText::Count),
              "every program text needs its row");
}  // namespace

QString listWords(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + programText(ProgramText::And) + items.last();
}

QString notWrittenReason(const SafeFile::Result& result)
{
    using SafeFile::Problem;
    switch (result.problem) {
    case Problem::None: return QString();
    case Problem::SymbolicLink: return programText(ProgramText::FileIsLink);
    case Problem::Fifo: return programText(ProgramText::FileIsFifo);
    case Problem::Device: return programText(ProgramText::FileIsDevice);
    case Problem::Folder: return programText(ProgramText::FileIsFolder);
    case Problem::NotRegularFile: return programText(ProgramText::FileNotRegular);
    case Problem::NotMade: return programText(ProgramText::FileNotMade);
    case Problem::Failed: break;
    }
    return result.systemReason;
}

QString notWrittenMessage(ProgramText heading, const QString& path, const SafeFile::Result& result)
{
    return programText(heading) + QLatin1Char('\n') + QDir::toNativeSeparators(path) + QStringLiteral("\n\n") +
           notWrittenReason(result);
}

QString programText(ProgramText text)
{
    const auto& row = kProgramTexts[std::size_t(text)];
    const std::size_t slot = CurrentLanguage <= 2 ? CurrentLanguage : 1;
    return QString::fromUtf8(row[slot]);
}

}  // namespace app
