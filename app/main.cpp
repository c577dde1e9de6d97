#include <QApplication>
#include <cstdio>
#include <span>

#include "CommandLine.h"
#include "qt/Application.h"
#include "qt/FatalError.h"
#include "qt/SequenceForm.h"

int main(int argc, char* argv[]) {
    const std::span<char* const> args(argv, static_cast<std::size_t>(argc));
    if (const auto status = trivelan::app::HandleCommandLine(args, stdout, stderr)) {
        return *status;
    }
    QApplication app(argc, argv);
    trivelan::qt::ConfigureApplication();
    trivelan::qt::SequenceForm form(trivelan::qt::ReportFatalAndQuit);
    form.show();
    return QApplication::exec();
}
