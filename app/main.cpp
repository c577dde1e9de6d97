#include <QApplication>
#include <cstdio>
#include <span>

#include "CommandLine.h"
#include "ui/Application.h"
#include "ui/FatalError.h"
#include "ui/SequenceForm.h"

int main(int argc, char* argv[]) {
    const std::span<char* const> args(argv, static_cast<std::size_t>(argc));
    if (const auto status = trivelan::app::HandleCommandLine(args, stdout, stderr)) {
        return *status;
    }
    QApplication app(argc, argv);
    trivelan::ui::ConfigureApplication();
    trivelan::ui::SequenceForm form(trivelan::ui::ReportFatalAndQuit);
    form.show();
    return QApplication::exec();
}
