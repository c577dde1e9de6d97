#include "Application.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

#include "DigitCellAccessible.h"
#include "Version.h"

namespace trivelan::ui {

void ConfigureApplication(QApplication& app) {
    // Where the platform already chose Fusion, making a second one is wasted start-up work.
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
    QApplication::setApplicationName(QStringLiteral("trivelan"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    InstallDigitCellAccessibility();
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/icons/trivelan.xpm")));
}

}  // namespace trivelan::ui
