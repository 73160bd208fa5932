#include "catalogue/stocklisttab.h"

#include "catalogue/stockcolumns.h"
#include "catalogue/stocksearchtext.h"
#include "login/datasetutils.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridloadview.h"
#include "platform/widgets/messagedialog.h"
#include "server/baglantiu.h"
#include "server/callframe.h"
#include "server/proxim.h"
#include "server/tabload.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

// What one search hands its worker: taken on the main thread when it starts,
// read by the worker only, so the worker never touches the window's objects.
struct StockSearchRequest {
    QString kod;
    std::unique_ptr<TSonucBilgisi> bilgi;
    std::unique_ptr<dsclient::DSConnection> connection;
};

namespace {

const QString kTabName = QStringLiteral("Stok Listesi");
const QString kTooShort = QStringLiteral("Lütfen en az 3 harf giriniz !");

// Windows wider than this show the four price columns; narrower ones the summary.
constexpr int kNarrowWindowWidth = 1152;
constexpr int kWideRowHeight = 60;
constexpr int kNarrowRowHeight = 100;
constexpr int kLayoutMargin = 10;

// Controls stay disabled only while the packet is loaded, whatever happens.
class ControlsDisabled {
public:
    explicit ControlsDisabled(ClientDataSet& ds) : ds_(ds) { ds_.disableControls(); }
    ~ControlsDisabled() { ds_.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    ClientDataSet& ds_;
};

// The background search itself: the result replaces the dataset; a packet
// without IND1 is not a stock list and counts as a failure like a lost call.
bool SearchStockInto(ClientDataSet& stok, const QString& kod, const TSonucBilgisi& bilgi,
                     const dsclient::DSConnection& connection)
{
    try {
        const bool opened = CallInBackground(connection, false, [&](TServerMethods1Client& proxy) {
            ControlsDisabled quiet(stok);
            stok.setData(proxy.StokAraGetir(kod, CopyLoginRecord(bilgi)));
            stok.fieldByName(QStringLiteral("IND1"));
            SetFloatDisplayFormats(stok);
        });
        return !opened;
    } catch (...) {
        return true;
    }
}

} // namespace

StockListTab::StockListTab(QObject* parent)
    : QObject(parent), m_page(new QWidget)
{
    m_page->setObjectName(QStringLiteral("sstoklistesi"));

    stok = new ClientDataSet(this);
    stok->setObjectName(QStringLiteral("stok"));

    cxGrid1 = new DataGrid(m_page);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->view()->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    GridOptions options;
    options.headerHeight = 40;
    options.indicatorWidth = 5;
    options.rowHeight = kWideRowHeight;
    options.showFooter = true;
    cxGrid1->setOptions(options);
    cxGrid1->setColumns(StockColumns([this] { return CampaignPriceShown(); }));
    cxGrid1->setFooterSummaries({FooterSummary{QStringLiteral("OEM1"), FooterSummary::Kind::Count}});
    cxGrid1->setDataSet(stok);
    cxGrid1->installEventFilter(this);
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, &StockListTab::cxGrid1DBTableView1DblClick);

    auto* layout = new QVBoxLayout(m_page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cxGrid1);

    BuildContextMenu();
}

StockListTab::~StockListTab()
{
    // A page never added to a tab control is still ours to free.
    if (m_page && !m_page->parent())
        delete m_page;
}

QWidget* StockListTab::page() const
{
    return m_page;
}

void StockListTab::BuildContextMenu()
{
    popstok = new QMenu(cxGrid1);
    popstok->setObjectName(QStringLiteral("popstok"));
    auto entry = [this](const QString& name, const QString& text) {
        QAction* action = popstok->addAction(text);
        action->setObjectName(name);
        return action;
    };
    S2 = entry(QStringLiteral("S2"), QStringLiteral("Sepete Ekle"));
    popstok->addSeparator();
    B1 = entry(QStringLiteral("B1"), QStringLiteral("Sipariş Bakiyeleriniz")); // no action of its own
    popstok->addSeparator();
    S3 = entry(QStringLiteral("S3"), QStringLiteral("Siparişleri Göster"));
    connect(S2, &QAction::triggered, this, &StockListTab::S2Click);
    connect(S3, &QAction::triggered, this, &StockListTab::S3Click);

    QTableView* view = cxGrid1->view();
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
        popstok->popup(view->viewport()->mapToGlobal(at));
    });
}

void StockListTab::attach(const StockSearchControls& controls)
{
    m_controls = controls;
    if (m_controls.araedit)
        m_controls.araedit->installEventFilter(this);
    if (m_controls.SpeedButton2)
        connect(m_controls.SpeedButton2, &QAbstractButton::clicked, this, &StockListTab::SpeedButton2Click);
    if (m_controls.SpeedButton1)
        connect(m_controls.SpeedButton1, &QAbstractButton::clicked, this, &StockListTab::SpeedButton1Click);

    auto pending = std::make_shared<StockSearchRequest>();
    TabLoadSpec spec;
    spec.busyPicture = m_controls.gifstokara;
    spec.input = m_controls.araedit;
    spec.view = std::make_shared<DataGridLoadView>(cxGrid1);
    // The dataset is our child; the worker only runs while we exist, as the
    // window ends the process rather than closing while a search runs.
    spec.load = [this, pending] {
        if (!pending->bilgi || !pending->connection)
            return true;
        return SearchStock(pending->kod, *pending->bilgi, *pending->connection);
    };
    spec.beforeReattach = [this](bool hata) {
        if (hata)
            stok->emptyDataSet();
    };
    spec.followUp = [this](bool hata) { FinishSearch(hata); };
    delete m_search;
    m_search = new TabLoad(std::move(spec), this);
    m_pending = pending;
}

void StockListTab::applyColumnRule(const QString& field, bool shown, bool offered)
{
    const int column = cxGrid1->columnIndex(field);
    if (column < 0)
        return;
    cxGrid1->setColumnOffered(column, offered);
    cxGrid1->setColumnShown(column, shown);
    if (!shown && !offered)
        m_withheld.insert(field.toUpper());
    else
        m_withheld.remove(field.toUpper());
}

bool StockListTab::CampaignPriceShown() const
{
    return !m_withheld.contains(QStringLiteral("KAMPFIYAT"));
}

bool StockListTab::isSearching() const
{
    return m_search && m_search->isRunning();
}

bool StockListTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.araedit && event->type() == QEvent::KeyPress) {
        // A disabled box (a search runs) takes no keys.
        if (!m_controls.araedit->isEnabled())
            return true;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QChar enter(13);
            araeditKeyPress(enter);
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1) {
            QChar typed = text.at(0);
            araeditKeyPress(typed);
            if (typed != text.at(0)) {
                m_controls.araedit->insert(QString(typed));
                return true;
            }
        }
        return false;
    }
    if (watched == cxGrid1 && event->type() == QEvent::Resize) {
        // No layout while a search runs: the grid is detached then.
        if (!m_controls.araedit || m_controls.araedit->isEnabled())
            LayoutStockColumns();
    }
    return QObject::eventFilter(watched, event);
}

void StockListTab::araeditKeyPress(QChar& Key)
{
    Key = MapSearchLetter(Key);
    if (Key.unicode() == 13) {
        Key = QChar();
        StartSearch();
    }
}

void StockListTab::SpeedButton2Click()
{
    if (!m_controls.araedit || !m_controls.araedit->isEnabled())
        return;
    QChar enter(13);
    araeditKeyPress(enter);
}

void StockListTab::SpeedButton1Click()
{
    QLineEdit* araedit = m_controls.araedit;
    if (!araedit || !araedit->isEnabled())
        return;
    if (stok->isActive()) {
        stok->emptyDataSet();
        SetCaption(kTabName);
    }
    ActivateStockTab();
    cxGrid1->clearFilter();
    araedit->clear();
    araedit->selectAll();
    araedit->setFocus();
}

void StockListTab::CustomerChanged()
{
    // A running search owns the dataset until its continuation.
    if (!isSearching()) {
        stok->emptyDataSet();
        SetCaption(QStringLiteral("0=%1").arg(kTabName));
    }
    ActivateStockTab();
    if (QLineEdit* araedit = m_controls.araedit) {
        araedit->selectAll();
        araedit->setFocus();
    }
}

void StockListTab::StartSearch()
{
    ActivateStockTab();
    if (!m_search || isSearching())
        return;
    const QString kod = m_controls.araedit->text();
    if (TrimSearchText(kod).size() < kMinimumSearchLength) {
        ShowMessageDialog(kTooShort, MsgDlgType::Warning, mbOK, mbOK);
        return;
    }
    // Taken here, on the main thread, so the worker reads nothing of the window.
    const dsclient::DSConnection* bagc = m_controls.bagc ? m_controls.bagc() : nullptr;
    const TSonucBilgisi* sbilgi = m_controls.sbilgi ? m_controls.sbilgi() : nullptr;
    m_pending->kod = kod;
    m_pending->bilgi = sbilgi ? CopyLoginRecord(*sbilgi) : nullptr;
    m_pending->connection = bagc ? bagc->clone() : nullptr;

    cxGrid1->clearFilter();
    m_search->start();
}

bool StockListTab::SearchStock(const QString& kod, const TSonucBilgisi& bilgi,
                               const dsclient::DSConnection& connection)
{
    return SearchStockInto(*stok, kod, bilgi, connection);
}

void StockListTab::FinishSearch(bool hata)
{
    if (QLineEdit* araedit = m_controls.araedit) {
        araedit->selectAll();
        araedit->setFocus();
    }
    SetCaption(hata ? kTabName : QStringLiteral("%1=%2").arg(stok->recordCount()).arg(kTabName));
    emit searchFinished(hata);
}

void StockListTab::ActivateStockTab()
{
    if (m_controls.sPageControl1 && m_page)
        m_controls.sPageControl1->setCurrentWidget(m_page);
}

void StockListTab::SetCaption(const QString& caption)
{
    if (!m_controls.sPageControl1)
        return;
    const int index = m_controls.sPageControl1->indexOf(m_page);
    if (index >= 0)
        m_controls.sPageControl1->setTabText(index, caption);
}

void StockListTab::LayoutStockColumns()
{
    const QWidget* window = m_controls.window ? m_controls.window : cxGrid1->window();
    const bool wide = window->width() > kNarrowWindowWidth;
    const int scrollBar = cxGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, cxGrid1);

    cxGrid1->beginUpdate();
    for (const QString& field : WidePriceFields())
        cxGrid1->setColumnShown(cxGrid1->columnIndex(field), wide && !m_withheld.contains(field));
    const int summary = cxGrid1->columnIndex(kPriceSummaryCaption);
    cxGrid1->setColumnShown(summary, !wide);
    cxGrid1->setRowHeight(wide ? kWideRowHeight : kNarrowRowHeight);
    cxGrid1->fitColumnsByWeight(scrollBar + kLayoutMargin);
    if (!wide) {
        const std::pair<const char*, int> fixed[] = {{"OEM1", 80}, {"OEM2", 70}, {"OEM3", 70}, {"OZELKOD", 60}};
        for (const auto& [field, width] : fixed)
            cxGrid1->setColumnWidth(cxGrid1->columnIndex(QString::fromLatin1(field)), width);
        cxGrid1->setColumnWidth(summary, 150 - scrollBar);
    }
    cxGrid1->endUpdate();
}

int StockListTab::FocusedStokNo() const
{
    const int row = cxGrid1->focusedRow();
    const int column = stok->fieldIndex(QStringLiteral("STOK_STOKNO"));
    if (row < 0 || column < 0 || row >= stok->recordCount() || stok->isNull(row, column))
        return -1;
    return stok->value(row, column).toInt();
}

void StockListTab::cxGrid1DBTableView1DblClick()
{
    S2Click();
}

void StockListTab::S2Click()
{
    const int stokNo = FocusedStokNo();
    if (stokNo >= 0)
        emit addToBasketRequested(stokNo);
}

void StockListTab::S3Click()
{
    const int stokNo = FocusedStokNo();
    if (stokNo >= 0)
        emit showAllOrdersRequested(stokNo);
}
