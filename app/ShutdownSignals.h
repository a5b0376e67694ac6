#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop, so that the program
// leaves as a closed window does, saving its settings, instead of dying mid-step. A signal
// ignored as the program starts stays ignored.
class ShutdownSignals : public QObject
{
    Q_OBJECT

  public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

  signals:
    void received();

  private:
    static void Handle(int signal);

    QSocketNotifier* m_notifier = nullptr;
};
