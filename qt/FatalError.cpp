#include "FatalError.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>

#include "design/FormDesign.h"

namespace trivelan::qt {

void ReportFatalAndQuit(const runtime::RuntimeError& error) {
    const std::string message = error.StandardMessage();
    std::cerr << message << '\n';
    const QString title =
        QString::fromUtf16(design::kTitle.data(), static_cast<qsizetype>(design::kTitle.size()));
    QMessageBox::critical(nullptr, title, QString::fromStdString(message));
    QCoreApplication::exit(runtime::kFatalExitStatus);
}

}  // namespace trivelan::qt
