#include "Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

#include "DigitRow.h"
#include "Fonts.h"
#include "Version.h"
#include "design/FormDesign.h"

namespace trivelan::qt {
namespace {

// Qt's own Bulgarian texts (context menus, message box buttons), whatever the
// system language: everything a user of this program reads is Bulgarian.
void InstallToolkitTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_bg"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void ConfigureApplication() {
    // The classic style fills push buttons flat with their palette colour and
    // puts a group box's caption on its frame line, as the design draws them.
    if (QApplication::style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    }
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    InstallToolkitTranslation();
    InstallDigitCellAccessibility();
    // Text widgets build their documents with the application font before they
    // inherit the window's; making it the design font spares loading a second face.
    QApplication::setFont(DesignFont(design::kWindowFontPoints));
}

}  // namespace trivelan::qt
