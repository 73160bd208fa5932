#include "server/tabload.h"

#include "server/reconnect.h"

#include "platform/widgets/busypicture.h"
#include "platform/widgets/messagedialog.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace {

// setModel() gives the view a fresh selection model each time and leaves the
// old one alive; drop it when the view made it, so repeated loads do not pile
// them up.
void SetModelKeepingNoStaleSelection(QAbstractItemView* view, QAbstractItemModel* model)
{
    QItemSelectionModel* old = view->selectionModel();
    view->setModel(model);
    if (old && old != view->selectionModel() && old->parent() == view)
        delete old;
}

void ShowBusy(QWidget* picture, bool busy)
{
    if (!picture)
        return;
    if (auto* turning = qobject_cast<BusyPicture*>(picture))
        busy ? turning->start() : turning->stop();
    else
        picture->setVisible(busy);
}

} // namespace

ItemViewLoadView::ItemViewLoadView(QAbstractItemView* view) : m_view(view) {}

void ItemViewLoadView::detach()
{
    if (!m_view)
        return;
    m_model = m_view->model();
    m_view->setUpdatesEnabled(false);
    if (m_model)
        SetModelKeepingNoStaleSelection(m_view, nullptr);
}

void ItemViewLoadView::reattach()
{
    if (!m_view)
        return;
    if (m_model)
        SetModelKeepingNoStaleSelection(m_view, m_model);
    m_view->setUpdatesEnabled(true);
}

TabLoad::TabLoad(TabLoadSpec spec, QObject* window)
    : QObject(window),
      m_spec(std::move(spec)),
      m_busyPicture(m_spec.busyPicture),
      m_input(m_spec.input)
{
}

bool TabLoad::start()
{
    if (m_running)
        return false;
    m_running = true;
    auto state = NewLoadState(parent() ? parent() : this);
    prepare();

    QPointer<TabLoad> self = this;
    Async([state, load = m_spec.load] {
        if (load)
            state->hata = load();
    })->Await([self, state] {
        if (self)
            self->restore(state->hata);
    }, state);
    return true;
}

void TabLoad::prepare()
{
    ShowBusy(m_busyPicture, true);
    if (m_input)
        m_input->setEnabled(false);
    if (m_spec.view)
        m_spec.view->detach();
}

void TabLoad::restore(bool hata)
{
    if (m_spec.beforeReattach)
        m_spec.beforeReattach(hata);
    if (m_spec.view)
        m_spec.view->reattach();
    if (m_input)
        m_input->setEnabled(true);
    ShowBusy(m_busyPicture, false);
    m_running = false;

    QPointer<TabLoad> self = this;
    if (m_spec.followUp)
        m_spec.followUp(hata);
    if (hata)
        ShowConnectionFailureMessage();
    if (self)
        emit finished(hata);
}
