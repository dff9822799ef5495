#pragma once

#include "core/ProfileStore.h"

#include <QDialog>

class Program;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Updating Connection Profiles": offers the profiles whose phone-book entries have gone for deletion.
class frmDeleteProfile : public QDialog {
    Q_OBJECT
public:
    explicit frmDeleteProfile(Program& program);
    ~frmDeleteProfile() override;

    // The ticked profile names in the order they were ticked (item and key are the name; keys ignore
    // letter case).
    ProfileStore checkedprofile;
    QStringList checkedNames() const;

    void listUpdateProfiles_ItemCheck(QListWidgetItem* item);
    void cmdDeleteProfile_Click();
    void cmdUpdateHelp_Click();
    void cmdUpdateCancel_Click();

signals:
    void helpRequested();
    // The checked profiles are deleted: start-up goes on with the main console.
    void profilesDeleted();

private:
    void makeCheckable(int first, int last);

    QLabel* Label1 = nullptr;
    // One checkable item per profile read from the settings file, in file order.
    QListWidget* listUpdateProfiles = nullptr;
    QPushButton* cmdDeleteProfile = nullptr;
    QPushButton* cmdUpdateHelp = nullptr;
    QPushButton* cmdUpdateCancel = nullptr;

    Program& m_program;
};
