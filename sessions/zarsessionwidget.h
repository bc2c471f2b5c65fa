#ifndef ZARSESSIONWIDGET_H
#define ZARSESSIONWIDGET_H

#include "core/zarcorereports.h"
#include "frame/zaraxiscaptions.h"
#include "sessions/zarpseudosectionplot.h"
#include "sessions/zarsessiondatamodel.h"
#include "sessions/zarsoundingcurveplot.h"
#include "ui_zsessionwidget.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class zarCableConfiguration;
class zarSignalWidget;
class zarTemplateDataModel;

// One session on screen: its table, its plots and, on a measuring screen, the
// measurement cycle that measures it group by group through the core.
class zarSessionWidget : public QWidget, public Ui::zSessionWidget
{
    Q_OBJECT

public:
    zarSessionWidget(QWidget* parent, bool viewOnly);

    // What to open: a session file, the ERTLab marker, or empty for a new session
    // from a stored template. True when a session is loaded and shown.
    bool open(const QString& what);
    bool openNew(const QString& templatePath);
    bool openFile(const QString& ertLabPath);
    bool setup(const QString& path);

    // Closes the screen as Finish does; false when the operator keeps it.
    bool requestClose();
    // At the program's end: a measurement is stopped and its rows go to the autosave
    // file, left as the previous session; otherwise as requestClose.
    bool closeForExit();

    int currentRow() const;
    bool isStopped() const;
    void updatePlotVisibility(quint8 display, quint8 mode);

    // The status-line text of the time left, or empty when no row is done yet.
    static QString timeLeftText(qint64 elapsedMs, int done, int remaining);

signals:
    void sendSessionClose();

public slots:
    void onTranslate();

private slots:
    void onSetInfoUpdate(QStringList list);
    void onRowSelection(int index);
    void onModeChange(int i);
    void onPlotChange(int i);
    void onTabChange(int index);
    void onSignalsOpen();
    void onSignalsClose();
    void onClose();
    void onStart(bool checked);
    void onDurationTimeStart(bool checked);
    void onReportET2D(const zarCoreReportET2D report);
    void onMoveForward(int rowNumber, int rowsCount);
    void onAutoSave();
    void onStartEnable();

private:
    friend class TestSessionScreen;

    int rowNumberWidth() const;
    void setControlsEnabled(bool on);
    void setSessionCloseSuccess();
    void failCycle(const QString& message);
    bool buildAndSetup(const zarTemplateDataModel& model, const zarCableConfiguration& configuration, quint16 offset);

    QString sessionName;
    QTimer autoSaveTimer;
    QTimer startEnableTimer;
    bool viewOnly;
    QElapsedTimer durationTime;
    int startRow = 0;
    // Groups handed to the core whose reports have not come back yet.
    int jobsPending = 0;
    zarSessionDataModel sessionDataModel;
    zarSoundingCurvePlot soundingCurvePlot;
    zarPseudoSectionPlot pseudoSectionPlot;
    zarAxisCaptions axisCaptions;
    zarSignalWidget* signalWidget = nullptr;
};

#endif
