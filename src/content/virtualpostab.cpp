#include "content/virtualpostab.h"

VirtualPosTab::VirtualPosTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("ss"));
}

VirtualPosTab::~VirtualPosTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* VirtualPosTab::page() const
{
    return m_page;
}
