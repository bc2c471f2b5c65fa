#ifndef ZARSTYLESHEET_H
#define ZARSTYLESHEET_H

#include <QString>

class QWidget;

// A compiled-in style sheet set on one widget; a sheet that cannot be read is skipped.
class zarStyleSheet
{
public:
    static void apply(QWidget* widget, const QString& resource);
};

#endif
