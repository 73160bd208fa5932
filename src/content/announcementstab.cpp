#include "content/announcementstab.h"

AnnouncementsTab::AnnouncementsTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("sTabSheetduyuru"));
}

AnnouncementsTab::~AnnouncementsTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* AnnouncementsTab::page() const
{
    return m_page;
}
