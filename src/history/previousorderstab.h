#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Önceki Siparişler" tab: the customer's previous orders.
// The main window hosts its page; everything inside the page belongs here.
class PreviousOrdersTab : public QObject {
    Q_OBJECT
public:
    explicit PreviousOrdersTab(QObject* parent = nullptr);
    ~PreviousOrdersTab() override;

    // The tab's page, named "sonceki"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
