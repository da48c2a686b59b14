#include "translations/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <optional>

namespace
{

// The value of `--lang`: any locale name whose language is English or Chinese (en, en_GB, zh,
// zh_CN ...).
std::optional<Language> namedLanguage(const QByteArray &value)
{
    switch (QLocale(QString::fromLocal8Bit(value)).language()) {
    case QLocale::English:
        return Language::English;
    case QLocale::Chinese:
        return Language::Chinese;
    default:
        return std::nullopt;
    }
}

const QString EnglishCatalogue = QStringLiteral("quorvit_en");
const QString CatalogueFolder = QStringLiteral(":/i18n");

void install(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

Language localeLanguage()
{
    return QLocale::system().language() == QLocale::English ? Language::English : Language::Chinese;
}

LanguageChoice languageChoice(const std::optional<QString> &value)
{
    LanguageChoice choice{localeLanguage(), {}};
    if (!value)
        return choice;
    if (const std::optional<Language> named = namedLanguage(value->toLocal8Bit()))
        choice.language = *named;
    else if (choice.invalid = value->toLocal8Bit(); choice.invalid.isNull())
        choice.invalid = QByteArray(""); // an empty value is invalid too
    return choice;
}

namespace
{
Language installed = Language::Chinese;
}

void installLanguage(Language language)
{
    installed = language;
    if (language == Language::English)
        install(EnglishCatalogue, CatalogueFolder);
    else
        install(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language installedLanguage()
{
    return installed;
}

QString translated(Language language, const char *context, const char *text)
{
    if (language == Language::English) {
        static QTranslator catalogue;
        static const bool loaded = catalogue.load(EnglishCatalogue, CatalogueFolder);
        if (loaded) {
            const QString english = catalogue.translate(context, text);
            if (!english.isEmpty())
                return english;
        }
    }
    return QString::fromUtf8(text);
}

QString invalidLanguageMessage(const LanguageChoice &choice)
{
    return translated(
               choice.language, "Language",
               QT_TRANSLATE_NOOP("Language", "--lang 只能是 en（英文）或 zh（中文），不是 “%1”"))
        .arg(QString::fromLocal8Bit(choice.invalid));
}
