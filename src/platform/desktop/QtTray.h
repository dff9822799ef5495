#pragma once

#include "platform/Tray.h"

class QMenu;
class QSystemTrayIcon;

// The tray seam on QSystemTrayIcon (a StatusNotifierItem or an XEmbed tray icon, whichever the
// desktop offers).
class QtTray final : public Tray {
    Q_OBJECT
public:
    explicit QtTray(QObject* parent = nullptr);
    ~QtTray() override;

    bool isAvailable() const override;
    void send(Message message, const QString& tip) override;
    void setMenu(QMenu* menu) override;

    // The tip as last sent, cut to the 63 characters a tip may hold.
    QString toolTip() const;
    bool isShown() const;

private:
    void ensureIcon();

    QSystemTrayIcon* m_icon;
};
