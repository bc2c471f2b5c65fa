// Writes the fuzzers' first inputs with the program's own writers:
//   zarfuzzseeds <directory>   fills <directory>/<target>/ for every target.
#include "zarfuzzsupport.h"

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarpseudodepth.h"
#include "templates/zarsequencebuilder.h"
#include "templates/zartemplatedatamodel.h"
#include "zartemplatefixture.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {
QString root;

QString seed(const char* target, const QString& name)
{
    QDir().mkpath(root + QLatin1Char('/') + QLatin1String(target));
    return root + QLatin1Char('/') + QLatin1String(target) + QLatin1Char('/') + name;
}

void put(const char* target, const QString& name, const QByteArray& bytes)
{
    QFile file(seed(target, name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}
}

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: zarfuzzseeds <directory>\n");
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);
    zarFuzz::start(&argc, &argv);

    zarCableConfiguration configuration;
    for (int i = 0; i < 64; ++i)
        configuration.wires.append({ 1.0f, i != 5 });
    const QList<QList<zarTemplateFixture::Set>> templates {
        { { 0, { { 0, 0 }, { 0, 3 } } } },
        { { 3, { { 1, 0 }, { 2, 4 } } }, { 8, { { 0, 9 } } }, { 7, { { 0, 2 } } } },
        { { 4, { { 0, 0 }, { 3, 1 } } }, { 16, { { 1, 1 } } }, { 5, { { 0, 0 } } }, { 21, { { 2, 3 } } } },
    };
    int n = 0;
    for (const auto& sets : templates) {
        zarTemplateDataModel model;
        if (!zarTemplateFixture::load(model, quint8(1 + n % 2), 2.5f * (n + 1), sets))
            return 1;
        const QString name = QStringLiteral("written%1").arg(n);
        model.saveTemplateTo(seed("template", name));
        zarSequenceBuilder::instance()->build(&model, &configuration, seed("session", name), quint16(n * 8));
        ++n;
    }

    // A session with measured rows, as the session screen saves it.
    zarSessionFile measured;
    if (measured.read(seed("session", QStringLiteral("written1"))) == zarSessionFile::Read) {
        for (int i = 0; i < measured.units.size(); i += 2) {
            zarMeasureSet& r = measured.units[i].measureSet;
            r = { 1200, 50.5f, -12.25f, 0.5f, 0.1f, { 1, -2, 3.5f }, 1.5f, true, {} };
            measured.units[i].derive();
        }
        measured.gpsFix.rmc = measured.gpsFix.valid = true;
        measured.write(seed("session", QStringLiteral("measured")));
    }

    const QByteArray ertLab = "# X Y Z\n1 0,0 0 0\n2 5.0 0 -0.5\n3 10 0 0\n4 15 0 0\n12 1,5 0,0 -0,25\n"
                              "# A B M N\n1 1 2 3 4\n2 3 0 4 0\n3 12 1 2 3\n4 4 3 2 1\n\nignored\n";
    put("ertlab", QStringLiteral("template.txt"), ertLab);
    put("ertlab", QStringLiteral("crlf.txt"), QByteArray(ertLab).replace("\n", "\r\n"));
    {
        zarTemplateDataModel model;
        if (model.importErtLab(seed("ertlab", QStringLiteral("template.txt"))))
            zarSequenceBuilder::instance()->build(&model, &configuration, seed("session", QStringLiteral("ertlab")), 0);
    }

    zarPseudoDepth table { QString() };
    table.createBaseFile(seed("pseudodepth", QStringLiteral("base")));
    {
        // One array type only: the smallest table the loader takes.
        QFile file(seed("pseudodepth", QStringLiteral("base")));
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        const int entry = 1 + 4 + 30 * (4 + 99 * 8);
        bytes = bytes.left(2) + QByteArray::fromHex("00000001") + bytes.mid(6, entry);
        put("pseudodepth", QStringLiteral("one"), bytes);
    }

    put("replies", QStringLiteral("clock"), QByteArray::fromHex("0507ea0c06150507"));
    put("replies", QStringLiteral("samples"), QByteArray::fromHex("01090400000000") + QByteArray(16, '\x3f'));
    put("replies", QStringLiteral("states"), QByteArray::fromHex("0200030a01040000803f0001"));
    return 0;
}
