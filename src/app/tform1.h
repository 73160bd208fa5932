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

    // State of the window.
    // bagc, the one connection to the application server, joins here together
    // with the start-up sequence that configures it.

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    QWidget* BuildHeader();
    QWidget* BuildSearchBar();
    QWidget* BuildTabs();
    QWidget* BuildBottomPanel();
    void BuildGeneralMenu();
};
