#include "templates/zartemplateset.h"

#include "templates/zararrangement.h"
#include "templates/zarsequencebuilder.h"

#include <cmath>

zarTemplateSet::zarTemplateSet(zarCable cables, zarCableSpacing cableSpacing)
    : m_cable(cables), m_cableSpacing(cableSpacing), m_main(emptyMatrix()), m_aux(emptyMatrix())
{
}

zarMatrix zarTemplateSet::emptyMatrix()
{
    return zarMatrix(zarGrid::spacings, QVector<bool>(zarGrid::levels, false));
}

bool zarTemplateSet::hasGridShape(const zarMatrix& matrix)
{
    if (matrix.size() != zarGrid::spacings)
        return false;
    for (const auto& row : matrix)
        if (row.size() != zarGrid::levels)
            return false;
    return true;
}

bool zarTemplateSet::isEmpty() const
{
    for (const auto& row : m_main)
        if (row.contains(true))
            return false;
    return true;
}

void zarTemplateSet::setAuxCell(zarSpacing spacing, zarLevel level, bool value)
{
    if (spacing < zarGrid::spacings && level < zarGrid::levels)
        m_aux[spacing][level] = value;
}

void zarTemplateSet::clearAuxMatrix()
{
    m_aux = emptyMatrix();
}

void zarTemplateSet::clearMainMatrix()
{
    m_main = emptyMatrix();
    m_quadripoles.clear();
    m_measurementCount = 0;
}

void zarTemplateSet::clear()
{
    clearMainMatrix();
    clearAuxMatrix();
}

bool zarTemplateSet::generateCell(zarSpacing spacing, zarLevel level, QList<zarQuadripole>* list) const
{
    return zarSequenceBuilder::instance()->generate(m_cable, m_cableSpacing, quint8(m_arrayType), spacing,
                                                    level, list);
}

void zarTemplateSet::applySelection(const QModelIndexList& indexes)
{
    for (const QModelIndex& index : indexes) {
        if (index.row() < 0 || index.row() >= zarGrid::spacings || index.column() < 0
            || index.column() >= zarGrid::levels)
            continue;
        const zarSpacing spacing = zarSpacing(index.row());
        const zarLevel level = zarLevel(index.column());
        const zarCell cell(spacing, level);
        QList<zarQuadripole>& list = m_quadripoles[cell];
        if (m_main[spacing][level]) {
            m_measurementCount -= list.size();
            m_quadripoles.remove(cell);
            m_main[spacing][level] = false;
        } else {
            m_main[spacing][level] = generateCell(spacing, level, &list);
            m_measurementCount += list.size();
        }
    }
}

void zarTemplateSet::rebuild()
{
    m_measurementCount = 0;
    for (int s = 0; s < zarGrid::spacings; ++s)
        for (int l = 0; l < zarGrid::levels; ++l) {
            if (!m_main[s][l])
                continue;
            QList<zarQuadripole>& list = m_quadripoles[zarCell(zarSpacing(s), zarLevel(l))];
            list.clear();
            if (generateCell(zarSpacing(s), zarLevel(l), &list)) {
                m_measurementCount += list.size();
            } else {
                m_main[s][l] = false;
                m_aux[s][l] = false;
            }
        }
}

void zarTemplateSet::setArrangement(zarCable cables, zarCableSpacing cableSpacing)
{
    const bool cablesChanged = cables != m_cable;
    m_cable = cables;
    if (cableSpacing != m_cableSpacing) {
        m_cableSpacing = cableSpacing;
        clearAuxMatrix();
        rebuild();
    } else if (cablesChanged) {
        rebuild();
    }
}

void zarTemplateSet::setArrayType(qint8 arrayType)
{
    if (arrayType == m_arrayType)
        return;
    m_arrayType = arrayType;
    clearAuxMatrix();
    rebuild();
}

namespace {
void writeMatrix(QDataStream& stream, const zarMatrix& matrix)
{
    stream << quint32(matrix.size());
    for (const auto& row : matrix) {
        stream << quint32(row.size());
        for (bool cell : row)
            stream << cell;
    }
}

// Only the grid's own shape is accepted, so the counts never size anything.
bool readMatrix(QDataStream& stream, zarMatrix& matrix)
{
    quint32 rows = 0;
    stream >> rows;
    if (stream.status() != QDataStream::Ok || rows != quint32(zarGrid::spacings))
        return false;
    matrix = zarTemplateSet::emptyMatrix();
    for (auto& row : matrix) {
        quint32 columns = 0;
        stream >> columns;
        if (stream.status() != QDataStream::Ok || columns != quint32(zarGrid::levels))
            return false;
        for (int l = 0; l < zarGrid::levels; ++l) {
            bool cell = false;
            stream >> cell;
            row[l] = cell;
        }
    }
    return stream.status() == QDataStream::Ok;
}
}

QDataStream& operator<<(QDataStream& stream, const zarTemplateSet& set)
{
    stream << set.m_arrayType;
    writeMatrix(stream, set.m_main);
    writeMatrix(stream, set.m_aux);
    stream << qint8(set.m_cable) << set.m_cableSpacing;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, zarTemplateSet& set)
{
    qint8 arrayType = -1, cables = 0;
    float spacing = 0;
    zarMatrix main, aux;
    stream >> arrayType;
    const bool shaped = readMatrix(stream, main) && readMatrix(stream, aux);
    stream >> cables >> spacing;
    zarArrangement layout;
    layout.cables = cables;
    layout.cableSpacing = spacing;
    if (!shaped || stream.status() != QDataStream::Ok || !layout.hasSaneLayout()
        || arrayType < -1 || arrayType >= zarGrid::arrayTypes) {
        if (stream.status() == QDataStream::Ok)
            stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    set.m_arrayType = arrayType;
    set.m_main = main;
    set.m_aux = aux;
    set.m_cable = zarCable(cables);
    set.m_cableSpacing = spacing;
    set.m_quadripoles.clear();
    set.rebuild();
    return stream;
}
