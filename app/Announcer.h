// What a screen reader should say about a change that happened away from the
// keyboard focus, or that the focused object's own events do not carry: a
// result after the = key, a computed register, the new mode, a refused paste.
//
// Orca speaks an object of the notification role when it is shown, whatever
// has the focus. The announcer is such an object: it is never drawn, and
// each message is its new name followed by a "shown" event.
#pragma once

#include <QString>
#include <QWidget>

namespace cambist {

class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent = nullptr);
    void announce(const QString& message);
    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace cambist
