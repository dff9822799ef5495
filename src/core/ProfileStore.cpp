#include "core/ProfileStore.h"

namespace {
// The key as kept in the presence set: case-folded, with a quick path for plain ASCII keys.
QString folded(const QString& key) {
    QString out(key.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        if (c >= 0x80)
            return key.toCaseFolded();
        d[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
    }
    return out;
}
} // namespace

qsizetype ProfileStore::indexOf(const QString& key) const {
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool ProfileStore::add(const QString& key, const QString& value) {
    if (contains(key))
        return false;
    m_items.append(Item{key, value});
    m_folded.insert(folded(key));
    return true;
}

bool ProfileStore::remove(const QString& key) {
    const qsizetype i = indexOf(key);
    if (i < 0)
        return false;
    m_folded.remove(folded(m_items[i].key));
    m_items.removeAt(i);
    return true;
}

bool ProfileStore::contains(const QString& key) const {
    return m_folded.contains(folded(key));
}

QString ProfileStore::value(const QString& key) const {
    const qsizetype i = indexOf(key);
    return i < 0 ? QString() : m_items[i].value;
}

bool ProfileStore::addProfile(const QString& name, const QString& user, const QString& password,
                              const QString& domain) {
    if (!add(name, name))
        return false;
    add(name + QStringLiteral("Username"), user);
    add(name + QStringLiteral("Password"), password);
    add(name + QStringLiteral("Domain"), domain);
    return true;
}

void ProfileStore::removeProfile(const QString& name) {
    remove(name);
    remove(name + QStringLiteral("Username"));
    remove(name + QStringLiteral("Password"));
    remove(name + QStringLiteral("Domain"));
}

void ProfileStore::replaceProfile(const QString& name, const QString& user, const QString& password,
                                  const QString& domain) {
    removeProfile(name);
    addProfile(name, user, password, domain);
}

bool ProfileStore::operator==(const ProfileStore& o) const {
    if (m_items.size() != o.m_items.size())
        return false;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items[i].key != o.m_items[i].key || m_items[i].value != o.m_items[i].value)
            return false;
    }
    return true;
}
