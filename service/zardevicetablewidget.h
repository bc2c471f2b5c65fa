#ifndef ZARDEVICETABLEWIDGET_H
#define ZARDEVICETABLEWIDGET_H

#include "core/zarcorereports.h"
#include "service/zardevicetabledatamodel.h"
#include "ui_zdevicetablewidget.h"

#include <QWidget>

// The table of the core board's devices, filled by a discovery at opening and on
// Refresh. Opened inside the system menu's page; announces its end with its close signal.
class zarDeviceTableWidget : public QWidget, public Ui::zDeviceTableWidget
{
    Q_OBJECT

public:
    explicit zarDeviceTableWidget(QWidget* parent = nullptr);

    const zarDeviceTableDataModel& model() const { return tableModel; }

signals:
    void sendDeviceTableWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
    void onRefresh();
    void onReportDiscover(const zarCoreReportDiscover report);

private:
    zarDeviceTableDataModel tableModel;
};

#endif
