// SPDX-License-Identifier: MIT
#include "translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString CatalogueFolder = QStringLiteral(":/i18n");

// "it_IT", "it-IT" and "it" all name Italian: the catalogues are one per language.
QString languageOf(const QString &uiLanguage)
{
    return QLocale(uiLanguage).name().section(u'_', 0, 0);
}

bool hasCatalogue(const QString &language)
{
    return QFile::exists(CatalogueFolder + QStringLiteral("/astrolabe_%1.qm").arg(language));
}

// English is the language the texts are written in: a desktop that lists it before Italian gets the English.
QString chosenLanguage(const QStringList &languages)
{
    for (const QString &uiLanguage : languages) {
        const QString language = languageOf(uiLanguage);
        if (language == u"en" || language == u"C")
            return {};
        if (hasCatalogue(language))
            return language;
    }
    return {};
}

QTranslator &qtCatalogue()
{
    static QTranslator translator;
    return translator;
}

QString &installedLanguage()
{
    static QString language;
    return language;
}

void load(QTranslator &translator, const QString &language)
{
    if (language.isEmpty())
        (void)translator.load(QString());
    else
        (void)translator.load(QStringLiteral("astrolabe_") + language, CatalogueFolder);
}

} // namespace

namespace Translation {

QTranslator &catalogue()
{
    static QTranslator translator;
    static const bool loaded = [] {
        load(translator, chosenLanguage(QLocale::system().uiLanguages()));
        return true;
    }();
    (void)loaded;
    return translator;
}

QString text(const char *context, const char *source)
{
    const QString translated = catalogue().translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QString install(const QStringList &languages)
{
    const QString language = chosenLanguage(languages);
    QCoreApplication::removeTranslator(&catalogue());
    QCoreApplication::removeTranslator(&qtCatalogue());
    load(catalogue(), language);
    if (language.isEmpty()) {
        (void)qtCatalogue().load(QString());
    } else {
        // Debian's qt6-translations-l10n: the Save and Print dialogs, the message boxes' buttons, the text
        // boxes' context menu. Without it Qt's own texts stay English and the program's are translated.
        (void)qtCatalogue().load(QStringLiteral("qtbase_") + language,
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCoreApplication::installTranslator(&qtCatalogue());
        QCoreApplication::installTranslator(&catalogue());
    }
    installedLanguage() = language;
    return language;
}

QString install()
{
    return install(QLocale::system().uiLanguages());
}

QString language()
{
    return installedLanguage();
}

} // namespace Translation
