#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace cambist {

namespace {

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Notification* notification)
        : QAccessibleWidget(notification, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Notification*>(object())->message() : QString();
    }
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("cambist::Notification") && object && object->isWidgetType()) {
        return new AnnouncerAccessible(static_cast<Notification*>(object));
    }
    return nullptr;
}

}  // namespace

Notification::Notification(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
}

void Notification::show(const QString& message) {
    message_ = message;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace cambist

namespace cambist {

Announcer::Announcer(QWidget* parent) {
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    (void)installed;
    for (Notification*& object : objects_) object = new Notification(parent);
}

void Announcer::announce(const QString& message) {
    if (message.isEmpty()) return;
    newest_ = (newest_ + 1) % objects_.size();
    objects_[newest_]->show(message);
}

}  // namespace cambist
