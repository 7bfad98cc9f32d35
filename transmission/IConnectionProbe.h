#pragma once

// Whether the machine can reach the statistics server at all.
class IConnectionProbe
{
public:
    virtual ~IConnectionProbe() = default;
    virtual bool IsConnected() = 0;
};
