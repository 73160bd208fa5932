#include "catalogue/campaignproductstab.h"

CampaignProductsTab::CampaignProductsTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("skampanyali"));
}

CampaignProductsTab::~CampaignProductsTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* CampaignProductsTab::page() const
{
    return m_page;
}
