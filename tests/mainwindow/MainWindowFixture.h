#pragma once

#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "transmission/IConnectionProbe.h"

#include "support/TestHome.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The main window on a home of its own, with the operator's answers scripted.

class TAnsweringPrompter : public IPrompter
{
public:
    void ShowError(const QString &text) override { Shown << text; }
    void ShowInformation(const QString &text) override
    {
        if (OnShow)
            OnShow();
        Shown << text;
    }
    bool Confirm(const QString &text) override
    {
        Asked << text;
        return Answer;
    }
    bool ConfirmInformation(const QString &text) override { return Confirm(text); }
    std::function<void()> OnShow;
    bool Answer = false;
    QStringList Asked;
    QStringList Shown;
};

class TFixedProbe : public IConnectionProbe
{
public:
    explicit TFixedProbe(bool connected) : m_connected(connected) {}
    bool IsConnected() override { return m_connected; }

private:
    bool m_connected;
};

class MainWindow : public ::testing::Test
{
protected:
    static void settings(const TestHome &at, const QByteArray &language, int myTeam)
    {
        at.write(QStringLiteral("parquetix.ini"), "[APPLICATION]\nVERSION=HUN\nLANGUAGE=" + language +
                                                      "\nMY_TEAM=" + QByteArray::number(myTeam) + "\n");
    }
    void settings(const QByteArray &language, int myTeam) { settings(home, language, myTeam); }

    // The database as the window will find it; closed again before it opens.
    template <typename F> void prepare(F fill)
    {
        TdmMain dm(TdmMain::DatabaseFile(home.path()));
        ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
        fill(dm);
    }

    std::unique_ptr<TfrmParquetixMain> open() { return open(home); }
    std::unique_ptr<TfrmParquetixMain> open(const TestHome &at) { return open(at, offline); }
    std::unique_ptr<TfrmParquetixMain> open(const TestHome &at, IConnectionProbe &probe)
    {
        auto window = std::make_unique<TfrmParquetixMain>(TMainWindowOptions{.Home = at.path(),
                                                                             .StartWaitMs = 0,
                                                                             .StartSender = false,
                                                                             .Prompter = &prompter,
                                                                             .Probe = &probe});
        EXPECT_TRUE(window->StartProblems().isEmpty()) << window->StartProblems().join(u'\n').toStdString();
        return window;
    }

    TestHome home;
    TAnsweringPrompter prompter;
    // No version check reaches out of a test unless it asks to.
    TFixedProbe offline{false};
};
