#ifndef ZARTEMPLATESET_H
#define ZARTEMPLATESET_H

#include "templates/zarquadripole.h"

#include <QDataStream>
#include <QList>
#include <QMap>
#include <QModelIndexList>
#include <QPair>
#include <QVector>

typedef QVector<QVector<bool>> zarMatrix;
typedef QPair<zarSpacing, zarLevel> zarCell;

// One array type applied to chosen cells of the 30 x 99 grid, with the quadripoles
// generated for every chosen cell and a second, auxiliary marking of cells.
class zarTemplateSet
{
public:
    zarTemplateSet(zarCable cables = 2, zarCableSpacing cableSpacing = 5.0f);

    qint8 arrayType() const { return m_arrayType; }
    int measurementCount() const { return m_measurementCount; }
    zarCable cable() const { return m_cable; }
    float cableSpacing() const { return m_cableSpacing; }
    const zarMatrix& mainMatrix() const { return m_main; }
    const zarMatrix& auxMatrix() const { return m_aux; }
    const QMap<zarCell, QList<zarQuadripole>>& quadripoles() const { return m_quadripoles; }

    bool isEmpty() const;
    void setAuxCell(zarSpacing spacing, zarLevel level, bool value);
    void clearAuxMatrix();
    void clearMainMatrix();
    void clear();
    void applySelection(const QModelIndexList& indexes);
    void rebuild();
    void setArrangement(zarCable cables, zarCableSpacing cableSpacing);
    void setArrayType(qint8 arrayType);

    static zarMatrix emptyMatrix();
    static bool hasGridShape(const zarMatrix& matrix);

private:
    friend QDataStream& operator<<(QDataStream&, const zarTemplateSet&);
    friend QDataStream& operator>>(QDataStream&, zarTemplateSet&);

    bool generateCell(zarSpacing spacing, zarLevel level, QList<zarQuadripole>* list) const;

    zarCable m_cable;
    zarCableSpacing m_cableSpacing;
    int m_measurementCount = 0;
    QMap<zarCell, QList<zarQuadripole>> m_quadripoles;
    qint8 m_arrayType = -1;
    zarMatrix m_main;
    zarMatrix m_aux;
};

QDataStream& operator<<(QDataStream& stream, const zarTemplateSet& set);
// Refuses (ReadCorruptData) matrices that are not 30 x 99 and layouts no grid
// operation can work with; regenerates the quadripoles otherwise.
QDataStream& operator>>(QDataStream& stream, zarTemplateSet& set);

#endif
