#include "catalogue/newproductstab.h"

NewProductsTab::NewProductsTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("syeniler"));
}

NewProductsTab::~NewProductsTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* NewProductsTab::page() const
{
    return m_page;
}
