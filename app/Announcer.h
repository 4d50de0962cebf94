// What a screen reader should say about a change that happened away from the
// keyboard focus, or that the focused object's own events do not carry: a
// result after the = key, a computed register, the new mode, a refused paste.
//
// Orca speaks an object of the notification role when it is shown, whatever
// has the focus. The announcer is such an object: it is never drawn, and
// each message is its new name followed by a "shown" event. A screen reader
// reads the name when it handles the event, which may be after the next
// key; so messages take turns among a few objects, and each keeps its name
// until its turn comes again.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

namespace cambist {

class Notification final : public QWidget {
    Q_OBJECT
public:
    explicit Notification(QWidget* parent = nullptr);
    void show(const QString& message);
    const QString& message() const { return message_; }

private:
    QString message_;
};

class Announcer final {
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& message);
    // The newest message.
    const QString& message() const { return objects_[newest_]->message(); }

private:
    std::array<Notification*, 4> objects_{};
    std::size_t newest_ = 0;
};

}  // namespace cambist
