#include "library/gui/linguist.h"

Linguist::Linguist()
    : QObject(nullptr)
{}
