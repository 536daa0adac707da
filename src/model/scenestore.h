#pragma once
#include <QByteArray>
#include <QString>
#include <QVector>

#include "model/housestate.h"

// The scenes of each device, by serial number, in the user settings store,
// and the JSON file form in which they are exported and imported.
namespace SceneStore {

QVector<House::Scene> load(const QString& serial);
void save(const QString& serial, const QVector<House::Scene>& scenes);

QByteArray toFile(const QVector<House::Scene>& scenes);
// False when the text is no scene file; scenes that do not read are left
// out and counted in `dropped`.
bool fromFile(const QByteArray& text, QVector<House::Scene>* scenes, int* dropped);

}
