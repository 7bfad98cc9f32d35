#pragma once

#include "IUiDispatcher.h"

// Every hand-off runs at once on the calling thread: for a program or a test
// that has only the one thread.
class TInlineDispatcher : public IUiDispatcher
{
public:
    void RunOnUiThread(const std::function<void()> &task) override { task(); }
    bool OnUiThread() const override { return true; }
    void ServeHandOffs() override {}
};
