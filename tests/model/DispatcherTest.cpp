// Hand-offs to the user interface thread.
#include "model/services/TUiThreadDispatcher.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

TEST(UiThreadDispatcher, RunsAtOnceOnItsOwnThread)
{
    TUiThreadDispatcher dispatcher;
    EXPECT_TRUE(dispatcher.OnUiThread());
    int runs = 0;
    dispatcher.RunOnUiThread([&] { ++runs; });
    EXPECT_EQ(runs, 1);
}

TEST(UiThreadDispatcher, OtherThreadsWaitUntilTheUserInterfaceThreadHasRunTheTask)
{
    TUiThreadDispatcher dispatcher;
    QThread *ranOn = nullptr;
    std::atomic<bool> returned{false};
    std::atomic<bool> offThread{true};
    bool caught = false;
    QThread *worker = QThread::create([&] {
        offThread = !dispatcher.OnUiThread();
        dispatcher.RunOnUiThread([&] { ranOn = QThread::currentThread(); });
        returned = true;
        try {
            dispatcher.RunOnUiThread([] { throw std::runtime_error("disk full"); });
        } catch (const std::runtime_error &e) {
            caught = QByteArray(e.what()) == "disk full";
        }
    });
    worker->start();
    // Nothing runs until this thread serves the hand-offs.
    QThread::msleep(20);
    EXPECT_FALSE(returned);
    EXPECT_EQ(ranOn, nullptr);
    while (!worker->wait(1))
        dispatcher.ServeHandOffs();
    delete worker;
    EXPECT_TRUE(offThread);
    EXPECT_EQ(ranOn, QThread::currentThread());
    EXPECT_TRUE(returned);
    // An exception of the task is raised in the thread that asked.
    EXPECT_TRUE(caught);
}

} // namespace
