#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The "Cari Ekstre" tab: the customer's account statement.
// The main window hosts its page; everything inside the page belongs here.
class StatementTab : public QObject {
    Q_OBJECT
public:
    explicit StatementTab(QObject* parent = nullptr);
    ~StatementTab() override;

    // The tab's page, named "sccariekstre"; the tab control takes it over when added.
    QWidget* page() const;

private:
    QPointer<QWidget> m_page;
};
