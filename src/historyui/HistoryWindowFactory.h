#pragma once

#include <QtPlugin>

#include <memory>

class HistorySource;
class QWidget;

// The History window's module (loaded when the window is first opened, with Qt Charts) makes the
// window through this interface. The window reads the journal through `source`, which it keeps.
class HistoryWindowFactory {
public:
    virtual ~HistoryWindowFactory() = default;
    virtual QWidget* createHistoryWindow(std::unique_ptr<HistorySource> source) = 0;
};

#define HistoryWindowFactory_iid "org.modemtally.HistoryWindowFactory/1"
Q_DECLARE_INTERFACE(HistoryWindowFactory, HistoryWindowFactory_iid)
