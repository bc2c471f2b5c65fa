#ifndef ZARSESSIONDATAMODEL_H
#define ZARSESSIONDATAMODEL_H

#include "core/zarcorereports.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarquadripole.h"

#include <QAbstractTableModel>
#include <QPointF>
#include <QStringList>
#include <QVector>

class QLabel;
class QSlider;
class zarCore;

// One measurement session on screen: its rows as a 14-column table, the choice of
// what the plots show, the plot series, and the session file.
class zarSessionDataModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit zarSessionDataModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int rows() const { return m_rows; }
    quint8 mode() const { return m_mode; }
    quint8 plot() const { return m_plot; }
    const zarArrangement* arrangement() const { return &session.arrangement; }
    bool hasElectrodes() const { return !session.electrodes.isEmpty(); }
    zarQuadripole quadripole(int row) const;
    const QVector<zarSessionDataUnit>& units() const { return session.units; }
    const zarGPSFix& gpsFix() const { return session.gpsFix; }
    const QVector<quint32>& rowIndexes() const { return m_rowIndexes; }

    void setHeaderLabel(QLabel* label);
    void setUnitLabel(QLabel* label);
    void setDepthLabel(QLabel* label);
    void setDepthSlider(QSlider* slider);
    void setResistanceOnly();
    void setMode(quint8 mode);
    void setPlot(quint8 plot);
    // While the plots are off screen refresh() only notes that their series are
    // out of date; showing them again brings them up to date.
    void setPlotsShown(bool shown);

    void refresh();

    // False when the operator cancelled or the file could not be written (the
    // failure was shown), so the caller keeps the session open. The autosave file
    // is written only when a row or the position changed since it last was, or
    // when the file is gone.
    bool saveToFile(QString name, bool autosave);
    bool loadFromFile(const QString& path);
    bool checkIpOptions();

    // Measurement cycle: hands the group that begins at row to the core; false when
    // row is not a row of the session.
    bool startFrom(int row);
    // Stores a good report into the group's rows and announces the rows stored.
    void storeResults(const zarCoreReportET2D& report);

signals:
    void sendMoveForward(int begin, int size);
    void sendPlotUpdate(QVector<QPointF> xy, QVector<float> f, QVector<quint32> idx);
    void sendPlotUpdate(QVector<QPointF> xy, QVector<quint32> idx);
    void sendPlotUpdate(QVector<QPointF> xy);
    void sendSetInfoUpdate(QStringList stringList);

public slots:
    void onTranslate();
    void onGPS();

private slots:
    void onCurrentSetChange(int setNumber);
    void onMsrCenterDepth(int c);
    void onRowDelete(int index);

private:
    friend class TestSessionData;
    // Wires the set box and the plots' delete to the private slots.
    friend class zarSessionWidget;

    void updateDepthControls();
    void announceCells(int top, int bottom, int left, int right);
    bool counts(const zarSessionDataUnit& unit) const;
    float value(const zarSessionDataUnit& unit) const;
    bool onCurve(const zarSessionDataUnit& unit) const;
    QVector<QPointF> curve(bool absolute) const;
    void markChanged() { autosaveStale = true; }

    zarCore* core;
    QStringList columnTitles;
    zarSessionFile session;
    // The session differs from what the autosave file last received from it.
    bool autosaveStale = true;
    quint8 currentSet = 0;
    int columns = 0;
    int m_rows = 0;
    bool resistanceOnly = false;
    int groupStart = 0;
    quint8 m_mode = 0;
    quint8 m_plot = 0;
    bool plotsShown = true;
    bool plotsStale = false;
    QVector<quint32> m_rowIndexes;
    float centre = 0;
    float depth = 0;
    QLabel* headerLabel = nullptr;
    QLabel* valueLabel = nullptr;
    QLabel* dimensionLabel = nullptr;
    QSlider* slider = nullptr;
};

#endif
