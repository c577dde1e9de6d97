// Builds the Qt window's widgets from the design table.
#include "ControlFactory.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DigitRow.h"
#include "Text.h"
#include "design/Accessibility.h"
#include "design/Colours.h"
#include "design/Presenter.h"

namespace trivelan::qt {
namespace {

using design::ControlDesign;
using design::ControlKind;

QColor ToQColor(design::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The design's face, and its text in the colour chosen with it: a dark system
// palette's light text would not stand on the design's light faces.
void SetPaint(QWidget* widget, const ControlDesign& control) {
    const auto paint = design::PaintOf(control, false);
    if (!paint) return;
    const QColor face = ToQColor(std::get<design::Rgb>(paint->background));
    const QColor text = ToQColor(std::get<design::Rgb>(paint->text));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* CreateButton(const ControlDesign& control, QWidget* window,
                          design::Presenter& presenter) {
    auto* button = new QPushButton(ToQString(control.text), window);
    button->setAutoDefault(true);  // Enter and Return press the focused button
    QObject::connect(button, &QPushButton::clicked, window,
                     [&presenter, index = control.index] { presenter.ButtonClicked(index); });
    return button;
}

QPlainTextEdit* CreateTextBox(const ControlDesign& control, QWidget* window) {
    auto* box = new QPlainTextEdit(window);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    box->setPlainText(ToWidgetText(control.text));
    return box;
}

}  // namespace

Controls CreateControls(QWidget* window, design::Presenter& presenter) {
    Controls made;
    // The frame holds the cells, so it is there before any of them. The window
    // owns every widget, as a QObject parent does.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    auto* frame = new QGroupBox(ToQString(design::kFrame1.text), window);
    const auto all = design::AllControls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const ControlDesign& control = all.at(i);
        QWidget* widget = nullptr;
        if (design::IsDigitCell(control)) {
            auto* cell = new DigitCell(control.index, presenter, frame);
            made.cells.at(static_cast<std::size_t>(control.index)) = cell;
            widget = cell;
        } else if (control.kind == ControlKind::Frame) {
            widget = frame;
        } else if (control.kind == ControlKind::PushButton) {
            widget = CreateButton(control, window, presenter);
        } else if (control.kind == ControlKind::TextBox) {
            auto* box = CreateTextBox(control, window);
            if (design::IsReport(control)) made.report = box;
            widget = box;
        } else {
            widget = new QLabel(window);
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(ToQString(control.text));
            label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
        }
        widget->setObjectName(QString::fromStdString(design::ControlName(control)));
        widget->setAccessibleName(ToQString(design::AccessibleName(control)));
        widget->setAccessibleDescription(ToQString(control.accessibleDescription));
        SetPaint(widget, control);
        // A press takes the focus only where the design says.
        if (!design::TakesFocusOnPress(control)) widget->setFocusPolicy(Qt::NoFocus);
        widget->setVisible(control.visible);
        made.all.at(i) = widget;
    }
    return made;
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
}

}  // namespace trivelan::qt
