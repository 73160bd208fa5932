#pragma once

#include <QDialog>

#include <functional>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QToolButton;
class QAction;
class QMenu;
class ClientDataSet;
class DataGrid;
class DataTable;
class TSonucBilgisi;
class TServerMethods1Client;
namespace dsclient {
class DSConnection;
}

// Customer selection of a salesperson ("Cari Seçimi"): find a customer by text
// or by the state of its orders, look at its details and choose the customer
// to act for. Choosing writes only CARINO, carikod and CariAdi of the login
// record and closes the window with Accepted (mrOk); every other way of
// closing the window leaves the record unchanged and returns Rejected.
// "Vazgeç" ends the whole program at once.
//
// Openers: construct with the connection and the login record (both kept by
// reference and outliving the window), call SepetSayisiYaz() and
// TusSonuclari(), then exec(). Server calls run on the main thread over `bag`,
// opened and closed around each call; a failed call shows its message and
// leaves the grid, the details and the counters as they were.
class Tseccari : public QDialog {
    Q_OBJECT
public:
    Tseccari(dsclient::DSConnection& bag, TSonucBilgisi& bilgim, QWidget* parent = nullptr);
    ~Tseccari() override;

    // Count of customers with a filled basket into the caption of sepettus
    // (empty when below 1). Returns false when the call failed.
    bool SepetSayisiYaz();
    // The six order-state counters into the captions of the state buttons
    // ("0" included). Returns false when the call failed.
    bool TusSonuclari();

    // Handlers of the window.
    void NEdit1KeyDown(QKeyEvent* event);
    void sBitBtn2Click();
    void sepettusClick();
    void alinditusClick();
    void onaylanditusClick();
    void goruldutusClick();
    void parcalihazirlandiClick();
    void hazirlanditusClick();
    void sevktusClick();
    void cxGrid1DBTableView1FocusedRecordChanged();
    void Button1Click();
    void cxGrid1DBTableView1DblClick();
    void Button2Click();
    // Context-menu entries whose screens come with the reports and the order
    // balances; until then they do nothing.
    void C1Click();
    void CariAlSatTablosuSatcl1Click();
    void CariTopluAlacakVadeleri1Click();
    void B1Click();

    // The customers listed now.
    ClientDataSet& CARILER() const { return *CARILER_; }

    // "ı" becomes "i"; nothing else changes.
    static QString ReplaceDotlessI(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void buildLayout();
    QToolButton* makeStateButton(const char* name, const QString& hint);
    void SearchCustomers();
    void ListCustomersByState(int code);
    void showCustomers(DataTable table);
    bool callServer(const std::function<void(TServerMethods1Client&)>& call);
    void focusSearchBox();
    void ChooseCustomer();
    int focusedRow() const;
    QString focusedText(const char* field) const;
    void setDetail(const char* label, const QString& text);

    dsclient::DSConnection& bag;
    TSonucBilgisi& bilgim;
    ClientDataSet* CARILER_ = nullptr;

public:
    // Controls, named as the rest of the program refers to them.
    QToolButton* sBitBtn2 = nullptr;
    QToolButton* sepettus = nullptr;
    QToolButton* alinditus = nullptr;
    QToolButton* onaylanditus = nullptr;
    QToolButton* goruldutus = nullptr;
    QToolButton* parcalihazirlandi = nullptr;
    QToolButton* hazirlanditus = nullptr;
    QToolButton* sevktus = nullptr;
    QLineEdit* NEdit1 = nullptr;
    DataGrid* cxGrid1DBTableView1 = nullptr;
    QSplitter* splitter = nullptr;
    QGroupBox* cariBilgileri = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QMenu* gridMenu = nullptr;
};
