// The floor of the start-up benchmark: the least a Qt Widgets program with one window and a tray icon
// costs to start. ModemTally's start-up is measured against it, side by side in the same run.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A bare Qt window"), &window));
    auto* quit = new QPushButton(QStringLiteral("Exit"), &window);
    layout->addWidget(quit);
    QObject::connect(quit, &QPushButton::clicked, &app, &QCoreApplication::quit);

    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x6f, 0xb0));
        p.drawRect(2, 2, 28, 28);
    }
    QMenu menu;
    menu.addAction(QStringLiteral("&Exit"), &app, &QCoreApplication::quit);
    QSystemTrayIcon tray{QIcon(pm)};
    tray.setToolTip(QStringLiteral("Floor"));
    tray.setContextMenu(&menu);
    tray.show();

    window.show();
    return app.exec();
}
