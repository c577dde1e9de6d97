#include "Application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "DigitCellAccessible.h"
#include "Version.h"

namespace trivelan::ui {

void ConfigureApplication(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("trivelan"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    InstallDigitCellAccessibility();
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/icons/trivelan.xpm")));
}

}  // namespace trivelan::ui
