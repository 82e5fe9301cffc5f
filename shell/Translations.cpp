#include "shell/Translations.hpp"

#include "app/LogCategories.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velora {

namespace {

bool install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(), name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    qCDebug(lcShell, "loaded the translation %s", qUtf8Printable(translator->filePath()));
    return true;
}

} // namespace

void installTranslations() {
    install(QStringLiteral("veloramac"), QStringLiteral(":/translations"));
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication* const application = QCoreApplication::instance();
    // Through the property, so that the command line, which has no GUI, links no Qt Gui.
    if (application->inherits("QGuiApplication")) {
        // Each translation says which way its language is written; set now, the direction
        // holds before the first window rather than after the first language-change event.
        const bool rightToLeft =
            QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION",
                                        "Translate this string to the string 'LTR' in "
                                        "left-to-right languages or to 'RTL' in right-to-left "
                                        "languages (such as Hebrew and Arabic) to get proper "
                                        "widget layout.") == QLatin1String("RTL");
        application->setProperty(
            "layoutDirection",
            QVariant::fromValue(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight));
    }
}

} // namespace velora
