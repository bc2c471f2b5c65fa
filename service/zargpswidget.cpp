#include "service/zargpswidget.h"

#include "frame/zartranslator.h"
#include "service/zargpsmanager.h"

#include <QCloseEvent>

namespace {
const int refreshMs = 5000;
}

zarGPSWidget::zarGPSWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    timer.setSingleShot(false);
    manager = zarGPSManager::instance();
    connect(&timer, &QTimer::timeout, this, &zarGPSWidget::onAuxTimeout);
    onAuxTimeout();
    timer.start(refreshMs);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarGPSWidget::onTranslate);
    onTranslate();
}

void zarGPSWidget::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    _latLabel->setText(tr("Latitude:"));
    _lonLabel->setText(tr("Longitude:"));
    _qualityLabel->setText(tr("Quality:"));
    _timeLabel->setText(tr("Time:"));
    _dateLabel->setText(tr("Date:"));
}

void zarGPSWidget::onAuxTimeout()
{
    const zarGPSFix fix = manager->fix();
    if (fix.rmc) {
        latitudeLabel->setText(QStringLiteral("%1").arg(double(fix.latitude)));
        longitudeLabel->setText(QStringLiteral("%1").arg(double(fix.longitude)));
        qualityLabel->setText(fix.valid ? tr("high") : tr("low"));
        timeLabel->setText(fix.time.toString(Qt::TextDate));
        dateLabel->setText(fix.date.toString(Qt::TextDate));
    } else {
        for (QLabel* label : { latitudeLabel, longitudeLabel, qualityLabel, timeLabel, dateLabel })
            label->setText(tr("N/A"));
    }
}

void zarGPSWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendGPSWidgetClose();
}
