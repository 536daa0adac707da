#include "desktop/houseadaptor.h"

#include "desktop/houseservice.h"
#include "model/housecontrol.h"
#include "model/housestate.h"
#include "model/tavirel.h"

HouseAdaptor::HouseAdaptor(HouseService* service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{
}

uint HouseAdaptor::sleepRemaining() const
{
    return m_service->house() ? m_service->house()->sleepRemaining() : 0;
}

bool HouseAdaptor::linked()
{
    HouseControl* house = m_service->house();
    if (house && house->model() && house->model()->linkUp())
        return true;
    m_service->refuse(tr("No Tavirel is connected."));
    return false;
}

QStringList HouseAdaptor::Scenes()
{
    return m_service->house() ? m_service->house()->sceneNames() : QStringList();
}

void HouseAdaptor::SaveScene(const QString& name)
{
    if (!House::isSceneName(name)) {
        m_service->refuse(tr("\"%1\" cannot be a scene name: it must be one line of at most %2 characters.")
                              .arg(name)
                              .arg(House::MaxSceneName));
        return;
    }
    if (!linked())
        return;
    if (!m_service->house()->hasDevice()) {
        m_service->refuse(tr("The connected Tavirel has no serial number to keep scenes for."));
        return;
    }
    m_service->house()->saveScene(name);
}

void HouseAdaptor::RecallScene(const QString& name, const QStringList& outputNames)
{
    HouseControl* house = m_service->house();
    const QString problem = house ? house->recallProblem(name, outputNames) : QString();
    if (!problem.isEmpty()) {
        m_service->refuse(problem);
        return;
    }
    if (linked())
        house->recallScene(name, outputNames);
}

void HouseAdaptor::DeleteScene(const QString& name)
{
    HouseControl* house = m_service->house();
    if (!house || !house->hasScene(name)) {
        m_service->refuse(tr("There is no scene \"%1\".").arg(name));
        return;
    }
    house->deleteScene(name);
}

void HouseAdaptor::AllOff()
{
    if (linked())
        m_service->house()->allOff();
}

void HouseAdaptor::Resume()
{
    if (linked())
        m_service->house()->resume();
}

void HouseAdaptor::SetSleepTimer(uint seconds)
{
    if (seconds == 0 && m_service->house())
        m_service->house()->setSleepTimer(0);
    else if (linked())
        m_service->house()->setSleepTimer(seconds);
}

void HouseAdaptor::Undo()
{
    if (linked())
        m_service->house()->undo();
}

void HouseAdaptor::Redo()
{
    if (linked())
        m_service->house()->redo();
}
