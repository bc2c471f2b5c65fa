#include "engineer/zarengineerwidget.h"

#include "frame/zartranslator.h"

#include <QCloseEvent>

zarEngineerWidget::zarEngineerWidget(int mode, QWidget* parent) : QWidget(parent), m_mode(mode)
{
    setupUi(this);
    if (mode != 0) {
        while (tabWidget->count() > 1)
            tabWidget->removeTab(1);
    }
    if (mode != 0 && mode != 1) {
        proToolButton00->setDisabled(true);
        proToolButton16->setDisabled(true);
        proToolButton20->setDisabled(true);
    }
    connect(proExitPushButton, &QPushButton::clicked, this, &zarEngineerWidget::close);
    connect(miscExitPushButton, &QPushButton::clicked, this, &zarEngineerWidget::close);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarEngineerWidget::onTranslate);
    onTranslate();
}

void zarEngineerWidget::onTranslate()
{
    proExitPushButton->setText(tr("Exit"));
    miscExitPushButton->setText(tr("Exit"));
}

void zarEngineerWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendEngineerWidgetClose();
}
