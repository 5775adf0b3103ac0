#include "services/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator* installHungarianQtTexts(QCoreApplication& application) {
    // Dates and sizes that Qt writes itself (the file dialog's columns) in Hungarian too. The
    // programs' own numbers are written in the C locale and are not touched.
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_hu"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
