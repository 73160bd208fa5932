#include "history/statementtab.h"

StatementTab::StatementTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("sccariekstre"));
}

StatementTab::~StatementTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* StatementTab::page() const
{
    return m_page;
}
