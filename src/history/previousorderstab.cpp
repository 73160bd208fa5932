#include "history/previousorderstab.h"

PreviousOrdersTab::PreviousOrdersTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("sonceki"));
}

PreviousOrdersTab::~PreviousOrdersTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* PreviousOrdersTab::page() const
{
    return m_page;
}
