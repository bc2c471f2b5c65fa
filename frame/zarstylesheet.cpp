#include "frame/zarstylesheet.h"

#include <QFile>
#include <QWidget>

void zarStyleSheet::apply(QWidget* widget, const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    const int end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    widget->setStyleSheet(QString::fromLatin1(bytes));
}
