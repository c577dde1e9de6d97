#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "qt/FatalError.h"

namespace {

namespace rt = trivelan::runtime;

// The program's own reporter, run inside the real event loop: it must show the
// standard message, write it to standard error and end the loop with status 1.
TEST(ReportFatal, ShowsTheStandardMessageAndEndsTheLoop) {
    QString title;
    QString text;
    QStringList buttons;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            for (const QAbstractButton* button : box->buttons()) buttons << button->text();
            box->accept();
        }
    });
    closer.start(10);
    QTimer::singleShot(
        0, [] { trivelan::qt::ReportFatal(rt::RuntimeError(rt::ErrorNumber::Overflow)); });

    ::testing::internal::CaptureStderr();
    const int status = QApplication::exec();
    const std::string written = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(status, 1);
    EXPECT_EQ(title, QStringLiteral("Тривелан"));
    EXPECT_EQ(text, QStringLiteral("Run-time error '6':\n\nOverflow"));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("Добре")});  // Qt's Bulgarian "OK"
    EXPECT_NE(written.find("Run-time error '6':\n\nOverflow\n"), std::string::npos);
}

}  // namespace
