// The Qt window: the operations the presenter asks for, and the layout.
#include "SequenceForm.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <utility>
#include <vector>

#include "DigitRow.h"
#include "Fonts.h"
#include "HelpBox.h"
#include "Keyboard.h"
#include "ReaderNotice.h"
#include "Screen.h"
#include "Text.h"
#include "Twips.h"
#include "design/Colours.h"
#include "design/icons/trivelan.xpm"

namespace trivelan::qt {
namespace {

constexpr auto kControls = design::AllControls();

QIcon DesignIcon() {
    // Parsed straight from the compiled-in XPM data: read from a file or a Qt
    // resource instead, Qt would first load every image format plugin.
    return {QPixmap::fromImage(QImage(trivelan_icon))};
}

}  // namespace

SequenceForm::SequenceForm(logic::ErrorReporter reporter, const design::RowReading& start,
                           QWidget* parent)
    : QWidget(parent),
      presenter_(*this, design::Window::Desktop, std::move(reporter)),
      controls_(CreateControls(this, presenter_)),
      row_(controls_.cells),
      notice_(new ReaderNotice(this)) {
    setObjectName(QStringLiteral("SequenceForm"));
    setWindowTitle(ToQString(design::kCaption));
    setWindowIcon(DesignIcon());
    setTabOrderFromDesign();
    BindCommands(this, presenter_);
    presenter_.Load(start);
}

void SequenceForm::Place(const design::Placement& placement) {
    if (placement.fullScreen != windowState().testFlag(Qt::WindowFullScreen)) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
    }
    if (placement.fullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(placement.client.width, placement.client.height);
    }
    // With no window manager nobody else would size and place the window. Full
    // screen places the client area; back in a window, the frame goes where it was.
    if (placement.fullScreen && placement.moveTo) {
        setGeometry(placement.moveTo->x, placement.moveTo->y, placement.client.width,
                    placement.client.height);
    } else if (placement.moveTo) {
        move(placement.moveTo->x, placement.moveTo->y);
    }

    setFont(DesignFont(placement.scale.Points(design::kWindowFontPoints)));
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const design::ControlDesign& control = kControls.at(i);
        QWidget* widget = controls_.all.at(i);
        const bool inWindow = control.container == design::Container::Window;
        widget->setGeometry(
            TwipsToPixels(placement.scale, control.left, control.top, control.width, control.height)
                .translated(inWindow ? QPoint(placement.origin.x, placement.origin.y) : QPoint()));
        if (design::HasOwnFont(control)) {
            QFont font = DesignFont(placement.scale.Points(control.fontPoints));
            font.setUnderline(widget->font().underline());
            widget->setFont(font);
        }
    }
}

// The controls in the order of their tab indexes, the frame's cells in its
// place: Tab passes over what is no stop, and in the row stops on its marked
// cell only. setTabOrder leaves out a widget that takes no focus, so every
// cell takes it while the order is set.
void SequenceForm::setTabOrderFromDesign() {
    std::vector<std::pair<QWidget*, Qt::FocusPolicy>> chain;
    for (const std::size_t position : design::kTabOrder) {
        const design::ControlDesign& control = kControls.at(position);
        if (!design::IsDigitCell(control) && !design::HasOwnTabStop(control, 0)) continue;
        QWidget* widget = controls_.all.at(position);
        chain.emplace_back(widget, widget->focusPolicy());
        widget->setFocusPolicy(Qt::TabFocus);
        if (chain.size() > 1) setTabOrder(chain.at(chain.size() - 2).first, widget);
    }
    for (const auto& [widget, policy] : chain) widget->setFocusPolicy(policy);
}

void SequenceForm::MarkCell(int cell) { row_.Mark(cell); }

void SequenceForm::Focus(std::size_t position) { controls_.all.at(position)->setFocus(); }

void SequenceForm::Beep() { QApplication::beep(); }

void SequenceForm::SelectReport() { controls_.report->selectAll(); }

void SequenceForm::ShowHelp(const design::HelpBox& box) {
    qt::ShowHelp(this, box);
    presenter_.HelpClosed();
    activateWindow();  // the focus comes back even where no window manager gives it
}

// Qt 6.4's name-change event carries no name, so that Orca cannot say even the
// focused cell's new name from it: every news is a notice here.
void SequenceForm::Announce(const design::ReaderNews& news) { notice_->Announce(news); }

void SequenceForm::ReportWritten() {
    controls_.report->document()->clearUndoRedoStacks();
    controls_.report->moveCursor(QTextCursor::Start);
}

design::Screen SequenceForm::ScreenNow() const { return ScreenOf(this); }

design::Point SequenceForm::Position() const { return {pos().x(), pos().y()}; }

std::optional<std::size_t> SequenceForm::Focused() const {
    const QWidget* focus = QApplication::focusWidget();
    for (std::size_t i = 0; i < controls_.all.size(); ++i) {
        if (controls_.all.at(i) == focus) return i;
    }
    return std::nullopt;
}

void SequenceForm::paintEvent(QPaintEvent* /*event*/) {
    // Painted rather than set in the palette: a palette colour would reach the
    // report box's frame and scroll bar, which keep the toolkit's look.
    const auto window = std::get<design::Rgb>(design::WindowPaint(false).background);
    QPainter(this).fillRect(rect(), QColor(window.red, window.green, window.blue));
}

std::u16string SequenceForm::CellCaption(std::size_t cell) const { return row_.Caption(cell); }

void SequenceForm::SetCellCaption(std::size_t cell, const std::u16string& caption) {
    row_.SetCaption(cell, caption);
}

void SequenceForm::SetCellUnderline(std::size_t cell, bool underline) {
    row_.SetUnderline(cell, underline);
}

std::u16string SequenceForm::ReportText() const {
    return FromWidgetText(controls_.report->toPlainText());
}

void SequenceForm::SetReportText(const std::u16string& text) {
    QPlainTextEdit* report = controls_.report;
    const QString shown = ToWidgetText(text);
    const QString current = report->toPlainText();
    // The balance line extends what the palindrome line wrote: add only the new
    // part instead of laying the whole document out again.
    if (!current.isEmpty() && shown.size() > current.size() && shown.startsWith(current)) {
        QTextCursor end(report->document());
        end.movePosition(QTextCursor::End);
        end.insertText(shown.mid(current.size()));
    } else if (shown != current) {
        report->setPlainText(shown);
    }
}

}  // namespace trivelan::qt
