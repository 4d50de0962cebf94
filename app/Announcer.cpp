#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace cambist {

namespace {

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Announcer*>(object())->message() : QString();
    }
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("cambist::Announcer") && object && object->isWidgetType()) {
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    }
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
}

void Announcer::announce(const QString& message) {
    if (message.isEmpty()) return;
    message_ = message;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace cambist
