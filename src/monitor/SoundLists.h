#pragma once

#include <QComboBox>
#include <QListWidget>

// The sound chooser's folder list: the folders from the root down to the current one, then the
// current folder's subfolders, indented like a tree. A click highlights a folder; a double click (or
// Enter) opens it and makes it the current folder.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    // Makes a folder current; false (nothing changes) when it cannot be read.
    bool setPath(const QString& path);
    // The highlighted folder (the current one when nothing else is highlighted).
    QString highlightedPath() const;

signals:
    void pathChanged(const QString& path);

private:
    QString m_path;
};

// The files of one folder matching a pattern ("*" for every file, "*.wav" for wave files), in
// ascending name order.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString directory() const { return m_directory; }
    void setDirectory(const QString& directory);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);

private:
    void refresh();
    QString m_directory;
    QString m_pattern = QStringLiteral("*");
};

// The mounted file systems ("drives"), each shown by its mount point.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);

    // Lists the mounted volumes again.
    void refresh();
    // The mount point shown.
    QString drive() const;
    // Shows this mount point (added to the list when it is not there).
    void setDrive(const QString& mountPoint);
};
