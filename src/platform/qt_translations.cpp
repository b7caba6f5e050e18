#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace QtTranslations {

namespace {

// The catalogue in use belongs to the application and goes with it.
struct Installed {
    QPointer<QTranslator> translator;
    QString localeName;
};

Installed& installed()
{
    static Installed state;
    return state;
}

// The language Qt calls by this name, in English or in the language itself.
QLocale::Language languageNamed(const QString& name, bool ownName)
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return QLocale::AnyLanguage;
    for (int value = QLocale::C + 1; value <= QLocale::LastLanguage; ++value) {
        const auto language = QLocale::Language(value);
        const QString known = ownName ? QLocale(language).nativeLanguageName() : QLocale::languageToString(language);
        if (!known.isEmpty() && known.compare(wanted, Qt::CaseInsensitive) == 0)
            return language;
    }
    return QLocale::AnyLanguage;
}

}  // namespace

QString localeNameFor(int languageSlot, const QString& englishName, const QString& ownName)
{
    switch (languageSlot) {
    case 0: return QStringLiteral("it");
    case 1: return QStringLiteral("en");
    case 2: return QStringLiteral("fr");
    default: break;
    }
    QLocale::Language language = languageNamed(englishName, false);
    if (language == QLocale::AnyLanguage)
        language = languageNamed(ownName, true);
    if (language == QLocale::AnyLanguage)
        return QString();
    return QLocale(language).name();
}

bool use(const QString& localeName)
{
    Installed& state = installed();
    if (state.translator) {
        QCoreApplication::removeTranslator(state.translator);
        delete state.translator;
    }
    state.localeName.clear();
    const QLocale locale(localeName);
    if (localeName.isEmpty() || locale.language() == QLocale::C || locale.language() == QLocale::English ||
        !QCoreApplication::instance())
        return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    state.translator = translator;
    state.localeName = localeName;
    return true;
}

QString current()
{
    return installed().localeName;
}

}  // namespace QtTranslations
