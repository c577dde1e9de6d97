#include <QApplication>

#include "ui/Application.h"
#include "ui/FatalError.h"
#include "ui/SequenceForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    trivelan::ui::ConfigureApplication(app);
    trivelan::ui::SequenceForm form(trivelan::ui::ReportFatalAndQuit);
    form.show();
    return QApplication::exec();
}
