#pragma once

#include <QList>
#include <QSet>
#include <QString>

// The ordered, keyed list of profile items (gProfiles). Each profile is four adjacent items: the name
// (key: the name), the user name (name + "Username"), the password (name + "Password") and the domain
// (name + "Domain"). Keys compare without regard to letter case and are unique.
class ProfileStore {
public:
    struct Item {
        QString key;
        QString value;
    };

    // Appends an item; returns false (and adds nothing) when the key is already present.
    bool add(const QString& key, const QString& value);
    // Removes the item with this key; false when there is none.
    bool remove(const QString& key);
    bool contains(const QString& key) const;
    // The item's value, or an empty text when the key is missing.
    QString value(const QString& key) const;

    // Profile-level helpers over the four items.
    bool hasProfile(const QString& name) const { return contains(name); }
    // Appends the four items of a profile; false when the name is already present.
    bool addProfile(const QString& name, const QString& user = {}, const QString& password = {},
                    const QString& domain = {});
    // Removes the four items of a profile (each one only if present).
    void removeProfile(const QString& name);
    // Removes the profile's items and appends them again at the end with these credentials.
    void replaceProfile(const QString& name, const QString& user, const QString& password,
                        const QString& domain);
    QString userName(const QString& name) const { return value(name + QStringLiteral("Username")); }
    QString password(const QString& name) const { return value(name + QStringLiteral("Password")); }
    QString domain(const QString& name) const { return value(name + QStringLiteral("Domain")); }

    // Room for this many items in all, so that a long file is read without growing the store again
    // and again.
    void reserve(qsizetype items) {
        m_items.reserve(items);
        m_folded.reserve(items);
    }
    const QList<Item>& items() const { return m_items; }
    int size() const { return int(m_items.size()); }
    void clear() {
        m_items.clear();
        m_folded.clear();
    }
    bool operator==(const ProfileStore& o) const;

private:
    qsizetype indexOf(const QString& key) const;
    QList<Item> m_items;
    // Every key, case-folded: presence checks without a scan of the list (files of many profiles).
    QSet<QString> m_folded;
};
