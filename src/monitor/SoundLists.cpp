#include "monitor/SoundLists.h"

#include "monitor/SoundSearch.h"

#include <QDir>
#include <QRegularExpression>
#include <QStorageInfo>

namespace {
constexpr int kPathRole = Qt::UserRole;
const QString kIndent = QStringLiteral("    ");
} // namespace

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

bool DirListBox::setPath(const QString& path) {
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    const DirListing listing = SoundSearch::list(clean, false);
    if (!listing.ok)
        return false;
    clear();
    // The chain of folders from the root down to the current one.
    QStringList chain;
    for (QString p = clean;; p = QFileInfo(p).path()) {
        chain.prepend(p);
        if (QDir(p).isRoot())
            break;
    }
    QListWidgetItem* current = nullptr;
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& p = chain[depth];
        const QString label = depth == 0 ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(kIndent.repeated(depth) + label, this);
        item->setData(kPathRole, p);
        item->setIcon(QIcon::fromTheme(QStringLiteral("folder-open")));
        current = item;
    }
    for (const QString& name : listing.subdirectories) {
        auto* item = new QListWidgetItem(kIndent.repeated(int(chain.size())) + name, this);
        item->setData(kPathRole, SoundSearch::joinPath(clean, name));
        item->setIcon(QIcon::fromTheme(QStringLiteral("folder")));
    }
    setCurrentItem(current);
    const bool changed = clean != m_path;
    m_path = clean;
    if (changed)
        emit pathChanged(m_path);
    return true;
}

QString DirListBox::highlightedPath() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(kPathRole).toString() : m_path;
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {}

void FileListBox::setDirectory(const QString& directory) {
    m_directory = directory;
    refresh();
}

void FileListBox::setPattern(const QString& pattern) {
    m_pattern = pattern;
    refresh();
}

void FileListBox::refresh() {
    clear();
    if (m_directory.isEmpty())
        return;
    const bool waveOnly = m_pattern.compare(QLatin1String("*.wav"), Qt::CaseInsensitive) == 0;
    const DirListing listing = SoundSearch::list(m_directory, waveOnly);
    if (waveOnly || m_pattern == QLatin1String("*")) {
        addItems(listing.files);
        return;
    }
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(m_pattern),
                                QRegularExpression::CaseInsensitiveOption);
    for (const QString& f : listing.files) {
        if (re.match(f).hasMatch())
            addItem(f);
    }
}

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    refresh();
}

void DriveListBox::refresh() {
    const QString shown = drive();
    clear();
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (v.isValid() && v.isReady())
            addItem(v.rootPath());
    }
    if (!shown.isEmpty())
        setDrive(shown);
}

QString DriveListBox::drive() const {
    return currentText();
}

void DriveListBox::setDrive(const QString& mountPoint) {
    int i = findText(mountPoint);
    if (i < 0) {
        addItem(mountPoint);
        i = count() - 1;
    }
    setCurrentIndex(i);
}
