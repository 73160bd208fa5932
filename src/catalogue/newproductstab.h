#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Yeni Stoklar" tab: the distributor's new items.
// The main window hosts its page; everything inside the page belongs here.
class NewProductsTab : public QObject {
    Q_OBJECT
public:
    explicit NewProductsTab(QObject* parent = nullptr);
    ~NewProductsTab() override;

    // The tab's page, named "syeniler"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
