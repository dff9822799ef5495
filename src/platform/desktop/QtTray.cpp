#include "platform/desktop/QtTray.h"

#include "resources/AppIcon.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {
constexpr int kTipLength = 63;

// The main console's window icon (the program's own icon unless the console has one of its own),
// else the program's icon.
QIcon consoleIcon() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmStart") && !w->windowIcon().isNull())
            return w->windowIcon();
    }
    return appIcon();
}
} // namespace

QtTray::QtTray(QObject* parent) : Tray(parent), m_icon(new QSystemTrayIcon(this)) {
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            emit clicked(Click::Left);
            break;
        case QSystemTrayIcon::DoubleClick:
            emit clicked(Click::Double);
            break;
        case QSystemTrayIcon::Context:
            emit clicked(Click::Right);
            break;
        default:
            break;
        }
    });
}

QtTray::~QtTray() {
    m_icon->hide();
    m_icon->setContextMenu(nullptr);
}

bool QtTray::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::ensureIcon() {
    if (m_icon->icon().isNull())
        m_icon->setIcon(consoleIcon());
}

void QtTray::send(Message message, const QString& tip) {
    switch (message) {
    case Message::Add:
        ensureIcon();
        m_icon->setToolTip(tip.left(kTipLength));
        m_icon->show();
        break;
    case Message::Modify:
        m_icon->setToolTip(tip.left(kTipLength));
        break;
    case Message::Delete:
        m_icon->hide();
        break;
    }
}

void QtTray::setMenu(QMenu* menu) {
    // QSystemTrayIcon only keeps a guarded pointer: the menu may go (with the main console) first.
    m_icon->setContextMenu(menu);
}

QString QtTray::toolTip() const {
    return m_icon->toolTip();
}

bool QtTray::isShown() const {
    return m_icon->isVisible();
}
