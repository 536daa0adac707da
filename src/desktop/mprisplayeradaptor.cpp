#include "desktop/mprisplayeradaptor.h"

#include "desktop/mprisservice.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{
    connect(service, &MprisService::seeked, this, [this](qint64 us) { emit Seeked(us); });
}

QString MprisPlayerAdaptor::playbackStatus() const { return m_service->playbackStatus(); }
QVariantMap MprisPlayerAdaptor::metadata() const { return m_service->metadata(); }
double MprisPlayerAdaptor::volume() const { return m_service->volume(); }
void MprisPlayerAdaptor::setVolume(double volume) { m_service->setVolume(volume); }
qlonglong MprisPlayerAdaptor::position() const { return m_service->positionUs(); }
bool MprisPlayerAdaptor::canGoNext() const { return m_service->canGoNext(); }
bool MprisPlayerAdaptor::canGoPrevious() const { return m_service->canGoPrevious(); }
bool MprisPlayerAdaptor::canPlay() const { return m_service->canPlay(); }
bool MprisPlayerAdaptor::canPause() const { return m_service->canPause(); }
bool MprisPlayerAdaptor::canSeek() const { return m_service->canSeek(); }

void MprisPlayerAdaptor::Next() { m_service->next(); }
void MprisPlayerAdaptor::Previous() { m_service->previous(); }
void MprisPlayerAdaptor::Pause() { m_service->pause(); }
void MprisPlayerAdaptor::PlayPause() { m_service->playPause(); }
void MprisPlayerAdaptor::Stop() { m_service->stop(); }
void MprisPlayerAdaptor::Play() { m_service->play(); }
void MprisPlayerAdaptor::Seek(qlonglong offset) { m_service->seek(offset); }
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position)
{
    m_service->setPosition(trackId, position);
}
void MprisPlayerAdaptor::OpenUri(const QString& uri) { m_service->openUri(uri); }
