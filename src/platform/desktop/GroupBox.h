#pragma once

#include <QGroupBox>

// A group box that looks like any other, except that under the Fusion style it draws its frame
// itself, with a few filled lines in the colours Fusion's frame picture gives on the window's
// background. Fusion stretches that picture over the whole box: loading it probes every image-format
// plugin, and stretching it over a box of this height hands the blending to Qt's thread pool, so the
// first paint of a window with a group box starts two worker threads and maps the image plugins. This
// one does neither. Under another style it is a plain QGroupBox.
class LineFrameGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit LineFrameGroupBox(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
