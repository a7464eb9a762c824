#pragma once

// Collects the warnings and critical messages that Qt code writes.

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace testsupport {

// The warnings and critical messages written while it lives, in order, as
// UTF-8. Captures do not nest.
class QtMessageCapture
{
public:
    QtMessageCapture()
        : m_previous(qInstallMessageHandler(&QtMessageCapture::handle))
    {
        s_active = this;
    }
    ~QtMessageCapture()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    QtMessageCapture(const QtMessageCapture&) = delete;
    QtMessageCapture& operator=(const QtMessageCapture&) = delete;

    const std::vector<std::string>& messages() const { return m_messages; }

    // The messages so far; the next call sees only newer ones.
    std::vector<std::string> take()
    {
        std::vector<std::string> messages;
        messages.swap(m_messages);
        return messages;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (s_active && (type == QtWarningMsg || type == QtCriticalMsg)) {
            s_active->m_messages.push_back(message.toStdString());
        }
    }

    static inline QtMessageCapture* s_active = nullptr;
    std::vector<std::string> m_messages;
    QtMessageHandler m_previous;
};

}  // namespace testsupport
