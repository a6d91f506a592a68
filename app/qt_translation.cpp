#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtJapanese(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_ja");
    // One small file, mapped rather than read: start-up stays quick.
    const bool loaded =
        translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || translator->load(name,
                            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")));
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return loaded;
}
