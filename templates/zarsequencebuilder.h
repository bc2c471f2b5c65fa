#ifndef ZARSEQUENCEBUILDER_H
#define ZARSEQUENCEBUILDER_H

#include "templates/zarmeasurement.h"
#include "templates/zarquadripole.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QVector>

class zarTemplateDataModel;
class zarCableConfiguration;

// Generates the quadripoles of the standard arrays and turns a template into the
// ordered runs of a new session.
class zarSequenceBuilder
{
public:
    static zarSequenceBuilder* instance();
    static void destroy();

    // Appends the positions of the array's patterns for one grid cell; true when at
    // least one pattern fits on the cables.
    bool generate(zarCable cables, zarCableSpacing cableSpacing, quint8 arrayType, zarSpacing spacing,
                  zarLevel level, QList<zarQuadripole>* quadripoles,
                  const QSet<quint16>* disabledElectrodes = nullptr, quint16 limit = 0,
                  float* maxDepth = nullptr) const;
    // The same into a vector, which holds the quadripoles without a heap block each.
    bool generate(zarCable cables, zarCableSpacing cableSpacing, quint8 arrayType, zarSpacing spacing,
                  zarLevel level, QVector<zarQuadripole>* quadripoles,
                  const QSet<quint16>* disabledElectrodes = nullptr, quint16 limit = 0,
                  float* maxDepth = nullptr) const;

    // Number of runs of the session made of the template; -1 when the file was asked
    // for and could not be written. A build without rows never writes the file.
    int build(const zarTemplateDataModel* model, const zarCableConfiguration* configuration,
              const QString& fileName, quint16 offset) const;

    // Reorders one (A, B) group into runs of distinct receiver channels.
    static int group(QList<zarMeasurement>& measurements);
    static bool conflicts(const QList<quint16>& recent, const QList<zarMeasurement>& run);

private:
    zarSequenceBuilder();
    static zarSequenceBuilder* s_instance;
};

#endif
