// The floor for the start-up benchmark: a bare Qt Widgets window of the same
// client size with one white 36 pt label where the first digit cell stands.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(481, 363);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 255));
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    auto* label = new QLabel(QStringLiteral("0"), &window);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(36);
    label->setFont(font);
    label->setGeometry(56, 64, 25, 57);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);

    window.show();
    return QApplication::exec();
}
