#include "product/client/view/keysummary.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace keysummary {

QString RedSentence(const QString& sentence)
{
    return QStringLiteral("<FONT COLOR=\"RED\">%1</FONT><br />").arg(sentence);
}

QString DayText(const QDate& day)
{
    return QLocale::c().toString(day, QStringLiteral("dddd, MMMM d, yyyy"));
}

QString HoursNotAfterStart()
{
    return RedSentence(QCoreApplication::translate("KeyringView", "ActiveHoursEndNotAfterStart"));
}

}  // namespace keysummary
