#ifndef ZARCABLECONFIGDIALOG_H
#define ZARCABLECONFIGDIALOG_H

#include "core/zarcorereports.h"
#include "service/zarcablewire.h"
#include "service/zarcableconfiguration.h"
#include "ui_zcableconfigdialog.h"

#include <QDialog>
#include <QList>
#include <QPalette>
#include <QPointer>

#include <memory>

class zarCore;

// Cable configuration: measures the grounding resistance of every electrode wire,
// cable by cable, and of the remote electrodes, takes failed electrodes out of use
// and hands the result to the session start.
class zarCableConfigDialog : public QDialog, public Ui::zCableConfigDialog
{
    Q_OBJECT

public:
    zarCableConfigDialog(QWidget* parent, quint8 cables, bool remoteTx, bool remoteRx);
    ~zarCableConfigDialog() override;

    zarCableConfiguration configuration() const;

    quint8 cables() const { return m_cables; }
    bool remoteTxOffered() const { return bool(m_remoteTxWire); }
    bool remoteRxOffered() const { return bool(m_remoteRxWire); }
    quint8 currentCable() const { return m_currentCable; }
    quint16 selectedWire() const { return m_selectedWire; }
    bool isChecking() const { return m_checking; }
    // A cable or remote check runs: Accept and Cancel are out of reach.
    bool isCheckRunning() const;
    // The wire code of the measurement this dialog waits for, -1 when none.
    int pendingWire() const { return m_pendingWire; }

    // Wire codes of the remote electrodes as the resistance job takes them.
    static constexpr quint16 remoteTxCode = 0xFFFF;
    static constexpr quint16 remoteRxCode = 0xFFFE;

public slots:
    void onAuto(bool automatic);
    void onTranslate();
    void onPreviousCable();
    void onNextCable();
    void onUpdate();
    void onDisable();
    void onReset();
    void onCableWireCheck();
    void onRemoteCheck();
    void onRemoteTxCheck();
    void onRemoteRxCheck();
    void onReportResistance(const zarCoreReportResistance report);
    // Ignored while a check runs.
    void done(int result) override;

    void selectCableWire00(); void selectCableWire01(); void selectCableWire02(); void selectCableWire03();
    void selectCableWire04(); void selectCableWire05(); void selectCableWire06(); void selectCableWire07();
    void selectCableWire08(); void selectCableWire09(); void selectCableWire10(); void selectCableWire11();
    void selectCableWire12(); void selectCableWire13(); void selectCableWire14(); void selectCableWire15();
    void selectCableWire16(); void selectCableWire17(); void selectCableWire18(); void selectCableWire19();
    void selectCableWire20(); void selectCableWire21(); void selectCableWire22(); void selectCableWire23();
    void selectCableWire24(); void selectCableWire25(); void selectCableWire26(); void selectCableWire27();
    void selectCableWire28(); void selectCableWire29(); void selectCableWire30(); void selectCableWire31();

    void switchCableWireState00(); void switchCableWireState01(); void switchCableWireState02();
    void switchCableWireState03(); void switchCableWireState04(); void switchCableWireState05();
    void switchCableWireState06(); void switchCableWireState07(); void switchCableWireState08();
    void switchCableWireState09(); void switchCableWireState10(); void switchCableWireState11();
    void switchCableWireState12(); void switchCableWireState13(); void switchCableWireState14();
    void switchCableWireState15(); void switchCableWireState16(); void switchCableWireState17();
    void switchCableWireState18(); void switchCableWireState19(); void switchCableWireState20();
    void switchCableWireState21(); void switchCableWireState22(); void switchCableWireState23();
    void switchCableWireState24(); void switchCableWireState25(); void switchCableWireState26();
    void switchCableWireState27(); void switchCableWireState28(); void switchCableWireState29();
    void switchCableWireState30(); void switchCableWireState31();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void selectCableWire(int position);
    void switchCableWireState(int position);
    bool advanceWire();
    float failThreshold() const;
    void showCable(quint8 cable);
    void request(int wire);
    void requestRemote(quint16 code);
    void startCheck();
    void finishCheck();
    void finishRemoteCheck();
    void enableRemoteButton();
    void storeWireResult(quint16 wire, float resistance, float threshold);
    void abandonCheck();

    QList<QLabel*> m_wireLabels;
    QList<QToolButton*> m_wireSelectButtons;
    QList<QPushButton*> m_wireStateButtons;
    // Gone once the program's end has destroyed the core.
    QPointer<zarCore> m_core;
    QPalette m_highlightPalette;
    QList<zarCableWire> m_wires;
    std::unique_ptr<zarCableWire> m_remoteTxWire;
    std::unique_ptr<zarCableWire> m_remoteRxWire;
    quint8 m_cables = 2;
    quint8 m_currentCable = 0;
    quint16 m_selectedWire = 0;
    bool m_checking = false;
    int m_pendingWire = -1;
    // The dialog was hidden with a request out: its answer is dropped.
    bool m_abandoned = false;
};

#endif
