// Builds the Qt window's widgets from the design table.
#include "ControlFactory.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DigitCell.h"
#include "DigitRow.h"
#include "Text.h"
#include "design/Accessibility.h"
#include "design/Colours.h"

namespace trivelan::qt {
namespace {

using design::ControlDesign;
using design::Kind;

QColor ToQColor(design::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The design's face, and its text in the colour chosen with it: a dark system
// palette's light text would not stand on the design's light faces.
void SetPaint(QWidget* widget, const design::ControlDesign& control) {
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

QLabel* CreateLabel(const ControlDesign& control, QWidget* container) {
    auto* label = design::IsDigitCell(control) ? new DigitCell(control.index, container)
                                               : new QLabel(container);
    label->setText(ToQString(control.text));
    label->setAlignment(control.centred ? Qt::AlignHCenter | Qt::AlignTop
                                        : Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* CreateButton(const ControlDesign& control, QWidget* container) {
    auto* button = new QPushButton(ToQString(control.text), container);
    button->setAutoDefault(true);  // Enter and Return press the focused button
    return button;
}

QPlainTextEdit* CreateTextBox(const ControlDesign& control, QWidget* container) {
    auto* box = new QPlainTextEdit(container);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    box->setPlainText(ToWidgetText(control.text));
    return box;
}

QWidget* CreateControl(const ControlDesign& control, Controls& made, QWidget* window) {
    switch (control.kind) {
        case Kind::Label: {
            if (!design::IsDigitCell(control)) return CreateLabel(control, window);
            auto* cell = static_cast<DigitCell*>(CreateLabel(control, made.row));
            made.row->addCell(cell);
            return cell;
        }
        case Kind::Frame:
            return made.row;
        case Kind::PushButton:
            return made.buttons.at(static_cast<std::size_t>(control.index)) =
                       CreateButton(control, window);
        case Kind::TextBox: {
            QPlainTextEdit* box = CreateTextBox(control, window);
            if (design::IsReport(control)) made.report = box;
            return box;
        }
    }
    return nullptr;
}

}  // namespace

Controls CreateControls(QWidget* window) {
    Controls made;
    // The frame holds the cells, so it is there before any of them.
    made.row = new DigitRow(ToQString(design::kFrame1.text), window);
    const auto all = design::AllControls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const ControlDesign& control = all.at(i);
        QWidget* widget = CreateControl(control, made, window);
        widget->setObjectName(QString::fromStdString(design::ControlName(control)));
        widget->setAccessibleName(ToQString(design::AccessibleName(control)));
        widget->setAccessibleDescription(ToQString(control.accessibleDescription));
        SetPaint(widget, control);
        // A press takes the focus only where the design says; Tab stops where it
        // says, the row's on its marked cell, which the row keeps.
        if (!design::TakesFocusOnPress(control)) {
            widget->setFocusPolicy(design::HasOwnTabStop(control, 0) ? Qt::TabFocus : Qt::NoFocus);
        }
        widget->setVisible(control.visible);
        made.all.at(i) = widget;
    }
    return made;
}

}  // namespace trivelan::qt
