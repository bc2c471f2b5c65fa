#ifndef ZARENGINEERFIXTURE_H
#define ZARENGINEERFIXTURE_H

#include "zartestsupport.h"

#include "core/zarcore.h"
#include "engineer/zarengineerwidget.h"
#include "frame/zarwarningdialog.h"

#include <QTimer>

#include <any>

// Every job the core starts while it lives, with its record.
class zarJobRecorder
{
public:
    zarJobRecorder()
    {
        zarCore::instance()->setJobObserver([this](zarCoreJob job, const std::any& record) {
            jobs << job;
            records << record;
        });
    }
    ~zarJobRecorder() { zarCore::instance()->setJobObserver(nullptr); }

    template <class Record>
    Record last() const
    {
        return std::any_cast<Record>(records.last());
    }
    void clear()
    {
        jobs.clear();
        records.clear();
    }

    QList<zarCoreJob> jobs;
    QList<std::any> records;
};

// Answers every message of the program's dialog while it lives, with the next of
// the queued replies or else OK / Yes, and keeps the texts in order.
class zarAnswerAll
{
public:
    enum Reply { Yes, No, Cancel };

    zarAnswerAll()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<zarWarningDialog*>(QApplication::activeModalWidget());
            if (!paused && dialog && dialog->isVisible()) {
                texts << dialog->messageLabel->text();
                const Reply reply = replies.isEmpty() ? Yes : replies.takeFirst();
                (reply == No ? dialog->noPushButton : reply == Cancel ? dialog->cancelPushButton : dialog->okYesPushButton)
                    ->click();
            }
        });
        timer.start();
    }
    QStringList texts;
    QList<Reply> replies;
    bool paused = false;

private:
    QTimer timer;
};

// Cuts the running job short and delivers every report on its way.
inline void zarSettleCore()
{
    zarCore::instance()->stop();
    zarCore::instance()->jobThread().wait();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The screen of a test, shown, with every dialog answered; the core is settled
// before the screen goes.
struct zarEngineerScreen
{
    explicit zarEngineerScreen(int mode = 0) : screen(mode) {}
    ~zarEngineerScreen() { zarSettleCore(); }
    zarAnswerAll answers;
    zarEngineerWidget screen;
};

#endif
