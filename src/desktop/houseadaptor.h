#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>

class HouseService;

// com.morvane.Tavirel.House: scenes, All off and Resume, the sleep timer and
// undo. A bad name or a missing device is answered with an error.
class HouseAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.morvane.Tavirel.House")
    Q_PROPERTY(uint SleepRemaining READ sleepRemaining)
public:
    explicit HouseAdaptor(HouseService* service);

    uint sleepRemaining() const;

public slots:
    QStringList Scenes();
    void SaveScene(const QString& name);
    void RecallScene(const QString& name, const QStringList& outputNames);
    void DeleteScene(const QString& name);
    void AllOff();
    void Resume();
    void SetSleepTimer(uint seconds);
    void Undo();
    void Redo();

private:
    // False, with an error for the caller, when no device is linked.
    bool linked();

    HouseService* m_service;
};
