#pragma once

#include <QObject>

// The translation context of the words that many windows share: button
// texts, month and day names, comparison words, permission sentences, date
// formats, keypad labels and key conditions. Nothing creates one; callers use
// Linguist::tr("SaveAll"), which yields the id itself when the installed
// translation has no text for it.
class Linguist : public QObject
{
    Q_OBJECT

public:
    Linguist();
};
