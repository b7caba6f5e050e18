#include "texts/text_tables.h"

namespace app {

unsigned char CurrentLanguage = 1;

namespace {

using Row3 = std::array<const char*, 3>;

// Italian, English, French.
const Row3 kCommon[33] = {
    {"pausa|", "pause|", "pause|"},
    {"velocità d'esecuzione|", "execution speed|", "vitesse d'exécution|"},
    {"via|", "start|", "départ|"},
    {"nuovo|", "new|", "nouveau|"},
    {"guida|", "help|", "aide|"},
    {"Gradi", "Degrees", "Degrés"},
    {"Radianti", "Radians", "Radians"},
    {"numero di funzioni|", "number of functions|", "nombre de fonctions|"},
    {"prima funzione", "first function", "première fonction"},
    {"seconda funzione", "second function", "deuxième fonction"},
    {"normale|", "normal|", "normal|"},
    {"passo a passo|", "step by step|", "pas à pas|"},
    {"continua|", "continue|", "continuer|"},
    {"seno", "sinus", "sinus"},
    {"coseno", "cosinus", "cosinus"},
    {"tangente", "tangent", "tangente"},
    {"cosecante", "cosecant", "cosécante"},
    {"secante", "secant", "sécante"},
    {"cotangente", "cotangent", "cotangente"},
    {"1° quadrante", "1st quadrant", "1° quadrant"},
    {"1° ottante", "1st octant", "1° octant"},
    {"angolo", "angle", "angle"},
    {"disegna", "draw", "tracer"},
    {"sen", "sin", "sin"},
    {"R", "R", "R"},
    {"Ø", "Ø", "Ø"},
    {" fuori intervallo", " out of range", " hors de l'intervalle"},
    {"immissione dati", "data enter", "entrer les données"},
    {"annulla", "cancel", "annuler"},
    {"conferma", "OK", "OK"},
    {"funzione", "function", "fonction"},
    {"", "English version by the program's authors", "Version française par les auteurs du programme"},
    {"Il programma non può aprire il file", "The program connot open file",
     "Le programme ne peut pas ouvrir le fichier"},
};

const Row3 kTitle[18] = {
    {"Angolario", "Anglebook", "Angulaire"},
    {"ANGOLARIO", "ANGLEBOOK", "ANGULAIRE"},
    {"A N G O L A R I O", "A N G L E B O O K", "A N G U L A I R E"},
    {"Funzioni", "Functions", "Fonctions"},
    {"Riduzione archi", "Corresponding acute angle", "Réduction des arcs"},
    {"Archi associati", "Associate angles", "Arcs associés"},
    {"Equazioni elementari", "Base equations", "Equations"},
    {"Equazioni di secondo grado", "Quadratic equations", "Equations du second degré"},
    {"Equazioni lineari", "Linear equations", "Equations linéaires"},
    {"Disequazioni elementari", "Base inequalities", "Inéquations"},
    {"Disequazioni di secondo grado", "Quadratic inequalities", "Inéquations du second degré"},
    {"Disequazioni lineari", "Linear inequalities", "Inéquations linéaires"},
    {" Immissione dati", " Data enter", " Entrer les données"},
    {" Calcolatrice", " Calculator", " Calculatrice"},
    {"Visitate il sito :", "Visit the site:", "Visitez le site:"},
    {"trig-tutor.example", "trig-tutor.example", "trig-tutor.example"},
    {"Programmi liberi per la matematica a scuola", "Free programs for mathematics at school",
     "Logiciels libres pour les mathématiques à l'école"},
    {"Angolario", "Anglebook", "Angulaire"},
};

const Row3 kMenu[32] = {
    {"&Archivio", "&File", "&Fichier"},
    {"&Funzione dei pulsanti", "&Hints", "&Bulles d'aide"},
    {"&Calcolatrice", "&Calculator", "&Calculatrice"},
    {"&Lingua", "&Language", "&Langue"},
    {" &Francese", " &French", " &Française"},
    {" &Inglese", " &English", " &Anglaise"},
    {" I&taliana", " &Italian", " &Italienne"},
    {"&Esci", "E&xit", "&Quitter"},
    {"&Finestre", "&Windows", "F&enêtres"},
    {"&Precedente", "&Previous", "&Précédente"},
    {"&Successiva", "&Next", "&Suivante"},
    {"&Chiude tutte", "&All closed", "&Fermer tout"},
    {"   ?   ", "   ?   ", "   ?   "},
    {"&Guida", "&Help", "&Aide"},
    {"&Informazioni", "&About", "&A propos"},
    {"&Angolario", "&Anglebook", "&Angulaire"},
    {"&Funzioni", "&Functions", "&Fonctions"},
    {"&Riduzione archi", "&Corresponding acute angle", "&Reduction des arcs"},
    {"&Archi associati", "&Associate angles", "&Arcs associés"},
    {"&Equazioni elementari", "&Base equations", "&Equations"},
    {"&Equazioni di secondo grado", "&Quadratic equations", "&Equations du second degré"},
    {"&Disequazioni elementari", "&Base inequalities", "&Inéquations"},
    {"Disequazioni di &secondo grado", "&Quadratic inequalities", "&Inéquations du &second degré"},
    {"Equazioni &lineari", "&Linear equations", "Equations &linéaires"},
    {"D&isequazioni lineari", "L&inear inequalities", "I&néquations linéaires"},
    {"&e-mail", "&e-mail", "&e-mail"},
    {"&K&&W Home page", "&K&&W Home page", "&K&&W Accueil"},
    {"Equazioni", "&Equations", "&Equations"},
    {"&Disequazioni", "&Inequalities", "&Inéquations"},
    {"Caricare un'altra &versione", "Load another &version", "Charger une autre &version"},
    {"Lingua &predefinita", "Default language", "Langue de &defaut"},
    {"", "", ""},
};

template <std::size_t N>
void fill(TextTable& table, const Row3 (&rows)[N])
{
    for (std::size_t r = 0; r < N; ++r) {
        for (int slot = 0; slot < 3; ++slot)
            table.set(int(r), slot, QString::fromUtf8(rows[r][slot]));
        table.set(int(r), 3, QString());
    }
}

}  // namespace

TextTable::TextTable(int rows, int maxLength) : m_cells(std::size_t(rows)), m_maxLength(maxLength) {}

QString TextTable::text(int row) const
{
    return text(row, CurrentLanguage);
}

QString TextTable::text(int row, int slot) const
{
    if (row < 0 || row >= rows() || slot < 0 || slot >= LanguageSlots)
        return QString();
    return m_cells[std::size_t(row)][std::size_t(slot)];
}

void TextTable::set(int row, int slot, const QString& text)
{
    if (row < 0 || row >= rows() || slot < 0 || slot >= LanguageSlots)
        return;
    m_cells[std::size_t(row)][std::size_t(slot)] = text.left(m_maxLength);
}

TextTable CommonTexts(33, 80);
TextTable TitleTexts(18, 60);
TextTable MenuTexts(32, 46);
TextTable AboutTexts(AboutTextRows, 65);

void resetTextTables()
{
    fill(CommonTexts, kCommon);
    fill(TitleTexts, kTitle);
    fill(MenuTexts, kMenu);
    for (int r = 0; r < AboutTextRows; ++r) {
        for (int slot = 0; slot < 3; ++slot)
            AboutTexts.set(r, slot, QString::fromUtf8(AboutTextLines[std::size_t(r)][std::size_t(slot)]));
        AboutTexts.set(r, 3, QString());
    }
}

namespace {
// The tables hold their built-in texts from the start of the program.
const bool kFilled = (resetTextTables(), true);
}  // namespace

}  // namespace app
