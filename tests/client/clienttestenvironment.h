#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The warnings and critical messages that Qt code writes while one object of
// this class exists, in order.
class QtMessageCapture
{
public:
    QtMessageCapture();
    ~QtMessageCapture();
    QtMessageCapture(const QtMessageCapture&) = delete;
    QtMessageCapture& operator=(const QtMessageCapture&) = delete;

    const QStringList& messages() const { return m_messages; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QStringList m_messages;
    QtMessageHandler m_previous;
};

// The whole content of a file or resource; "<unreadable>" when it cannot be
// opened.
QByteArray ReadAll(const QString& fileName);
