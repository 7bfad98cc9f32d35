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
    // Qt's semaphore orders the task before the return below, but inside Qt
    // Core, where ThreadSanitizer cannot see it; the flag says so in our code.
    std::atomic<bool> done{false};
    const bool delivered = QMetaObject::invokeMethod(
        m_context.get(),
        [&] {
            // An exception must not unwind through the event loop; it belongs
            // to the thread that asked.
            try {
                task();
            } catch (...) {
                failure = std::current_exception();
            }
            done.store(true, std::memory_order_release);
        },
        Qt::BlockingQueuedConnection);
    if (!delivered || !done.load(std::memory_order_acquire))
        throw std::runtime_error("the user interface thread did not take the hand-off");
    if (failure)
        std::rethrow_exception(failure);
}

void TUiThreadDispatcher::ServeHandOffs()
{
    if (OnUiThread())
        QCoreApplication::sendPostedEvents(m_context.get(), QEvent::MetaCall);
}
