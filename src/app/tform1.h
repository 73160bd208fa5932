#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class BusyPicture;
class TSonucBilgisi;
class StockListTab;
class BasketTab;
class PreviousOrdersTab;
class StatementTab;
class NewProductsTab;
class CampaignProductsTab;
class AnnouncementsTab;
class BalancesTab;
class VirtualPosTab;
namespace dsclient {
class CallbackChannel;
class DSConnection;
}

// The main window: a shell hosting every screen of the dealer and the
// salesperson. It owns the header, the search bar, the banner strips, the tab
// control, the legend strip, the bottom panel and the general menu; what
// happens inside each area belongs to the class that owns it.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Exit confirmation: asks the user; on Yes the process ends at once.
    // Answers whether the window may close.
    bool FormCloseQuery();

    // "Çıkış" in the general menu: asks the window to close.
    void G1Click();

    // The start-up sequence (startup.cpp): login, user-type rules, home content,
    // server notifications. Runs once, before the window is first shown; when
    // the login does not succeed the process has ended inside it.
    void FormCreate();
    // Runs the login window and applies the user-type rules; false when the
    // process was ended.
    bool RunLoginAndApplyUserType();

    // The home content, in its fixed order (homecontent.cpp). May run on any
    // thread; each load hands its control changes to the main thread.
    void LoadHomeContent();
    // Header labels from the login record.
    void AnaBilgiAl();
    // Queues a reload of the home content for the main thread and returns at once.
    void GeriBildirimAlQue();
    // "Başka Cari Seç" (changecustomer.cpp): a salesperson picks another customer.
    void musteritusClick();
    void ChangeCustomer();

    // State of the window.
    // The one configured connection to the application server.
    std::unique_ptr<dsclient::DSConnection> bagc;
    // The server-notification channel, registered at the end of start-up.
    std::unique_ptr<dsclient::CallbackChannel> DSClientCallbackChannelManager1;

    // The login record: created at start-up, filled by the login, kept for the
    // life of the process.
    std::unique_ptr<TSonucBilgisi> sbilgi;

    // Number of opening advertisements the server announced.
    int _acilisadet = 0;

    // Controls of the layout, named as the rest of the program refers to them.
    // Header.
    QLabel* kullanicilbl = nullptr;
    QLabel* cariadilbl = nullptr;
    QLabel* saticilbl = nullptr;
    QLabel* GifResim1 = nullptr;
    QToolButton* Genelmenubutton = nullptr;
    QMenu* Genelmenu = nullptr;
    QAction* MailMenuItem = nullptr;
    QAction* SifreMenuItem = nullptr;
    QAction* WebSiteMenuItem = nullptr;
    QAction* G1 = nullptr;
    QAction* R1 = nullptr;
    // Search bar.
    QLineEdit* araedit = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    BusyPicture* gifstokara = nullptr;
    BusyPicture* gifyeniler = nullptr;
    BusyPicture* gifkampanyali = nullptr;
    BusyPicture* gifduyuru = nullptr;
    BusyPicture* gifekstre = nullptr;
    BusyPicture* gifoncekiler = nullptr;
    QPushButton* musteritus = nullptr;
    // Banner strips and scrolling text.
    QLabel* RxGIFAnimator2 = nullptr;
    QLabel* kayanyazi = nullptr;
    QLabel* RealTimeMarquee1 = nullptr;
    // Tabs, in the order they appear.
    QTabWidget* sPageControl1 = nullptr;
    StockListTab* stockListTab = nullptr;
    BasketTab* basketTab = nullptr;
    PreviousOrdersTab* previousOrdersTab = nullptr;
    StatementTab* statementTab = nullptr;
    NewProductsTab* newProductsTab = nullptr;
    CampaignProductsTab* campaignProductsTab = nullptr;
    AnnouncementsTab* announcementsTab = nullptr;
    BalancesTab* balancesTab = nullptr;
    VirtualPosTab* virtualPosTab = nullptr;

signals:
    // The start-up load of the home content has ended (its continuation ran).
    void homeContentLoaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildHeader();
    QWidget* BuildSearchBar();
    QWidget* BuildTabs();
    QWidget* BuildBottomPanel();
    void BuildGeneralMenu();
};
