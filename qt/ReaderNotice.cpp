// The Qt window's notices to a screen reader.
#include "ReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "Text.h"

namespace trivelan::qt {
namespace {

QAccessibleInterface* CreateForNotice(const QString& className, QObject* object) {
    if (className != QLatin1String(ReaderNotice::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

ReaderNotice::ReaderNotice(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(CreateForNotice);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("ReaderNotice"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);  // nothing on the screen
}

void ReaderNotice::Announce(const design::ReaderNews& news) {
    if (!QAccessible::isActive()) return;  // no reader listens: every click stays quick
    setAccessibleName(ToQString(news.text));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace trivelan::qt
