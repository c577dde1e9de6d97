#include "Application.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "DesignFont.h"
#include "DigitCellAccessible.h"
#include "FormDesign.h"
#include "Version.h"

namespace trivelan::ui {

void ConfigureApplication() {
    // Where the platform already chose Fusion, making a second one is wasted start-up work.
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
    QApplication::setApplicationName(QStringLiteral("trivelan"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    InstallDigitCellAccessibility();
    // Text widgets build their documents with the application font before they
    // inherit the window's; making it the design font spares loading a second face.
    QApplication::setFont(DesignFont(design::kWindowFontPoints));
}

}  // namespace trivelan::ui
