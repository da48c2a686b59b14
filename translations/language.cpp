#include "translations/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>
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
    return QLocale::system().language() == QLocale::English ? Language::English
                                                            : Language::Chinese;
}

LanguageChoice takeLanguageChoice(int &argc, char **argv)
{
    LanguageChoice choice{localeLanguage(), {}};
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--") == 0) {
            while (i < argc)
                argv[kept++] = argv[i++];
            break;
        }
        QByteArray value;
        if (std::strcmp(argument, "--lang") == 0)
            value = i + 1 < argc ? QByteArray(argv[++i]) : QByteArray("");
        else if (std::strncmp(argument, "--lang=", 7) == 0)
            value = QByteArray(argument + 7);
        else {
            argv[kept++] = argv[i];
            continue;
        }
        const std::optional<Language> named = namedLanguage(value);
        choice.invalid = named ? QByteArray() : value;
        if (named)
            choice.language = *named;
    }
    argc = kept;
    argv[argc] = nullptr;
    return choice;
}

void installLanguage(Language language)
{
    if (language == Language::English)
        install(EnglishCatalogue, CatalogueFolder);
    else
        install(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
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
    return translated(choice.language, "Language",
                      QT_TRANSLATE_NOOP("Language",
                                        "--lang 只能是 en（英文）或 zh（中文），不是 “%1”"))
        .arg(QString::fromLocal8Bit(choice.invalid));
}
