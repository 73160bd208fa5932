#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Bakiyeler" tab: the open order balances.
// The main window hosts its page; everything inside the page belongs here.
class BalancesTab : public QObject {
    Q_OBJECT
public:
    explicit BalancesTab(QObject* parent = nullptr);
    ~BalancesTab() override;

    // The tab's page, named "sTabbakiyeler"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
