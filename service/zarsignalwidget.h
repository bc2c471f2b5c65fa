#ifndef ZARSIGNALWIDGET_H
#define ZARSIGNALWIDGET_H

#include "templates/zarquadripole.h"

#include <QWidget>

class QPushButton;

// The signal view of one quadripole, shown inside its parent's layout.
// Interim shape: keeps the quadripole, offers Accept, Bad and Close.
class zarSignalWidget : public QWidget
{
    Q_OBJECT

public:
    explicit zarSignalWidget(QWidget* parent = nullptr);

    void setQuadripole(zarQuadripole quadripole);
    zarQuadripole quadripole() const { return m_quadripole; }
    void hideBadButton();

signals:
    void sendSignalWidgetClose();
    void sendSpacingLevelAuxConfig(zarSpacing spacing, zarLevel level, bool bad);

public slots:
    void onAccept();
    void onBad();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    zarQuadripole m_quadripole;
    QPushButton* m_badPushButton = nullptr;
};

#endif
