#include <QApplication>
#include <cstdio>
#include <span>

#include "CommandLine.h"
#include "qt/Application.h"
#include "qt/FatalError.h"
#include "qt/SequenceForm.h"

int main(int argc, char* argv[]) {
    const std::span<char* const> args(argv, static_cast<std::size_t>(argc));
    const trivelan::app::Start start = trivelan::app::ReadArguments(args, stdout, stderr);
    if (start.status) return *start.status;
    QApplication app(argc, argv);
    trivelan::qt::ConfigureApplication();
    trivelan::qt::SequenceForm form(trivelan::qt::ReportFatal, start.row);
    form.show();
    return QApplication::exec();
}
