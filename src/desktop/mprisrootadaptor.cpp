#include "desktop/mprisrootadaptor.h"

#include "desktop/mprisservice.h"

MprisRootAdaptor::MprisRootAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{
}

QStringList MprisRootAdaptor::supportedUriSchemes() const
{
    // What OpenUri hands to the music server as a stream to play.
    return { QStringLiteral("http"), QStringLiteral("https") };
}

void MprisRootAdaptor::Raise()
{
    m_service->raise();
}

void MprisRootAdaptor::Quit()
{
    m_service->quit();
}
