#ifndef ZARENGINEERFIXTURE_H
#define ZARENGINEERFIXTURE_H

#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "engineer/zarengineerwidget.h"
#include "frame/zarmainwidget.h"
#include "frame/zarpassworddialog.h"
#include "frame/zarwarningdialog.h"

#include <QTimer>
#include <any>

// Every job the core starts while it lives, with its record.
struct zarJobRecorder
{
    zarJobRecorder()
    {
        zarCore::instance()->setJobObserver([this](zarCoreJob job, const std::any& record) {
            jobs << job;
            records << record;
        });
    }
    ~zarJobRecorder() { zarCore::instance()->setJobObserver(nullptr); }
    template <class Record> Record last() const { return std::any_cast<Record>(records.last()); }
    QList<zarCoreJob> jobs;
    QList<std::any> records;
};

// Answers the program's dialogs with the queued replies, else OK / Yes, keeping their texts.
struct zarAnswerAll
{
    enum Reply { Yes, No, Cancel };
    zarAnswerAll()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<zarWarningDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            texts << dialog->messageLabel->text();
            const Reply reply = replies.isEmpty() ? Yes : replies.takeFirst();
            (reply == No ? dialog->noPushButton : reply == Cancel ? dialog->cancelPushButton : dialog->okYesPushButton)->click();
        });
        timer.start(5);
    }
    QStringList texts;
    QList<Reply> replies;
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

// The screen of a test with every dialog answered; the core is settled before the screen goes.
struct zarEngineerScreen
{
    explicit zarEngineerScreen(int mode = 0) : screen(mode) {}
    ~zarEngineerScreen() { zarSettleCore(); }
    zarAnswerAll answers;
    zarEngineerWidget screen;
};

#endif
