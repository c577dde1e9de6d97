#pragma once

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "design/FormDesign.h"
#include "qt/DigitRow.h"
#include "qt/SequenceForm.h"

namespace trivelan::testing {

// What a control shows as its text: caption, title or the text box's plain text.
inline QString ShownText(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (const auto* b = qobject_cast<const QPushButton*>(w)) return b->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(w)) return t->toPlainText();
    return {};
}

// A shown, active window with a reporter that records instead of quitting.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<qt::SequenceForm>(
            [this](const runtime::RuntimeError& error) { errors.push_back(error.Number()); });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T = QWidget>
    T* Control(const QString& name) const {
        auto* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    qt::DigitCell* Cell(int k) const {
        return Control<qt::DigitCell>(QStringLiteral("Label2(%1)").arg(k));
    }
    QPushButton* Button(int b) const {
        return Control<QPushButton>(QStringLiteral("Command1(%1)").arg(b));
    }
    QPlainTextEdit* Report() const { return Control<QPlainTextEdit>(QStringLiteral("Text1(0)")); }

    void ClickCell(int k) const { QTest::mouseClick(Cell(k), Qt::LeftButton); }
    void ClickButton(int b) const { QTest::mouseClick(Button(b), Qt::LeftButton); }

    QString Row() const {
        QString row;
        for (int k = 0; k < 15; ++k) row += Cell(k)->text();
        return row;
    }
    std::vector<int> UnderlinedCells() const {
        std::vector<int> cells;
        for (int k = 0; k < 15; ++k) {
            if (Cell(k)->font().underline()) cells.push_back(k);
        }
        return cells;
    }
    // Clicks each cell as often as its digit in the row string says.
    void EnterRow(const QString& row) const {
        for (int k = 0; k < 15; ++k) {
            for (int n = 0; n < row[k].digitValue(); ++n) ClickCell(k);
        }
    }

    std::unique_ptr<qt::SequenceForm> form;
    std::vector<int> errors;
};

}  // namespace trivelan::testing
