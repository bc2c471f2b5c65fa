#include "templates/zarpseudodepth.h"

#include "core/zardiagnostics.h"

#include <QDataStream>
#include <QFile>

zarPseudoDepth* zarPseudoDepth::s_instance = nullptr;

namespace {
void fileError(const QFile& file)
{
    zarDiagnostics::line(("File error: " + file.errorString()).toLocal8Bit().toStdString());
}

struct Curve
{
    const float* x;
    const float* y;
    int size;
};

const float aX[] = { 0, 1, 2, 3, 4, 99, 100 };
const float aY[] = { 0.14f, 0.173f, 0.186f, 0.189f, 0.19f, 0.192f, 0.192f };
const float bX[] = { 0, 0.222f, 0.5f, 1, 2, 3, 4, 5, 6, 7, 8, 20, 99, 100 };
const float bY[] = { 0, 0.063f, 0.101f, 0.139f, 0.174f, 0.192f, 0.203f, 0.211f, 0.216f, 0.22f,
                     0.224f, 0.239f, 0.25f, 0.25f };
const float cX[] = { 0, 1, 2, 3, 4, 5, 6, 15, 99, 100 };
const float cY[] = { 0.15f, 0.26f, 0.308f, 0.33f, 0.341f, 0.349f, 0.354f, 0.368f, 0.39f, 0.39f };

const Curve curveA { aX, aY, 7 };
const Curve curveB { bX, bY, 14 };
const Curve curveC { cX, cY, 10 };

double evaluate(const Curve& curve, float r)
{
    for (int i = 0; i + 1 < curve.size; ++i) {
        if (curve.x[i] <= r && r < curve.x[i + 1])
            return zarPseudoDepth::interpolate(curve.x[i], curve.y[i], curve.x[i + 1], curve.y[i + 1], r);
    }
    return 0;
}

const quint32 typeCount = zarGrid::arrayTypes;
// Far above the largest factor of the formula (0.867 x 99 for pole-pole).
const float maxFactor = 1000.0f;
}

zarPseudoDepth* zarPseudoDepth::instance(const QString& path)
{
    if (!s_instance)
        s_instance = new zarPseudoDepth(path);
    return s_instance;
}

void zarPseudoDepth::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}

zarPseudoDepth::zarPseudoDepth(const QString& path)
{
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fileError(file);
        return;
    }
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    qint8 spacings = 0, levels = 0;
    stream >> spacings >> levels;
    if (file.error() != QFile::NoError) {
        fileError(file);
        return;
    }
    if (spacings != zarGrid::spacings || levels != zarGrid::levels)
        return;
    if (!readTable(stream)) {
        table.clear();
        if (file.error() != QFile::NoError)
            fileError(file);
        return;
    }
    loaded = true;
}

// Bounded reader of the map: every count must be exactly the grid's, so a damaged
// file can neither size an allocation nor leave a ragged table behind.
bool zarPseudoDepth::readTable(QDataStream& stream)
{
    quint32 entries = 0;
    stream >> entries;
    if (stream.status() != QDataStream::Ok || entries > typeCount)
        return false;
    for (quint32 e = 0; e < entries; ++e) {
        qint8 type = 0;
        quint32 rows = 0;
        stream >> type >> rows;
        if (stream.status() != QDataStream::Ok || rows != quint32(zarGrid::spacings))
            return false;
        QVector<QVector<float>> matrix(zarGrid::spacings);
        for (auto& row : matrix) {
            quint32 columns = 0;
            stream >> columns;
            if (stream.status() != QDataStream::Ok || columns != quint32(zarGrid::levels))
                return false;
            row.resize(zarGrid::levels);
            for (float& value : row) {
                stream >> value;
                // A factor scales every depth: a damaged one refuses the table.
                if (!(value >= 0 && value <= maxFactor))
                    return false;
            }
        }
        if (stream.status() != QDataStream::Ok)
            return false;
        table.insert(type, matrix);
    }
    return true;
}

float zarPseudoDepth::lookup(quint8 arrayType, zarSpacing spacing, zarLevel level) const
{
    if (!loaded || spacing >= zarGrid::spacings || level >= zarGrid::levels)
        return 0;
    const auto it = table.constFind(qint8(arrayType));
    if (it == table.constEnd())
        return 0;
    return (*it)[spacing][level];
}

double zarPseudoDepth::compute(quint8 arrayType, zarSpacing spacing, zarLevel level)
{
    const int n = level + 1;
    const int m = spacing + 1;
    const float r = float(n) / float(m);
    switch (arrayType) {
    case 0: case 12:
        return double(0.173f) * (3 * n);
    case 1: case 13:
        return double(0.139f) * (3 * n);
    case 2: case 14:
        return double(0.198f) * (3 * n);
    case 7: case 17:
        return double(0.867f) * n;
    case 3: case 8: case 9: case 10: case 11: case 15: case 18: case 19: case 20: case 21:
        return evaluate(curveA, r) * (m + 2 * n);
    case 4: case 16:
        return evaluate(curveB, r) * (n + 2 * m);
    case 5: case 6:
        return evaluate(curveC, r) * (n + m);
    default:
        return 0;
    }
}

double zarPseudoDepth::interpolate(float x0, float y0, float x1, float y1, float x)
{
    if (x0 == x1)
        return (double(y0) + y1) * 0.5f;
    if (x == x0)
        return y0;
    if (x == x1)
        return y1;
    return y0 + (double(y1) - y0) * (double(x) - x0) / (double(x1) - x0);
}

bool zarPseudoDepth::createBaseFile(const QString& path)
{
    for (quint32 type = 0; type < typeCount; ++type) {
        QVector<QVector<float>> matrix(zarGrid::spacings, QVector<float>(zarGrid::levels));
        for (int s = 0; s < zarGrid::spacings; ++s)
            for (int l = 0; l < zarGrid::levels; ++l)
                matrix[s][l] = float(compute(quint8(type), zarSpacing(s), zarLevel(l)));
        table.insert(qint8(type), matrix);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        table.clear();
        fileError(file);
        return false;
    }
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    stream << qint8(zarGrid::spacings) << qint8(zarGrid::levels);
    // Qt's map form: the count, then the entries from the largest key down.
    stream << quint32(table.size());
    for (auto it = table.constEnd(); it != table.constBegin();) {
        --it;
        stream << it.key() << quint32(it.value().size());
        for (const auto& row : it.value()) {
            stream << quint32(row.size());
            for (float value : row)
                stream << value;
        }
    }
    file.close();
    if (file.error() != QFile::NoError) {
        fileError(file);
        return false;
    }
    loaded = true;
    return true;
}
