#include "TWizardWindow.h"

#include "desktop/reportmenu/TGameDataForm.h"
#include "desktop/reportmenu/TPlayedTimePanel.h"
#include "desktop/text/TFormTranslator.h"
#include "workflow/wizard/IWizardSteps.h"
#include "workflow/wizard/TPlayedTimePage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QVBoxLayout>

TWizardWindow::TWizardWindow(ITranslator &translator, QWidget *parent)
    : QDialog(parent), m_translator(translator)
{
}

TWizardWindow::~TWizardWindow() = default;

QVBoxLayout *TWizardWindow::frame(const char *name, const QString &title)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    setFixedSize(660, 452);
    auto *layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages, 1);
    return layout;
}

void TWizardWindow::addNavigation(QHBoxLayout *buttons, const QString &backCaption, const char *backName,
                                  const QString &nextCaption, const char *nextName)
{
    m_back = new QPushButton(backCaption, this);
    m_back->setObjectName(QLatin1String(backName));
    m_next = new QPushButton(nextCaption, this);
    m_next->setObjectName(QLatin1String(nextName));
    m_next->setDefault(true);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    connect(m_next, &QPushButton::clicked, this, [this] { next(); });
    connect(m_back, &QPushButton::clicked, this, [this] { back(); });
}

QLabel *TWizardWindow::boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    return label;
}

QWidget *TWizardWindow::titled(const QString &title, QWidget *content)
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(boldLabel(title, page));
    column->addWidget(content, 1);
    return page;
}

QWidget *TWizardWindow::gameDataPage(const QStringList &referees, const QStringList &coaches,
                                     const QStringList &stadiums, bool staffStartsEmpty)
{
    TGameDataForm::TOptions options;
    options.StaffStartsEmpty = staffStartsEmpty;
    options.TypedStaffJoinsList = true;
    m_gameData = new TGameDataForm(referees, coaches, stadiums, options);
    return m_gameData;
}

void TWizardWindow::showFields(const TGameDataLogic::TFields &f)
{
    m_gameData->Show(f);
}

void TWizardWindow::readFields(TGameDataLogic::TFields &f) const
{
    m_gameData->Read(f);
}

QWidget *TWizardWindow::playedTimesPage()
{
    m_timesHolder = new QWidget;
    return m_timesHolder;
}

void TWizardWindow::openPlayedTimes(TPlayedTimePage *page)
{
    if (m_times || !page)
        return;
    m_times = new TPlayedTimePanel(page->Logic(), {318, 252, 262}, m_timesHolder);
    m_times->setGeometry(0, 0, 623, 332);
    TFormTranslator(m_translator).TranslateForm(m_times);
    m_times->UpdateTotals();
    m_times->show();
}

QWidget *TWizardWindow::endPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    for (int i = 0; i < 2; ++i) {
        m_endNames[i] = boldLabel(QString(), page);
        m_endNames[i]->setObjectName(QStringLiteral("lblCsapat%1Nev").arg(i + 1));
        m_endPoints[i] = boldLabel(QString(), page);
        m_endPoints[i]->setObjectName(QStringLiteral("lblCsapat%1Vegeredmeny").arg(i + 1));
        m_endPoints[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_endNames[i], i, 0);
        grid->addWidget(m_endPoints[i], i, 1);
    }
    m_print = new QPushButton(QStringLiteral("Print"), page);
    m_print->setObjectName(QStringLiteral("SpeedButton1"));
    m_send = new QPushButton(QStringLiteral("Send data"), page);
    m_send->setObjectName(QStringLiteral("sbSendData"));
    grid->addWidget(m_print, 2, 0);
    grid->addWidget(m_send, 2, 1);
    grid->setRowStretch(3, 1);
    connect(m_print, &QPushButton::clicked, this, [this] { m_steps->Print(); });
    connect(m_send, &QPushButton::clicked, this, [this] {
        m_send->setEnabled(false);
        m_steps->SendData();
        m_send->setEnabled(m_steps->SendDataEnabled());
    });
    return page;
}

void TWizardWindow::showEnd(const TEndPage &end)
{
    // The played times panel is done with once the game has ended.
    delete m_times;
    m_times = nullptr;
    m_endNames[0]->setText(end.HomeName);
    m_endNames[1]->setText(end.AwayName);
    m_endPoints[0]->setText(QString::number(end.HomePoints));
    m_endPoints[1]->setText(QString::number(end.AwayPoints));
    m_print->setEnabled(m_steps->PrintEnabled());
    m_send->setEnabled(m_steps->SendDataEnabled());
}

void TWizardWindow::showNavigation()
{
    m_next->setText(m_steps->NextCaption());
    m_next->setEnabled(m_steps->NextEnabled());
    m_back->setEnabled(m_steps->BackEnabled());
}

void TWizardWindow::next()
{
    // A typed time that is no time keeps the page, with the reason shown.
    if (m_times && !m_times->CheckInput())
        return;
    storePage();
    m_next->setEnabled(false);
    m_steps->Next();
    if (m_steps->ApplicationEnded()) {
        QDialog::done(QDialog::Rejected);
        return;
    }
    if (m_steps->Finished()) {
        accept();
        return;
    }
    refresh();
}

void TWizardWindow::back()
{
    m_steps->Back();
    refresh();
}

bool TWizardWindow::mayClose()
{
    return m_steps->Finished() || m_steps->RequestClose();
}

void TWizardWindow::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TWizardWindow::reject()
{
    if (!mayClose())
        return;
    QDialog::reject();
}
