// The Qt window's help box.
#include "HelpBox.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "Fonts.h"
#include "Screen.h"
#include "Text.h"
#include "design/Help.h"

namespace trivelan::qt {
namespace {

QRect ToQRect(const design::PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

void ShowHelp(QWidget* window, const design::HelpBox& help) {
    QDialog box(window);
    box.setWindowTitle(ToQString(help.title));
    box.setFont(DesignFont(help.scale.Points(design::kWindowFontPoints)));
    const design::HelpPlacement place = design::PlaceHelp(help.scale, ScreenOf(window));

    auto* text = new QPlainTextEdit(ToWidgetText(help.text), &box);
    text->setReadOnly(true);
    text->setAccessibleName(ToQString(design::kHelpTextName));
    // A caret the arrows move, line by line, as a screen reader reads.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setTabChangesFocus(true);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setGeometry(ToQRect(place.text));
    auto* close = new QPushButton(ToQString(design::kDialogOk), &box);
    close->setDefault(true);
    close->setGeometry(ToQRect(place.button));
    QObject::connect(close, &QPushButton::clicked, &box, &QDialog::accept);

    box.setFixedSize(place.client.width, place.client.height);
    box.move(place.position.x, place.position.y);
    QTextCursor caret = text->textCursor();
    caret.setPosition(static_cast<int>(design::HelpCaret(true)));
    text->setTextCursor(caret);
    text->setFocus();
    box.exec();  // Escape closes it too
}

}  // namespace trivelan::qt
