#include "settings/countrynames.h"

#include "settings/countrynametable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace CountryNames {

QString translated(const QString& englishName)
{
    const QByteArray utf8 = englishName.toUtf8();
    const auto less = [](const char* a, const char* b) { return std::strcmp(a, b) < 0; };
    const auto* it = std::lower_bound(std::begin(CountryNameTable::names), std::end(CountryNameTable::names),
                                      utf8.constData(), less);
    if (it == std::end(CountryNameTable::names) || std::strcmp(*it, utf8.constData()) != 0)
        return englishName;
    return QCoreApplication::translate("CountryNames", *it);
}

}
