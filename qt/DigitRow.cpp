// The Qt window's digit row: one Tab stop, its arrow keys and its mark.
#include "DigitRow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyleHints>
#include <optional>

#include "DigitCell.h"
#include "design/DigitRow.h"

namespace trivelan::qt {
namespace {

std::optional<design::RowKey> RowKeyOf(int key) {
    switch (key) {
        case Qt::Key_Space:
            return design::RowKey::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return design::RowKey::Enter;
        case Qt::Key_Left:
            return design::RowKey::Left;
        case Qt::Key_Right:
            return design::RowKey::Right;
        case Qt::Key_Home:
            return design::RowKey::Home;
        case Qt::Key_End:
            return design::RowKey::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

DigitRow::DigitRow(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void DigitRow::addCell(DigitCell* cell) {
    cells_.at(static_cast<std::size_t>(cell->position())) = cell;
}

bool DigitRow::press(int cell, quint64 time) {
    return input_.Press(cell, static_cast<std::int64_t>(time),
                        QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

bool DigitRow::key(const QKeyEvent& event) {
    const auto rowKey = RowKeyOf(event.key());
    if (!rowKey) return false;
    input_.Key(
        *rowKey, event.isAutoRepeat(), [this](int before) { showMark(before); },
        [this](int cell) { cells_.at(static_cast<std::size_t>(cell))->click(); });
    return true;
}

void DigitRow::showMark(int before) {
    const int mark = input_.Mark();
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        const bool stop = design::HasOwnTabStop(design::DigitCell(static_cast<int>(k)), mark);
        cells_[k]->setFocusPolicy(stop ? Qt::TabFocus : Qt::NoFocus);
    }
    if (cells_.at(static_cast<std::size_t>(before))->hasFocus())
        cells_.at(static_cast<std::size_t>(mark))->setFocus();
}

}  // namespace trivelan::qt
