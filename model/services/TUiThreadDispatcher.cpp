#include "TUiThreadDispatcher.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <atomic>
#include <exception>
#include <stdexcept>

TUiThreadDispatcher::TUiThreadDispatcher() : m_context(std::make_unique<QObject>()) {}

TUiThreadDispatcher::~TUiThreadDispatcher() = default;

bool TUiThreadDispatcher::OnUiThread() const
{
    return QThread::currentThread() == m_context->thread();
}

void TUiThreadDispatcher::RunOnUiThread(const std::function<void()> &task)
{
    // A blocking queued call to its own thread would wait for itself.
    if (OnUiThread()) {
        task();
        return;
    }
    std::exception_ptr failure;
    // Qt orders the posting before the task and the task before the return
    // below, but inside Qt Core, where ThreadSanitizer cannot see it; the
    // stage says the same in our code: 1 handed over, 2 done.
    std::atomic<int> stage{0};
    stage.store(1, std::memory_order_release);
    const bool delivered = QMetaObject::invokeMethod(
        m_context.get(),
        [&] {
            if (stage.load(std::memory_order_acquire) != 1)
                return;
            // An exception must not unwind through the event loop; it belongs
            // to the thread that asked.
            try {
                task();
            } catch (...) {
                failure = std::current_exception();
            }
            stage.store(2, std::memory_order_release);
        },
        Qt::BlockingQueuedConnection);
    if (!delivered || stage.load(std::memory_order_acquire) != 2)
        throw std::runtime_error("the user interface thread did not take the hand-off");
    if (failure)
        std::rethrow_exception(failure);
}

void TUiThreadDispatcher::ServeHandOffs()
{
    if (OnUiThread())
        QCoreApplication::sendPostedEvents(m_context.get(), QEvent::MetaCall);
}
