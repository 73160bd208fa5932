#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Kampanyalı Stoklar" tab: the items on campaign.
// The main window hosts its page; everything inside the page belongs here.
class CampaignProductsTab : public QObject {
    Q_OBJECT
public:
    explicit CampaignProductsTab(QObject* parent = nullptr);
    ~CampaignProductsTab() override;

    // The tab's page, named "skampanyali"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
