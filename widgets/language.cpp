#include "widgets/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installChineseTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
