#pragma once

#include <QObject>
#include <QString>

class QMenu;

// The notification-area icon of the main console. The tip is plain text of at most 63 characters.
class Tray : public QObject {
    Q_OBJECT
public:
    enum class Message { Add, Modify, Delete };
    enum class Click { Left, Double, Right };

    using QObject::QObject;
    ~Tray() override = default;

    // False where the desktop has no notification area: callers then minimize instead of hiding.
    virtual bool isAvailable() const = 0;
    // Sends one request with the current tip; the result is not examined.
    virtual void send(Message message, const QString& tip) = 0;
    // The popup menu the desktop may show itself on a right click (StatusNotifierItem hosts do).
    virtual void setMenu(QMenu* menu) = 0;

signals:
    void clicked(Tray::Click click);
};
