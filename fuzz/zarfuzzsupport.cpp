#include "zarfuzzsupport.h"

#include "core/zarconstants.h"
#include "frame/zarwarningdialog.h"
#include "zartestsupport.h"

#include <QEvent>
#include <QFile>

namespace {
// Answers the program's message dialog as soon as it shows.
class Answerer : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<zarWarningDialog*>(watched))
                QMetaObject::invokeMethod(dialog, [dialog] { dialog->done(1); }, Qt::QueuedConnection);
        return false;
    }
};

// Diagnostic lines of refused inputs would flood the fuzzer's output.
zarDiagnosticCapture* silence = nullptr;
}

void zarFuzz::start(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static zarTestEnvironment environment;
    // Never destroyed: their teardown at exit would race the other statics of Qt.
    auto* application = new QApplication(*argc, *argv);
    application->installEventFilter(new Answerer);
    silence = new zarDiagnosticCapture;
}

void zarFuzz::forget()
{
    silence->clear();
}

QString zarFuzz::file(const char* name, const uint8_t* data, size_t size)
{
    forget();
    const QString path = zarDriveRoot::path() + QLatin1String(name);
    QFile out(path);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}
