#ifndef ZARMODALOF_H
#define ZARMODALOF_H

#include "zartestsupport.h"

#include <QFileDialog>
#include <QLineEdit>

#include <functional>

// Answers the next file dialog: inspect sees it first, then an empty file cancels
// it and any other is chosen.
inline void zarAnswerFileDialog(const QString& file, std::function<void(QFileDialog*)> inspect = nullptr)
{
    zarWhenModalOf<QFileDialog>([file, inspect](QFileDialog* d) {
        if (inspect)
            inspect(d);
        if (file.isEmpty())
            return d->reject();
        // Typed into the name field: a choice in the list would be undone when the
        // dialog finishes reading the directory in the background.
        if (auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(file);
        else
            d->selectFile(file);
        static_cast<QDialog*>(d)->done(QDialog::Accepted);
    });
}

#endif
