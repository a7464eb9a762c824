#pragma once

#include <ace/Log_Msg.h>
#include <ace/Log_Msg_Callback.h>

#include <string>
#include <vector>

namespace testsupport {

// Collects every ACE log message written on this thread while it lives,
// with its priority; the previous log settings come back on destruction.
class AceLogCapture : public ACE_Log_Msg_Callback
{
public:
    struct Entry
    {
        ACE_Log_Priority priority;
        std::string text;
    };

    AceLogCapture();
    ~AceLogCapture() override;
    AceLogCapture(const AceLogCapture&) = delete;
    AceLogCapture& operator=(const AceLogCapture&) = delete;

    void log(ACE_Log_Record& record) override;

    const std::vector<Entry>& entries() const { return m_entries; }
    bool contains(const std::string& fragment) const;
    void clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
    ACE_Log_Msg_Callback* m_previousCallback;
    unsigned long m_previousFlags;
};

}  // namespace testsupport
