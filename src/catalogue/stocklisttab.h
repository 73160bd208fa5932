#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Stok Listesi" tab: the stock search results.
// The main window hosts its page; everything inside the page belongs here.
class StockListTab : public QObject {
    Q_OBJECT
public:
    explicit StockListTab(QObject* parent = nullptr);
    ~StockListTab() override;

    // The tab's page, named "sstoklistesi"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
