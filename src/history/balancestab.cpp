#include "history/balancestab.h"

BalancesTab::BalancesTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("sTabbakiyeler"));
}

BalancesTab::~BalancesTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* BalancesTab::page() const
{
    return m_page;
}
