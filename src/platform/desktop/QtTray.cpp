#include "platform/desktop/QtTray.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {
constexpr int kTipLength = 63;

// The main console's own window icon (the icon the tray shows), else the application's, else a
// plain drawn one so the tray never shows an empty slot.
QIcon consoleIcon() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmStart") && !w->windowIcon().isNull())
            return w->windowIcon();
    }
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    if (QIcon::hasThemeIcon(QStringLiteral("network-wired")))
        return QIcon::fromTheme(QStringLiteral("network-wired"));
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x6f, 0xb0));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.end();
    return QIcon(pm);
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
