#include "monitor/WarningWindow.h"

#include "platform/desktop/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WarningWindow::WarningWindow(const char* windowName, const char* labelName, const char* buttonName,
                             int minimumWidth) {
    setObjectName(QLatin1String(windowName));
    setModal(false);

    m_message = new QLabel(this);
    m_message->setObjectName(QLatin1String(labelName));
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(minimumWidth);
    QFont f = m_message->font();
    f.setBold(true);
    m_message->setFont(f);

    m_close = closePictureButton(this, buttonName, tr("Close"), Picture::Close);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message, 1);
    layout->addLayout(row);

    connect(m_close, &QPushButton::clicked, this, &WarningWindow::dismissed);
}

WarningWindow::~WarningWindow() = default;

void WarningWindow::reject() {
    emit dismissed();
}
