#include "devices/zeroconf.h"

#include "devices/avahizeroconf.h"

namespace {
ZeroConf::Factory& installedFactory()
{
    static ZeroConf::Factory factory;
    return factory;
}
}

ZeroConf* ZeroConf::create()
{
    registerMetaTypes();
    if (installedFactory())
        return installedFactory()();
    return new AvahiZeroConf;
}

void ZeroConf::setFactory(Factory factory)
{
    installedFactory() = std::move(factory);
}

void ZeroConf::registerMetaTypes()
{
    qRegisterMetaType<ZeroConf::Error>("ZeroConf::Error");
    qRegisterMetaType<ZeroConfService>("ZeroConfService");
}
