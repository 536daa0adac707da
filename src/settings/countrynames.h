#pragma once

#include <QString>

namespace CountryNames {
// The name of a country of the shipped list in the user's language; any
// other text (a label that a device sends of its own) comes back unchanged.
QString translated(const QString& englishName);
}
