#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class ClientDataSet;
class DataGrid;
class QAbstractButton;
class QAction;
class QLineEdit;
class QMenu;
class QTabWidget;
class TabLoad;
class TSonucBilgisi;
struct StockSearchRequest;
namespace dsclient {
class DSConnection;
}

// The controls of the main window the stock search works with: the search
// strip along the top, the tab control, and the window whose width picks the
// column layout. The connection and the login record are asked for when a
// search starts, as the start-up sequence replaces them.
struct StockSearchControls {
    QLineEdit* araedit = nullptr;
    QAbstractButton* SpeedButton1 = nullptr; // "Temizle"
    QAbstractButton* SpeedButton2 = nullptr; // "Ara"
    QWidget* gifstokara = nullptr;
    QTabWidget* sPageControl1 = nullptr;
    QWidget* window = nullptr;
    std::function<const dsclient::DSConnection*()> bagc;
    std::function<const TSonucBilgisi*()> sbilgi;
};

// The "Stok Listesi" tab: the search box's letter mapping and Enter, the
// background stock search, the stock grid with its price summary and its
// context menu. The main window hosts its page and the search strip.
class StockListTab : public QObject {
    Q_OBJECT
public:
    explicit StockListTab(QObject* parent = nullptr);
    ~StockListTab() override;

    // The tab's page, named "sstoklistesi"; the tab control takes it over when added.
    QWidget* page() const;
    DataGrid* grid() const { return cxGrid1; }
    ClientDataSet* dataSet() const { return stok; }
    QMenu* contextMenu() const { return popstok; }

    // Connects the search strip; call once, after the page was added to the tabs.
    void attach(const StockSearchControls& controls);

    // A rule of the kind of user for one stock column. A column hidden and not
    // offered by a rule stays hidden through every layout.
    void applyColumnRule(const QString& field, bool shown, bool offered);

    // Replaces the typed character by the letter table; Enter (13) starts a search.
    void araeditKeyPress(QChar& Key);
    // "Ara": a search as by Enter, while no search runs.
    void SpeedButton2Click();
    // "Temizle": empties the list and the search box, while no search runs.
    void SpeedButton1Click();
    // Worker of the background search: true when the search failed.
    bool SearchStock(const QString& kod, const TSonucBilgisi& bilgi, const dsclient::DSConnection& connection);
    // Column visibility, widths and row height by the window's width.
    void LayoutStockColumns();

    bool isSearching() const;

    // Another customer was chosen: the list of the previous one goes, the
    // caption reads "0=Stok Listesi" and the search box takes the focus.
    void CustomerChanged();

    // Row actions; their windows come with the add-to-basket and all-orders work.
    void cxGrid1DBTableView1DblClick();
    void S2Click();
    void S3Click();

signals:
    // A search has ended and the tab shows its result (or its failure).
    void searchFinished(bool hata);
    // "Sepete Ekle" or a double click, for the item with this stock number.
    void addToBasketRequested(int stokNo);
    // "Siparişleri Göster" for the item with this stock number.
    void showAllOrdersRequested(int stokNo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartSearch();
    void ActivateStockTab();
    void SetCaption(const QString& caption);
    void FinishSearch(bool hata);
    int FocusedStokNo() const;
    bool CampaignPriceShown() const;
    void BuildContextMenu();

    QPointer<QWidget> m_page;
    DataGrid* cxGrid1 = nullptr;
    ClientDataSet* stok = nullptr;
    QMenu* popstok = nullptr;
    QAction* S2 = nullptr;
    QAction* B1 = nullptr;
    QAction* S3 = nullptr;
    TabLoad* m_search = nullptr;
    std::shared_ptr<StockSearchRequest> m_pending;
    StockSearchControls m_controls;
    QSet<QString> m_withheld; // fields the kind of user never sees
};
