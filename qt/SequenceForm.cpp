#include "SequenceForm.h"

#include <QAccessible>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "DesignFont.h"
#include "DigitCell.h"
#include "DigitRow.h"
#include "Twips.h"
#include "design/Help.h"
#include "design/icons/trivelan.xpm"
#include "runtime/RuntimeError.h"

namespace trivelan::qt {
namespace {

using design::ControlDesign;
using design::Kind;

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

// A text widget keeps one '\n' per line; the design and the view contract speak CR LF.
QString ToWidgetText(std::u16string_view text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QColor ToQColor(design::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

QIcon DesignIcon() {
    // Parsed straight from the compiled-in XPM data: read from a file or a Qt
    // resource instead, Qt would first load every image format plugin.
    return {QPixmap::fromImage(QImage(trivelan_icon))};
}

QString ObjectName(const ControlDesign& control) {
    QString name =
        QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
    if (control.index >= 0) name += QStringLiteral("(%1)").arg(control.index);
    return name;
}

void SetBackground(QWidget* widget, design::Rgb rgb) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(rgb));
    palette.setColor(QPalette::Button, ToQColor(rgb));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPlainTextEdit* CreateTextBox(const ControlDesign& control, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    box->setPlainText(ToWidgetText(control.text));
    return box;
}

}  // namespace

SequenceForm::SequenceForm(logic::ErrorReporter reporter, QWidget* parent)
    : QWidget(parent), handlers_(std::move(reporter)) {
    setObjectName(QStringLiteral("SequenceForm"));
    setWindowTitle(ToQString(design::kCaption));
    setWindowIcon(DesignIcon());

    const auto all = design::AllControls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        controls_.at(i) = createControl(
            all.at(i), design::IsDigitCell(all.at(i)) ? static_cast<QWidget*>(row_) : this);
    }
    setZoom(design::kNoZoom);
    setTabOrderFromDesign();
    bindEvents();
    bindKeys();
    report_->setFocus();

    handlers_.Run([this] { logic_.OnLoad(); });
}

QWidget* SequenceForm::createControl(const ControlDesign& control, QWidget* container) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case Kind::Label: {
            QLabel* label = nullptr;
            if (design::IsDigitCell(control)) {
                auto* cell = new DigitCell(container);
                cells_.at(static_cast<std::size_t>(control.index)) = cell;
                row_->addCell(control.index, cell);
                label = cell;
            } else {
                label = new QLabel(container);
            }
            label->setText(ToQString(control.text));
            label->setAlignment(control.centred ? Qt::AlignHCenter | Qt::AlignTop
                                                : Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case Kind::Frame:
            row_ = new DigitRow(ToQString(control.text), container);
            widget = row_;
            break;
        case Kind::PushButton: {
            auto* button = new QPushButton(ToQString(control.text), container);
            button->setAutoDefault(true);  // Enter and Return press the focused button
            buttons_.at(static_cast<std::size_t>(control.index)) = button;
            widget = button;
            break;
        }
        case Kind::TextBox: {
            auto* box = CreateTextBox(control, container);
            if (control.index == 0) report_ = box;
            widget = box;
            break;
        }
    }
    widget->setObjectName(ObjectName(control));
    QString accessibleName = control.accessibleName.empty() ? ToQString(control.text)
                                                            : ToQString(control.accessibleName);
    if (design::IsDigitCell(control))
        accessibleName += QStringLiteral(" %1").arg(control.index + 1);
    widget->setAccessibleName(accessibleName);
    widget->setAccessibleDescription(ToQString(control.accessibleDescription));
    if (control.background) SetBackground(widget, *control.background);
    widget->setVisible(control.visible);
    return widget;
}

void SequenceForm::layOut(design::Scale scale, QPoint origin) {
    setFont(DesignFont(scale.Points(design::kWindowFontPoints)));
    const auto all = design::AllControls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const ControlDesign& control = all.at(i);
        QWidget* widget = controls_.at(i);
        const bool inWindow = control.container == design::Container::Window;
        widget->setGeometry(
            TwipsToPixels(scale, control.left, control.top, control.width, control.height)
                .translated(inWindow ? origin : QPoint()));
        if (control.fontPoints != design::kWindowFontPoints) {
            QFont font = DesignFont(scale.Points(control.fontPoints));
            font.setUnderline(widget->font().underline());
            widget->setFont(font);
        }
    }
}

void SequenceForm::setZoom(int percent) {
    zoom_ = percent;
    if (fullScreen_) return;  // the screen decides the size until full screen ends
    const design::Scale scale{design::ZoomFactor(zoom_)};
    layOut(scale, {});
    setFixedSize(TwipsToPixels(scale, 0, 0, design::kClientWidth, design::kClientHeight).size());
}

void SequenceForm::setFullScreenShown(bool fullScreen) {
    if (fullScreen == fullScreen_) return;
    fullScreen_ = fullScreen;
    if (fullScreen) {
        positionBeforeFullScreen_ = pos();
        const QRect screenArea = screen()->geometry();
        const design::ScreenFit fit = design::FitToScreen(screenArea.width(), screenArea.height());
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        setGeometry(screenArea);  // with no window manager nobody else would
        layOut(fit.scale, {fit.left, fit.top});
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setZoom(zoom_);
        move(positionBeforeFullScreen_);
    }
}

void SequenceForm::showHelp() {
    QMessageBox help(QMessageBox::Information, ToQString(design::kHelpTitle),
                     ToWidgetText(design::HelpText()), QMessageBox::Ok, this);
    help.setTextFormat(Qt::PlainText);
    help.exec();  // Escape closes it, as its only button
}

void SequenceForm::bindKeys() {
    const auto bind = [this](std::initializer_list<QKeySequence> keys, auto action) {
        for (const QKeySequence& key : keys) {
            connect(new QShortcut(key, this), &QShortcut::activated, this, action);
        }
    };
    bind({QKeySequence(Qt::ControlModifier | Qt::Key_Plus),
          QKeySequence(Qt::ControlModifier | Qt::Key_Equal),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)},
         [this] { setZoom(design::ZoomIn(zoom_)); });
    bind({QKeySequence(Qt::ControlModifier | Qt::Key_Minus),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)},
         [this] { setZoom(design::ZoomOut(zoom_)); });
    bind({QKeySequence(Qt::ControlModifier | Qt::Key_0),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0)},
         [this] { setZoom(design::kNoZoom); });
    bind({QKeySequence(Qt::Key_F11)}, [this] { setFullScreenShown(!fullScreen_); });
    bind({QKeySequence(Qt::Key_Escape)}, [this] { setFullScreenShown(false); });
    bind({QKeySequence(Qt::Key_F1)}, [this] { showHelp(); });
}

void SequenceForm::setTabOrderFromDesign() {
    const auto all = design::AllControls();
    std::vector<design::ControlDesign> focusable;
    // The frame stands for the digit row, one Tab stop where the design puts the cells.
    std::copy_if(all.begin(), all.end(), std::back_inserter(focusable),
                 [](const auto& control) { return control.kind != Kind::Label; });
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.tabIndex < b.tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        setTabOrder(findChild<QWidget*>(ObjectName(focusable[i - 1])),
                    findChild<QWidget*>(ObjectName(focusable[i])));
    }
}

void SequenceForm::bindEvents() {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        connect(cells_[k], &DigitCell::clicked, this, [this, k] {
            handlers_.Run([this, k] { logic_.OnDigitClick(static_cast<std::int16_t>(k)); });
        });
    }
    for (std::size_t b = 0; b < buttons_.size(); ++b) {
        connect(buttons_[b], &QPushButton::clicked, this, [this, b] {
            handlers_.Run([this, b] { logic_.OnButtonClick(static_cast<std::int16_t>(b)); });
        });
    }
}

void SequenceForm::paintEvent(QPaintEvent* /*event*/) {
    // Painted rather than set in the palette: a palette colour would reach the
    // report box's frame and scroll bar, which keep the toolkit's look.
    QPainter(this).fillRect(rect(), ToQColor(design::kWindowBackground));
}

DigitCell* SequenceForm::cellAt(std::int16_t cell) const {
    if (cell < 0 || cell >= design::kDigitCellCount) {
        throw runtime::RuntimeError(runtime::ErrorNumber::NoSuchControlArrayElement);
    }
    return cells_[static_cast<std::size_t>(cell)];
}

std::u16string SequenceForm::Caption(std::int16_t cell) const {
    return ToU16(cellAt(cell)->text());
}

void SequenceForm::SetCaption(std::int16_t cell, const std::u16string& caption) {
    DigitCell* label = cellAt(cell);
    label->setText(ToQString(caption));
    // A screen reader's name for the cell carries its digit.
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void SequenceForm::SetUnderline(std::int16_t cell, bool underline) {
    DigitCell* label = cellAt(cell);
    QFont font = label->font();
    if (font.underline() == underline) return;  // skips a relayout on every digit click
    font.setUnderline(underline);
    label->setFont(font);
}

std::u16string SequenceForm::ReportText() const {
    return ToU16(report_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

void SequenceForm::SetReportText(const std::u16string& text) {
    const QString shown = ToWidgetText(text);
    const QString current = report_->toPlainText();
    // The balance line extends what the palindrome line wrote: add only the new
    // part instead of laying the whole document out again.
    if (!current.isEmpty() && shown.size() > current.size() && shown.startsWith(current)) {
        QTextCursor end(report_->document());
        end.movePosition(QTextCursor::End);
        end.insertText(shown.mid(current.size()));
        // The program's own writes are not the user's typing: nothing to undo,
        // as after setPlainText.
        report_->document()->clearUndoRedoStacks();
    } else if (shown != current) {
        report_->setPlainText(shown);
    }
}

}  // namespace trivelan::qt
