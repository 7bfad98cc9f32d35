#pragma once

#include "model/services/Services.h"

#include <QPointer>
#include <QWidget>

// The operator's questions and messages as modal message boxes over a window.
class TMessageBoxPrompter : public IPrompter
{
public:
    explicit TMessageBoxPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget *parent) { m_parent = parent; }
    QWidget *Parent() const { return m_parent; }

    void ShowError(const QString &text) override;
    void ShowInformation(const QString &text) override;
    bool Confirm(const QString &text) override;
    bool ConfirmInformation(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
