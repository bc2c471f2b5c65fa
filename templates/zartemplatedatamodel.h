#ifndef ZARTEMPLATEDATAMODEL_H
#define ZARTEMPLATEDATAMODEL_H

#include "templates/zararrangement.h"
#include "templates/zarpoint3d.h"
#include "templates/zartemplateset.h"

#include <QAbstractTableModel>
#include <QPixmap>

class QComboBox;
class QLabel;

// A measurement template in memory (up to eight sets, or an imported ERTLab
// sequence) and the table model of its current set's 30 x 99 grid.
class zarTemplateDataModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // First field of a template file.
    static constexpr qint32 magic = qint32(0x88993366);

    explicit zarTemplateDataModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    bool isModified() const { return modified; }
    int count() const { return m_sets.size(); }
    zarCable cables() const { return m_cables; }
    zarCableSpacing cableSpacing() const { return m_cableSpacing; }
    qint8 arrayType(quint8 setIndex) const;
    QList<zarTemplateSet> sets() const { return m_sets; }
    int currentSetIndex() const { return currentSet; }
    const zarArrangement& header() const { return arrangement; }
    int measurementCount() const;
    bool hasTooManyMeasurements() const;
    bool isValid() const;
    QMap<qint8, qint8> arrayTypeCounts() const;
    int sequenceLength() const;

    void setSetComboBox(QComboBox* comboBox);
    void setInfoLabels(QLabel* cables, QLabel* electrodes, QLabel* cableSpacing, QLabel* profileLength);
    void setArrangement(zarCable c, zarCableSpacing s);

    // Asks for a name on the on-screen keyboard (name proposed), then writes the
    // template into the templates directory; savedAs receives the name used.
    bool saveTemplate(const QString& name, QString* savedAs = nullptr);
    // Writes the template at path + ".zarTemplate", asking before an overwrite.
    bool saveTemplateTo(const QString& fileName);
    bool loadTemplate(const QString& path, bool quiet);
    bool importErtLab(const QString& path);

    QList<zarQuadripole> ertQuadripoles;
    QMap<quint16, zarPoint3D> ertElectrodes;

signals:
    void sendArrangementUpdate(zarCable c, zarCableSpacing cSpacing);
    void sendPlotUpdate(zarSpacing plotNumber, QList<zarQuadripole> qList, bool doReplot);
    void sendPlotClear(bool doReplot);

public slots:
    void onTranslate();
    void onCurrentSetChange(int setNumber);
    bool onSetAdd();
    bool onSetClone();
    bool onSetRemove();
    bool onSetClear();
    bool onSetModify();
    void onSpacingLevelMainConfig(QModelIndexList modelIndexList);
    void onSpacingLevelAuxConfig(zarSpacing spacing, zarLevel level, bool value);

private:
    void updateCurrentSet(const QModelIndexList& selection = QModelIndexList());
    void updateSetComboBox();
    void updateInfoLabels();
    bool hasCurrentSet() const { return currentSet < m_sets.size(); }
    void afterSetChange();
    bool readTemplate(QDataStream& stream);
    bool ertLabFailure(const QString& message);

    QList<zarTemplateSet> m_sets;
    quint8 currentSet = 0;
    QComboBox* setComboBox = nullptr;
    QLabel* cablesLabel = nullptr;
    QLabel* electrodesLabel = nullptr;
    QLabel* cableSpacingLabel = nullptr;
    QLabel* profileLengthLabel = nullptr;
    zarCableSpacing m_cableSpacing = 5.0f;
    zarCable m_cables = 2;
    bool modified = false;
    QList<QPixmap> pixmaps;
    zarArrangement arrangement;
};

#endif
