#include "catalogue/stocklisttab.h"

StockListTab::StockListTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("sstoklistesi"));
}

StockListTab::~StockListTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* StockListTab::page() const
{
    return m_page;
}
