#include "platform/desktop/GroupBox.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace {
// Fusion's frame picture: a line of grey 0x75 at 20 % opacity, inside it a line of black at 3 %, and
// black at 1 % filling the box; each corner is a faint pixel with a darker one inside it. All of it is
// painted here as opaque colours worked out against the background, so that no blending is needed.
QColor over(const QColor& background, int grey, int alpha) {
    auto channel = [grey, alpha](int c) { return (c * (255 - alpha) + grey * alpha + 127) / 255; };
    return QColor(channel(background.red()), channel(background.green()), channel(background.blue()));
}

void drawFusionFrame(QPainter& p, const QRect& frame, const QColor& background) {
    // The picture leaves its first row and column empty; its lines are one pixel in from the top and
    // left, and on the last pixel at the right and bottom.
    const int l = frame.left() + 1, t = frame.top() + 1, r = frame.right(), b = frame.bottom();
    if (r - l < 4 || b - t < 4)
        return;
    auto line = [&p](int x1, int y1, int x2, int y2, const QColor& c) {
        p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), c);
    };
    line(l + 1, t + 1, r - 1, b - 1, over(background, 0, 3));
    const QColor shade = over(background, 0, 7);
    line(l + 2, t + 1, r - 2, t + 1, shade);
    line(l + 2, b - 1, r - 2, b - 1, shade);
    line(l + 1, t + 2, l + 1, b - 2, shade);
    line(r - 1, t + 2, r - 1, b - 2, shade);
    const QColor edge = over(background, 0x75, 0x32);
    line(l + 1, t, r - 1, t, edge);
    line(l + 1, b, r - 1, b, edge);
    line(l, t + 1, l, b - 1, edge);
    line(r, t + 1, r, b - 1, edge);
    // The rounded corners.
    const QColor nearCorner = over(background, 0x5e, 0x36);
    for (const QPoint& c : {QPoint(l + 1, t), QPoint(l, t + 1), QPoint(r - 1, t), QPoint(r, t + 1),
                            QPoint(l + 1, b), QPoint(l, b - 1), QPoint(r - 1, b), QPoint(r, b - 1)})
        line(c.x(), c.y(), c.x(), c.y(), nearCorner);
    const QColor outer = over(background, 0x20, 0x0d);
    const QColor inner = over(background, 0x5c, 0x1f);
    for (const QPoint& c : {QPoint(l, t), QPoint(r, t), QPoint(l, b), QPoint(r, b)})
        line(c.x(), c.y(), c.x(), c.y(), outer);
    for (const QPoint& c :
         {QPoint(l + 1, t + 1), QPoint(r - 1, t + 1), QPoint(l + 1, b - 1), QPoint(r - 1, b - 1)})
        line(c.x(), c.y(), c.x(), c.y(), inner);
}
} // namespace

LineFrameGroupBox::LineFrameGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void LineFrameGroupBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionGroupBox opt;
    initStyleOption(&opt);
    if (style()->name() == QLatin1String("fusion") && (opt.subControls & QStyle::SC_GroupBoxFrame)) {
        // Where Fusion puts its frame: below the title (or a fixed 3 pixels down without one).
        QRect frame = style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, this);
        int top = 3;
        if (isCheckable() || !title().isEmpty())
            top += qMax(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this),
                        opt.fontMetrics.height());
        frame.adjust(0, top, 0, 0);
        drawFusionFrame(p, frame, palette().color(QPalette::Window));
        opt.subControls &= ~QStyle::SC_GroupBoxFrame;
    }
    p.drawComplexControl(QStyle::CC_GroupBox, opt);
}
