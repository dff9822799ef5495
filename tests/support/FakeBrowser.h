#pragma once

#include "platform/Browser.h"

#include <QByteArray>
#include <QFile>
#include <QFileDevice>
#include <QList>
#include <QPair>
#include <QStringList>

// Answers the lookup with `program` (empty: no association) and the start with `starts`. Records the
// document asked about, its content and permissions at that moment, and every start with the page as
// the encoded text of its URL.
class FakeBrowser final : public Browser {
public:
    QString program = QStringLiteral("/usr/bin/fake-browser");
    bool starts = true;

    QStringList documents;
    QList<QByteArray> contents;
    QList<QFileDevice::Permissions> permissions;
    QList<QPair<QString, QString>> started;

    QString findProgramFor(const QString& documentPath) override {
        documents << documentPath;
        QFile f(documentPath);
        contents << (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
        permissions << QFile::permissions(documentPath);
        return program;
    }
    bool startProgram(const QString& p, const QUrl& page) override {
        started.append({p, page.toString(QUrl::FullyEncoded)});
        return starts;
    }
};
