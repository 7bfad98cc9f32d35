#pragma once

#include "IUiDispatcher.h"

#include <memory>

class QObject;

// Hand-offs to the thread that created the dispatcher, as blocking queued
// calls: the calling thread sleeps until the user interface thread's event
// loop (or ServeHandOffs) has run the task.
class TUiThreadDispatcher : public IUiDispatcher
{
public:
    TUiThreadDispatcher();
    ~TUiThreadDispatcher() override;
    TUiThreadDispatcher(const TUiThreadDispatcher &) = delete;
    TUiThreadDispatcher &operator=(const TUiThreadDispatcher &) = delete;

    void RunOnUiThread(const std::function<void()> &task) override;
    bool OnUiThread() const override;
    void ServeHandOffs() override;

private:
    std::unique_ptr<QObject> m_context;
};
