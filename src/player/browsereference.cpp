#include "player/browsereference.h"

BrowseReference::BrowseReference(QObject *parent)
    : QObject(parent)
{
}
