#include "FatalError.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>

#include "Text.h"
#include "design/FormDesign.h"

namespace trivelan::qt {

void ReportFatal(const runtime::RuntimeError& error) {
    const std::string message = error.StandardMessage();
    std::cerr << message << '\n';
    QMessageBox::critical(nullptr, ToQString(design::kTitle), QString::fromStdString(message));
    QCoreApplication::exit(runtime::kFatalExitStatus);
}

}  // namespace trivelan::qt
