#include "history/history_texts.h"

#include <QDir>
#include <iterator>

#include "texts/text_tables.h"

namespace history {

namespace {

const char* const kTexts[][3] = {
    {"Ripasso", "Review", "Révision"},
    {"Niente da ripassare oggi: prima si padroneggia un tipo di esercizio, poi torna nel giorno del suo ripasso.",
     "Nothing is due for review today: master a kind of exercise first, and it comes back on its day.",
     "Rien à réviser aujourd'hui : maîtrisez d'abord un type d'exercice, il reviendra le jour de sa révision."},
    {"Dieci tentativi oggi a questo tipo di esercizio: guarda come si risolve con \"Mostrami\", poi \"Nuovo esercizio\" ne dà un altro.",
     "Ten tries at this kind of exercise today: see how it is solved with \"Show me\", then \"New exercise\" gives another.",
     "Dix essais aujourd'hui à ce type d'exercice : voyez comment il se résout avec « Montre-moi », puis « Nouvel exercice » en donne un autre."},
    {"Progressi", "Progress", "Progrès"},
    {"Progressi…", "Progress…", "Progrès…"},
    {"Le risposte di questa sessione non sono conservate: %1.\n%2", "This session's answers are not kept: %1.\n%2",
     "Les réponses de cette session ne sont pas conservées : %1.\n%2"},
    {"il suo file è un collegamento simbolico", "its file is a symbolic link", "son fichier est un lien symbolique"},
    {"il suo file è una FIFO", "its file is a FIFO", "son fichier est une FIFO"},
    {"al suo posto c'è una cartella", "a folder stands at its name", "un dossier se trouve à sa place"},
    {"il suo file non è un file normale", "its file is not a regular file", "son fichier n'est pas un fichier ordinaire"},
    {"il suo file è di sola lettura", "its file is read-only", "son fichier est en lecture seule"},
    {"il suo file non è un database", "its file is not a database", "son fichier n'est pas une base de données"},
    {"il suo file era danneggiato ed è stato messo da parte come %1", "its file was damaged and was moved aside as %1",
     "son fichier était endommagé et a été mis de côté sous le nom %1"},
    {"un'altra copia del programma lo sta usando", "another copy of the program is using it",
     "une autre copie du programme l'utilise"},
    {"il suo file è di una versione più recente del programma", "its file was written by a newer version of the program",
     "son fichier vient d'une version plus récente du programme"},
    {"il suo file non si può aprire", "its file cannot be opened", "son fichier ne peut pas être ouvert"},
    {"%1 risposte non si sono potute scrivere (%2): sono tenute in memoria e scritte appena c'è spazio.",
     "%1 answers could not be written (%2): they are kept in memory and written as soon as there is room.",
     "%1 réponses n'ont pas pu être écrites (%2) : elles sont gardées en mémoire et écrites dès qu'il y a de la place."},
    {"padroneggiato", "mastered", "maîtrisé"},
    {"in corso", "learning", "en cours"},
    {"da ripassare", "due", "à réviser"},
    {"non iniziato", "not started", "pas commencé"},
    {"%1 risposte · %2 padroneggiati · %3 da ripassare", "%1 answers · %2 mastered · %3 due",
     "%1 réponses · %2 maîtrisés · %3 à réviser"},
    {"Giuste al primo colpo, giorno per giorno", "Right first time, day by day", "Justes du premier coup, jour par jour"},
    {"%1: %2 su %3 giuste al primo colpo (%4%)", "%1: %2 of %3 right first time (%4%)",
     "%1 : %2 sur %3 justes du premier coup (%4 %)"},
    {"Ancora nessuna risposta.", "No answers yet.", "Pas encore de réponse."},
    {"Gli errori più frequenti", "The most frequent slips", "Les erreurs les plus fréquentes"},
    {"Ancora nessun errore nominato.", "No slip named yet.", "Aucune erreur nommée pour l'instant."},
    {"%1: %2 volte", "%1: %2 times", "%1 : %2 fois"},
    {"Esporta i tentativi…", "Export attempts…", "Exporter les essais…"},
    {"Dimentica la mia storia…", "Forget my history…", "Oublier mon historique…"},
    {"Cancellare ogni risposta conservata? Non si potrà tornare indietro.",
     "Delete every answer kept? This cannot be undone.", "Effacer toutes les réponses gardées ? C'est définitif."},
    {"Non è stato possibile salvare i tentativi in", "The attempts could not be saved in",
     "Les essais n'ont pas pu être enregistrés dans"},
    {"La storia è stata cancellata.", "The history was deleted.", "L'historique a été effacé."},
};
static_assert(std::size(kTexts) == std::size_t(Text::Count), "every text needs its row");

}  // namespace

QString text(Text which)
{
    const std::size_t slot = app::CurrentLanguage <= 2 ? app::CurrentLanguage : 1;
    return QString::fromUtf8(kTexts[std::size_t(which)][slot]);
}

QString notice(const Store& store)
{
    Text reason = Text::CannotOpen;
    switch (store.problem()) {
    case Problem::None:
        return store.unwritten() == 0 ? QString()
                                      : text(Text::Unwritten).arg(store.unwritten()).arg(store.writeError());
    case Problem::SymbolicLink: reason = Text::SymbolicLink; break;
    case Problem::Fifo: reason = Text::Fifo; break;
    case Problem::Folder: reason = Text::Folder; break;
    case Problem::NotRegularFile: reason = Text::NotRegularFile; break;
    case Problem::ReadOnly: reason = Text::ReadOnly; break;
    case Problem::NotADatabase: reason = Text::NotADatabase; break;
    case Problem::Corrupt: reason = Text::Corrupt; break;
    case Problem::Locked: reason = Text::Locked; break;
    case Problem::NewerSchema: reason = Text::NewerSchema; break;
    case Problem::CannotOpen: break;
    }
    const QString why = reason == Text::Corrupt ? text(reason).arg(QDir::toNativeSeparators(store.movedAside())) : text(reason);
    return text(Text::NotKept).arg(why, QDir::toNativeSeparators(store.path()));
}

QString statusWord(Status status)
{
    switch (status) {
    case Status::NotStarted: return text(Text::NotStarted);
    case Status::Learning: return text(Text::Learning);
    case Status::Mastered: return text(Text::Mastered);
    case Status::Due: return text(Text::Due);
    }
    return {};
}

}  // namespace history
