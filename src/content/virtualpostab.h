#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Sanal Pos" tab: card payment against the account balance.
// The main window hosts its page; everything inside the page belongs here.
class VirtualPosTab : public QObject {
    Q_OBJECT
public:
    explicit VirtualPosTab(QObject* parent = nullptr);
    ~VirtualPosTab() override;

    // The tab's page, named "ss"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
