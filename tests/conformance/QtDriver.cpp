// The conformance table run on the Qt window with real input through Qt's
// window-system entry: mouse presses with their own time stamps, so that Qt
// itself pairs double clicks as it does for the mouse, and keys through the
// shortcut map to the focused widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

#include "../qt/WindowFixture.h"
#include "Conformance.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/Presentation.h"
#include "design/Text.h"
#include "qt/DigitRow.h"
#include "qt/SequenceForm.h"

namespace {

namespace conformance = trivelan::conformance;
namespace design = trivelan::design;

// Far apart for every new window: no press pairs with one from the scenario before.
int clock = 1'000'000;

class QtDriver final : public conformance::Driver {
  public:
    explicit QtDriver(trivelan::qt::SequenceForm& form) : form_(form) { clock += 100'000; }

    void Press(int cell, bool /*touch*/) override {
        clock += 100;  // quick
        PressAndRelease(Find(design::ControlName(design::DigitCell(cell))));
    }
    void Pause() override {
        clock += QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100;
    }
    void Click(int button) override {
        Pause();
        PressAndRelease(Find(button == 0 ? "Command1(0)" : "Command1(1)"));
    }
    // The key itself later, from the event loop: a key that opens a modal box
    // runs that box's loop, in which the next steps go on.
    void Key(const std::string& key, bool held) override {
        static const std::map<std::string, Qt::Key> keys{{"Tab", Qt::Key_Tab},
                                                         {"Shift+Tab", Qt::Key_Backtab},
                                                         {"Left", Qt::Key_Left},
                                                         {"Right", Qt::Key_Right},
                                                         {"Home", Qt::Key_Home},
                                                         {"End", Qt::Key_End},
                                                         {"Space", Qt::Key_Space},
                                                         {"Enter", Qt::Key_Return},
                                                         {"F1", Qt::Key_F1},
                                                         {"Escape", Qt::Key_Escape},
                                                         {"F11", Qt::Key_F11},
                                                         {"Ctrl+A", Qt::Key_A},
                                                         {"Ctrl+Z", Qt::Key_Z},
                                                         {"Ctrl+Plus", Qt::Key_Plus},
                                                         {"Ctrl+=", Qt::Key_Equal},
                                                         {"Ctrl+Keypad+", Qt::Key_Plus},
                                                         {"Ctrl+Minus", Qt::Key_Minus},
                                                         {"Ctrl+0", Qt::Key_0}};
        const Qt::Key code = keys.at(key);
        Qt::KeyboardModifiers modifiers = key == "Shift+Tab"           ? Qt::ShiftModifier
                                          : key.rfind("Ctrl+", 0) == 0 ? Qt::ControlModifier
                                                                       : Qt::NoModifier;
        if (key == "Ctrl+Keypad+") modifiers |= Qt::KeypadModifier;
        // As a user's key: to the control with the focus in the top window (the
        // box, while one is open). On a busy machine that focus comes from the X
        // server a while after the window shows.
        QWidget* top = QApplication::activeModalWidget();
        const auto focusOnTop = [top] {
            const QWidget* focus = QApplication::focusWidget();
            return focus != nullptr && (top == nullptr || focus->window() == top);
        };
        if (!QTest::qWaitFor(focusOnTop, 10'000)) {
            ADD_FAILURE() << key << ": no control in the top window has the focus";
            return;
        }
        QTimer::singleShot(0, [code, modifiers, held] {
            QWidget* target = QApplication::focusWidget();
            if (target == nullptr) return;  // taken since: the next expectation tells
            if (held) {
                QKeyEvent repeat(QEvent::KeyPress, code, modifiers, QString(), true);
                QApplication::sendEvent(target, &repeat);
            } else {
                QTest::keyClick(target, code, modifiers);
            }
        });
    }

    // Typed into the focused control, a key for each character, Enter for a line break.
    void Type(const std::string& text) override {
        const QStringList lines = QString::fromStdString(text).split(QLatin1Char('|'));
        QWidget* target = QApplication::focusWidget();
        for (qsizetype n = 0; n < lines.size(); ++n) {
            if (n > 0) QTest::keyClick(target, Qt::Key_Return);
            for (const QChar c : lines.at(n)) {  // any letter, not only the ASCII QTest knows
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }

    [[nodiscard]] std::string Digit(int cell) const override {
        return Cell(cell)->text().toStdString();
    }
    [[nodiscard]] bool IsUnderlined(int cell) const override {
        return Cell(cell)->font().underline();
    }
    [[nodiscard]] std::string Focus() const override {
        if (QApplication::activeModalWidget() != nullptr) return "help";
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) return "none";
        return focus->objectName().toStdString();
    }
    [[nodiscard]] std::string Report() const override {
        return QString::fromStdU16String(form_.ReportText()).toStdString();
    }
    [[nodiscard]] int HelpBoxes() const override {
        int boxes = 0;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<const QDialog*>(window) != nullptr && window->isVisible()) ++boxes;
        }
        return boxes;
    }

    [[nodiscard]] std::string HelpBox() const override {
        const auto* box = qobject_cast<const QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr) return "none";
        const auto* text = box->findChild<const QPlainTextEdit*>();
        const QString help = QString::fromStdU16String(
            design::ToLineFeeds(design::HelpText(design::Window::Desktop)));
        const QString statement =
            QString::fromStdU16String(design::ToLineFeeds(design::kStatement));
        return conformance::HelpBoxSeen(
            box->windowTitle().toStdString(), text != nullptr && text->toPlainText() == help,
            conformance::Centred(Rect(box->frameGeometry()),
                                 Rect(box->screen()->availableGeometry())),
            text != nullptr && text->hasFocus() &&
                text->textCursor().position() == text->toPlainText().indexOf(statement));
    }

    [[nodiscard]] int Zoom() const override { return form_.zoom(); }
    // Every control also shows its design text where the program never changes
    // it, and is shown as designed.
    [[nodiscard]] std::string Layout() const override {
        const QSize screen = form_.screen()->geometry().size();
        const conformance::WindowSeen seen{form_.isFullScreen(),
                                           form_.zoom(),
                                           {screen.width(), screen.height()},
                                           {form_.width(), form_.height()},
                                           {form_.pos().x(), form_.pos().y()}};
        return layout_(seen, [this](const design::ControlDesign& c, const design::ScreenFit& fit) {
            const QWidget* w = Find(design::ControlName(c));
            // A cell's place is within its frame, where Qt keeps it.
            const QPoint origin = design::IsDigitCell(c) ? QPoint() : QPoint(fit.left, fit.top);
            const design::PixelRect r =
                design::ToPixels(fit.scale, c.left, c.top, c.width, c.height);
            // A point on a cell, where the cells overlap, hits that cell.
            const bool hit =
                !design::IsDigitCell(c) || form_.childAt(w->mapTo(&form_, w->rect().center())) == w;
            const bool fixedText =
                design::IsDigitCell(c) || design::IsReport(c) ||
                trivelan::testing::ShownText(w) ==
                    QString::fromStdU16String(design::ToLineFeeds(std::u16string(c.text)));
            return w->geometry() ==
                       QRect(origin + QPoint(r.left, r.top), QSize(r.width, r.height)) &&
                   w->font().pointSizeF() == c.fontPoints * fit.scale.factor &&
                   w->font().family() == QStringLiteral("Times New Roman") && hit && fixedText &&
                   w->isVisible() == c.visible && Centred(w);
        });
    }

    // The window manager's part (activation coming back) arrives from the X server.
    bool Settle() override {
        QTest::qWait(20);
        return true;
    }

  private:
    static design::PixelRect Rect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
    static bool Centred(const QWidget* w) {
        const auto* label = qobject_cast<const QLabel*>(w);
        return label == nullptr || (label->alignment() & Qt::AlignHCenter) != 0;
    }
    QWidget* Find(const std::string& name) const {
        return form_.findChild<QWidget*>(QString::fromStdString(name));
    }
    const trivelan::qt::DigitCell* Cell(int k) const {
        return static_cast<const trivelan::qt::DigitCell*>(
            Find(design::ControlName(design::DigitCell(k))));
    }
    void PressAndRelease(QWidget* control) const {
        QWindow* window = form_.windowHandle();
        const QPointF local = control->mapTo(&form_, control->rect().center());
        const QPointF global = form_.mapToGlobal(local);
        qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier, clock);
        clock += 20;
        qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier, clock);
    }

    trivelan::qt::SequenceForm& form_;
    mutable conformance::LayoutCheck layout_;
};

TEST(Conformance, EveryScenarioInTheQtWindow) {
    const auto scenarios = conformance::ReadScenarios(TRIVELAN_SCENARIOS);
    ASSERT_GE(scenarios.size(), 20U);
    for (const conformance::Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        if (!conformance::OpensWindow(scenario, [](const auto& f) { ADD_FAILURE() << f; }))
            continue;
        auto form = std::make_unique<trivelan::qt::SequenceForm>(
            [](const trivelan::runtime::RuntimeError& error) {
                ADD_FAILURE() << "run-time error " << error.Number();
            },
            scenario.CommandLine().start);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QtDriver driver(*form);
        conformance::Run run(scenario, driver);
        QEventLoop loop;
        std::function<void()> step = [&] {
            if (!run.Step()) {
                // A box left open would keep its loop, and the test, running for ever.
                if (QWidget* box = QApplication::activeModalWidget()) {
                    ADD_FAILURE() << "a box is still open at the end";
                    box->close();
                }
                loop.quit();
                return;
            }
            QTimer::singleShot(0, step);
        };
        QTimer::singleShot(0, step);
        loop.exec();
        for (const std::string& failure : run.Failures()) ADD_FAILURE() << failure;
    }
}

}  // namespace
