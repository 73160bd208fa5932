#pragma once

#include "server/beklesinu.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAbstractItemModel;
class QAbstractItemView;
class QWidget;

// The view of a tab that is cut from its data while a worker refills it, so
// that the fill costs no repainting and the view never reads half-filled data.
class TabLoadView {
public:
    virtual ~TabLoadView() = default;
    virtual void detach() = 0;
    virtual void reattach() = 0;
};

// A QAbstractItemView over a model: detached means no model and no updates.
// A view without a model only has its updates suspended.
class ItemViewLoadView : public TabLoadView {
public:
    explicit ItemViewLoadView(QAbstractItemView* view);

    void detach() override;
    void reattach() override;

private:
    QPointer<QAbstractItemView> m_view;
    QPointer<QAbstractItemModel> m_model;
};

// What one tab's load consists of. Every control may be left out.
struct TabLoadSpec {
    QWidget* busyPicture = nullptr;     // shown (a BusyPicture also turns) while loading
    QWidget* input = nullptr;           // disabled so the same load cannot start again
    std::shared_ptr<TabLoadView> view;  // detached while loading
    std::function<bool()> load;         // pool thread: fills the data, true on failure
    std::function<void(bool hata)> beforeReattach; // main thread, on the still detached data
    std::function<void(bool hata)> followUp;       // main thread, after the tab is restored
};

// The load of one tab: busy picture and disabled input while a pool thread
// runs the load function, then the tab is restored on the main thread, its
// follow-up runs and a failure is reported with the connection message.
// Lives as a child of the window it serves; nothing runs on a window that is gone.
class TabLoad : public QObject {
    Q_OBJECT
public:
    TabLoad(TabLoadSpec spec, QObject* window);

    // Starts a load; ignored (returns false) while the previous one still runs.
    bool start();
    bool isRunning() const { return m_running; }

signals:
    // After the follow-up and the message, when the tab is usable again.
    void finished(bool hata);

private:
    void prepare();
    void restore(bool hata);

    TabLoadSpec m_spec;
    QPointer<QWidget> m_busyPicture;
    QPointer<QWidget> m_input;
    bool m_running = false;
};
