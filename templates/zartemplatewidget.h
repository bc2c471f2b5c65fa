#ifndef ZARTEMPLATEWIDGET_H
#define ZARTEMPLATEWIDGET_H

#include "frame/zaraxiscaptions.h"
#include "templates/zartemplatedatamodel.h"
#include "templates/zartemplateplot.h"
#include "templates/zartemplatetableview.h"
#include "ui_ztemplatewidget.h"

#include <QWidget>

class zarCableConfigDialog;
class zarSignalWidget;

// The template editor: the General tab with the arrangement and the actions, the
// grid of the current set and the plot of its quadripoles.
class zarTemplateWidget : public QWidget, public Ui::zTemplateWidget
{
    Q_OBJECT

public:
    explicit zarTemplateWidget(QWidget* parent = nullptr);
    ~zarTemplateWidget() override;

    // Loads the template at path (empty: a new template); false when it cannot be read.
    bool open(const QString& path);
    // Closes the screen as its Close button does, asking about unsaved changes;
    // false when it stays open.
    bool requestClose();

    QString name() const { return templateName; }
    const zarTemplateDataModel& templateModel() const { return model; }
    const zarTemplatePlot& templatePlot() const { return plot; }
    zarTemplateTableView& table() { return tableView; }

signals:
    void sendTemplateClose();

private slots:
    void onTranslate();
    void onGrounding();
    void onArrangement();
    void onSave();
    void onClose();
    void onEstimate();
    void onTabChange(int index);
    void onSignalWidgetOpen(const zarQuadripole quadripole);
    void onSignalWidgetClose();

private:
    QString templateName;
    zarTemplateTableView tableView;
    zarTemplateDataModel model;
    zarTemplatePlot plot;
    zarAxisCaptions axisCaptions;
    zarCableConfigDialog* cableConfigDialog = nullptr;
    zarSignalWidget* signalWidget = nullptr;
};

#endif
