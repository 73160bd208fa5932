#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Duyurular" tab: the distributor's announcements.
// The main window hosts its page; everything inside the page belongs here.
class AnnouncementsTab : public QObject {
    Q_OBJECT
public:
    explicit AnnouncementsTab(QObject* parent = nullptr);
    ~AnnouncementsTab() override;

    // The tab's page, named "sTabSheetduyuru"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
