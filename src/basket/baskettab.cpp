#include "basket/baskettab.h"

BasketTab::BasketTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("ssepet"));
}

BasketTab::~BasketTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* BasketTab::page() const
{
    return m_page;
}
