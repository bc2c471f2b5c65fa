#include "service/zarsignalwidget.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

zarSignalWidget::zarSignalWidget(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    auto* accept = new QPushButton(QStringLiteral("Accept"), this);
    m_badPushButton = new QPushButton(QStringLiteral("Bad"), this);
    m_badPushButton->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(accept);
    layout->addWidget(m_badPushButton);
    layout->addWidget(close);
    connect(accept, &QPushButton::clicked, this, &zarSignalWidget::onAccept);
    connect(m_badPushButton, &QPushButton::clicked, this, &zarSignalWidget::onBad);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void zarSignalWidget::setQuadripole(zarQuadripole quadripole)
{
    m_quadripole = quadripole;
}

void zarSignalWidget::hideBadButton()
{
    m_badPushButton->hide();
}

void zarSignalWidget::onAccept()
{
    emit sendSpacingLevelAuxConfig(m_quadripole.spacing, m_quadripole.level, false);
    close();
}

void zarSignalWidget::onBad()
{
    emit sendSpacingLevelAuxConfig(m_quadripole.spacing, m_quadripole.level, true);
    close();
}

void zarSignalWidget::closeEvent(QCloseEvent* event)
{
    emit sendSignalWidgetClose();
    event->accept();
}
