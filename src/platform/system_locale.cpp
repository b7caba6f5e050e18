#include "platform/system_locale.h"

namespace SystemLocale {
namespace {

struct Entry {
    QLocale::Language language;
    QLocale::Territory territory;  // AnyTerritory: the language's primary number
    int id;
};

// Locale numbers of the languages and countries the program tells apart, then the
// primary numbers of other common languages (which all leave English).
const Entry kEntries[] = {
    {QLocale::German, QLocale::Germany, 1031},
    {QLocale::German, QLocale::Switzerland, 2055},
    {QLocale::German, QLocale::Austria, 3079},
    {QLocale::German, QLocale::Luxembourg, 4103},
    {QLocale::German, QLocale::Liechtenstein, 5127},
    {QLocale::German, QLocale::AnyTerritory, 1031},
    {QLocale::English, QLocale::UnitedStates, 1033},
    {QLocale::English, QLocale::UnitedKingdom, 2057},
    {QLocale::English, QLocale::Australia, 3081},
    {QLocale::English, QLocale::Canada, 4105},
    {QLocale::English, QLocale::NewZealand, 5129},
    {QLocale::English, QLocale::Ireland, 6153},
    {QLocale::English, QLocale::SouthAfrica, 7177},
    {QLocale::English, QLocale::Jamaica, 8201},
    {QLocale::English, QLocale::Belize, 10249},
    {QLocale::English, QLocale::TrinidadAndTobago, 11273},
    {QLocale::English, QLocale::Zimbabwe, 12297},
    {QLocale::English, QLocale::Philippines, 13321},
    {QLocale::English, QLocale::India, 16393},
    {QLocale::English, QLocale::Malaysia, 17417},
    {QLocale::English, QLocale::Singapore, 18441},
    {QLocale::English, QLocale::AnyTerritory, 1033},
    {QLocale::Spanish, QLocale::Spain, 3082},
    {QLocale::Spanish, QLocale::Mexico, 2058},
    {QLocale::Spanish, QLocale::Guatemala, 4106},
    {QLocale::Spanish, QLocale::CostaRica, 5130},
    {QLocale::Spanish, QLocale::Panama, 6154},
    {QLocale::Spanish, QLocale::DominicanRepublic, 7178},
    {QLocale::Spanish, QLocale::Venezuela, 8202},
    {QLocale::Spanish, QLocale::Colombia, 9226},
    {QLocale::Spanish, QLocale::Peru, 10250},
    {QLocale::Spanish, QLocale::Argentina, 11274},
    {QLocale::Spanish, QLocale::Ecuador, 12298},
    {QLocale::Spanish, QLocale::Chile, 13322},
    {QLocale::Spanish, QLocale::Uruguay, 14346},
    {QLocale::Spanish, QLocale::Paraguay, 15370},
    {QLocale::Spanish, QLocale::Bolivia, 16394},
    {QLocale::Spanish, QLocale::ElSalvador, 17418},
    {QLocale::Spanish, QLocale::Honduras, 18442},
    {QLocale::Spanish, QLocale::Nicaragua, 19466},
    {QLocale::Spanish, QLocale::PuertoRico, 20490},
    {QLocale::Spanish, QLocale::UnitedStates, 21514},
    {QLocale::Spanish, QLocale::AnyTerritory, 3082},
    {QLocale::French, QLocale::France, 1036},
    {QLocale::French, QLocale::Belgium, 2060},
    {QLocale::French, QLocale::Canada, 3084},
    {QLocale::French, QLocale::Switzerland, 4108},
    {QLocale::French, QLocale::Luxembourg, 5132},
    {QLocale::French, QLocale::Monaco, 6156},
    {QLocale::French, QLocale::AnyTerritory, 1036},
    {QLocale::Italian, QLocale::Italy, 1040},
    {QLocale::Italian, QLocale::Switzerland, 2064},
    {QLocale::Italian, QLocale::AnyTerritory, 1040},
    {QLocale::Portuguese, QLocale::Brazil, 1046},
    {QLocale::Portuguese, QLocale::Portugal, 2070},
    {QLocale::Portuguese, QLocale::AnyTerritory, 2070},
    {QLocale::Japanese, QLocale::AnyTerritory, 1041},
    {QLocale::Chinese, QLocale::AnyTerritory, 2052},
    {QLocale::Korean, QLocale::AnyTerritory, 1042},
    {QLocale::Russian, QLocale::AnyTerritory, 1049},
    {QLocale::Dutch, QLocale::AnyTerritory, 1043},
    {QLocale::Polish, QLocale::AnyTerritory, 1045},
    {QLocale::Swedish, QLocale::AnyTerritory, 1053},
    {QLocale::Greek, QLocale::AnyTerritory, 1032},
    {QLocale::Turkish, QLocale::AnyTerritory, 1055},
    {QLocale::Arabic, QLocale::AnyTerritory, 1025},
};

}  // namespace

int localeId(const QLocale& locale)
{
    const QLocale::Language language = locale.language();
    const QLocale::Territory territory = locale.territory();
    for (const Entry& e : kEntries)
        if (e.language == language && e.territory == territory)
            return e.id;
    for (const Entry& e : kEntries)
        if (e.language == language && e.territory == QLocale::AnyTerritory)
            return e.id;
    return 1033;
}

int systemLocaleId()
{
    return localeId(QLocale::system());
}

}  // namespace SystemLocale
